// The user layout files, thumbnails and name look-ups of the catalogue.
#include "formats/LayoutCatalogue.h"

#include "formats/LayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

QString LayoutCatalogue::fileLayoutName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const bool leadingDigit = !name.isEmpty() && name.at(0) >= QLatin1Char('1') && name.at(0) <= QLatin1Char('9');
    const bool secondDigit = name.size() > 1 && name.at(1).isDigit();
    return leadingDigit && !secondDigit ? QLatin1Char(' ') + name : name;
}

QString LayoutCatalogue::displayName(const QString &name)
{
    static const QLatin1String fileSuffix(".vly");
    if (name.endsWith(fileSuffix, Qt::CaseInsensitive))
        return name.left(name.size() - fileSuffix.size());
    // The dot of an across grid stands between the last size and the blank
    // of the unit; the decimal points of sizes are followed by digits.
    const int dot = name.lastIndexOf(QLatin1String(". "));
    if (dot > 0 && name.at(dot - 1).isDigit())
        return name.left(dot) + name.mid(dot + 1);
    return name;
}

QString LayoutCatalogue::frameProblem(const QRect &frame, const Page &paper)
{
    if (frame.width() <= 0 || frame.height() <= 0)
        return QObject::tr("has no area");
    // In 64 bits: a frame may reach to the end of the integers.
    const qint64 right = qint64(frame.x()) + frame.width();
    const qint64 bottom = qint64(frame.y()) + frame.height();
    if (frame.x() < 0 || frame.y() < 0 || right > paper.width || bottom > paper.height)
        return QObject::tr("reaches beyond the paper");
    return QString();
}

bool LayoutCatalogue::readUserLayout(const QString &path, const QString &paperWord, Page &entry,
                                     QString *problem) const
{
    if (!path.contains(QLatin1String(".vly"), Qt::CaseInsensitive))
        return false;
    LayoutFile file;
    if (!LayoutFile::read(path, file))
        return false;
    if (!file.suits(paperWord, entry.width, entry.height))
        return false;
    // A layout without frames could hold no photograph.
    if (file.frames.isEmpty())
        return false;
    // A frame off the paper would drop its photograph, one without area
    // would print a blank page: the layout is damaged, refused, and said so.
    for (int i = 0; i < file.frames.size(); ++i) {
        const QString why = frameProblem(file.frames.at(i), entry);
        if (why.isEmpty())
            continue;
        if (problem)
            *problem = QObject::tr("The layout %1 is not offered: frame %2 (%3 × %4 mm at %5, %6 mm) %7.")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(i + 1)
                           .arg(file.frames.at(i).width() / 100.0)
                           .arg(file.frames.at(i).height() / 100.0)
                           .arg(file.frames.at(i).x() / 100.0)
                           .arg(file.frames.at(i).y() / 100.0)
                           .arg(why);
        return false;
    }
    entry.frames.clear();
    for (const QRect &r : file.frames) {
        PhotoFrame f;
        f.x = r.x();
        f.y = r.y();
        f.width = r.width();
        f.height = r.height();
        entry.frames.append(f);
    }
    entry.title = fileLayoutName(path);
    return true;
}

QSize LayoutCatalogue::thumbnailSize() const
{
    const int k = qMax(m_base.width, m_base.height) / 150;
    if (k < 1)
        return QSize();
    return QSize(m_base.width / k, m_base.height / k);
}

QImage LayoutCatalogue::thumbnail(const Page &entry, const QColor &fill) const
{
    const int k = qMax(entry.width, entry.height) / 150;
    if (k < 1)
        return QImage();
    const int tw = entry.width / k;
    const int th = entry.height / k;
    QImage image(tw, th, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    QPainter p(&image);
    p.setPen(Qt::green);
    p.drawRect(0, 0, tw - 1, th - 1);
    p.setPen(Qt::black);
    for (const PhotoFrame &f : entry.frames)
        p.drawRect(f.x / k, f.y / k, f.width / k, f.height / k);
    return image;
}

bool LayoutCatalogue::matchesRemembered(const QString &name, const QString &remembered)
{
    const int n = qMax(remembered.size() - 2, 0);
    return name.leftRef(n) == remembered.leftRef(n);
}

int LayoutCatalogue::currentRow(const QString &remembered) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (matchesRemembered(m_entries.at(i).title, remembered))
            return i;
    return 0;
}

int LayoutCatalogue::indexOf(const QString &name) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries.at(i).title == name)
            return i;
    return -1;
}
