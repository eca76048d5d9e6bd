#include "app/OutputSpace.h"

#include "app/JpegExport.h"
#include "formats/Page.h"

#include <QFileInfo>
#include <QLocale>
#include <QObject>
#include <QStorageInfo>

namespace OutputSpace {

qint64 leastBytes(const QVector<Page> &pages, const QList<int> &indexes, double density)
{
    double bytes = 0;
    for (int i : indexes) {
        if (i < 0 || i >= pages.size())
            continue;
        for (const PhotoFrame &f : pages.at(i).frames)
            if (!f.isEmpty())
                bytes += double(f.width) * f.height * density * density / 200;
    }
    return qint64(qMin(bytes, 1e18));
}

qint64 jpegBytes(const QVector<Page> &pages, const QList<int> &indexes)
{
    return leastBytes(pages, indexes, 1.0 / JpegExport::PixelSize);
}

qint64 pdfBytes(const QVector<Page> &pages, const QList<int> &indexes)
{
    return leastBytes(pages, indexes, 100 / 2540.0);
}

Outcome check(const QString &file, qint64 needed)
{
    const QStorageInfo storage(QFileInfo(file).absolutePath());
    const qint64 free = storage.bytesAvailable();
    if (!storage.isValid() || free < 0 || needed <= free)
        return Outcome();
    return Outcome::failure(QT_TRANSLATE_NOOP("QObject", "There is no room on the disk for the pages."),
                            QObject::tr("They take at least %1, %2 are free there")
                                .arg(QLocale().formattedDataSize(needed), QLocale().formattedDataSize(free)));
}

} // namespace OutputSpace
