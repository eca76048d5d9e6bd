// The command line's orders: prints of several sizes and counts, read from
// an order file (--order) or given for every image (--package), packed onto
// the fewest sheets and laid out as ordinary pages.
#include "app/CommandLine.h"

#include "app/UserSettings.h"
#include "arrange/ArrangeEngine.h"
#include "formats/LayoutCatalogue.h"
#include "formats/OrderPacker.h"
#include "formats/Rounding.h"
#include "library/IconItem.h"
#include "library/IconsModel.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int MaximumCount = 10000;

} // namespace

bool CommandLine::orderInput() const { return !m_order.isEmpty() || !m_package.isEmpty(); }

bool CommandLine::addPrint(const QString &where, const QString &photo, const QString &size, const QString &count,
                           const Page &base, int scale)
{
    double w = 0, h = 0;
    if (!parsePair(size, w, h))
        return refuse(QObject::tr("%1: the size must be WIDTHxHEIGHT, two numbers above zero: %2.").arg(where, size));
    bool ok = false;
    const int n = count.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > MaximumCount)
        return refuse(QObject::tr("%1: the count must be a whole number from 1 to %2: %3.")
                          .arg(where).arg(MaximumCount).arg(count.trimmed()));
    const OrderPrint print{photo, roundHalfUp(w * scale), roundHalfUp(h * scale), n};
    const OrderPacker packer(base.printableWidth(), base.printableHeight(), m_gutterLength);
    if (!std::isfinite(w * h) || !packer.fits(print))
        return refuse(QObject::tr("%1: a print of %2 does not fit the printable area of %3 x %4 either way.")
                          .arg(where, size.trimmed())
                          .arg(double(base.printableWidth()) / scale)
                          .arg(double(base.printableHeight()) / scale));
    if (const Outcome read = checkImageFile(QFileInfo(photo)); !read) {
        // The sentence first, then the line or value of the order and why.
        QString detail = read.detail();
        if (detail.endsWith(QLatin1Char('.')))
            detail.chop(1);
        return refuse(read.sentence() + QStringLiteral("\n\n")
                      + QObject::tr("%1: cannot read file %2:\n%3.").arg(where, photo, detail));
    }
    m_prints << print;
    return true;
}

bool CommandLine::readOrder(const Page &base, int scale)
{
    m_prints.clear();
    if (!m_gutter.isEmpty()) {
        bool ok = false;
        const double g = m_gutter.toDouble(&ok);
        if (!ok || !std::isfinite(g) || g < 0 || g * scale > qMin(base.printableWidth(), base.printableHeight()))
            return refuse(QObject::tr("The gutter must be a number of zero or more, less than the printable area: %1.")
                              .arg(m_gutter));
        m_gutterLength = roundHalfUp(g * scale);
    }
    if (!m_order.isEmpty()) {
        QFile file(m_order);
        if (!QFileInfo(m_order).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
            return refuse(QObject::tr("Cannot read file %1:\n%2.").arg(m_order, file.errorString()));
        const QDir folder = QFileInfo(m_order).absoluteDir();
        int number = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            ++number;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QString where = QObject::tr("Line %1 of %2").arg(number).arg(m_order);
            // The photograph's name may hold commas; the size and count not.
            const int countComma = line.lastIndexOf(QLatin1Char(','));
            const int sizeComma = countComma > 0 ? line.lastIndexOf(QLatin1Char(','), countComma - 1) : -1;
            if (sizeComma <= 0)
                return refuse(QObject::tr("%1 is not PHOTO,WIDTHxHEIGHT,COUNT: %2").arg(where, line));
            const QString photo = line.left(sizeComma).trimmed();
            if (!addPrint(where, folder.absoluteFilePath(photo), line.mid(sizeComma + 1, countComma - sizeComma - 1),
                          line.mid(countComma + 1), base, scale))
                return false;
        }
    }
    if (!m_package.isEmpty()) {
        for (const QString &entry : m_package.split(QLatin1Char(','))) {
            const QString where = QObject::tr("Package entry %1").arg(entry.trimmed());
            if (entry.count(QLatin1Char(':')) != 1)
                return refuse(QObject::tr("%1 is not SIZE:COUNT, as in 10x15:2.").arg(where));
            for (const QString &image : m_images)
                if (!addPrint(where, image, entry.section(QLatin1Char(':'), 0, 0), entry.section(QLatin1Char(':'), 1),
                              base, scale))
                    return false;
        }
    }
    if (m_prints.isEmpty())
        return refuse(QObject::tr("The order %1 holds no prints.").arg(m_order.isEmpty() ? m_package : m_order));
    return true;
}

bool CommandLine::chooseOrderPage(UserSettings &st, Document &document)
{
    LayoutCatalogue catalogue;
    LayoutCatalogue::Source source;
    source.setup = st.page.pageSetup;
    source.paperName = st.page.paperName;
    source.unitSuffix = st.page.unitSuffix;
    source.userLayouts = false;
    catalogue.build(source);
    if (!catalogue.usable())
        return refuse(QObject::tr("The printable area of this paper is too small: no layout can be offered."));
    document.templatePage = catalogue.base();
    document.templatePage.title = QObject::tr("Order");
    return readOrder(catalogue.base(), catalogue.unitScale());
}

bool CommandLine::arrangeOrder(Document &document, const UserSettings &st)
{
    const Page &base = document.templatePage;
    const OrderPacker packer(base.printableWidth(), base.printableHeight(), m_gutterLength);
    const QVector<OrderSheet> sheets = packer.pack(m_prints);
    // Each photograph's record once, in the order's sequence.
    QHash<QString, IconItem> known;
    QVector<IconItem> prints, rows;
    for (const OrderPrint &print : m_prints) {
        if (!known.contains(print.photo)) {
            known.insert(print.photo, IconsModel::itemFromFile(QFileInfo(print.photo)));
            rows << known.value(print.photo);
        }
        prints << known.value(print.photo);
    }
    return fillPages(document, st, rows, [&](ArrangeEngine &engine) { engine.arrangeOrder(sheets, prints); });
}
