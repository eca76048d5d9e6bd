#include "formats/PageSetupModel.h"

#include "formats/PaperCatalogue.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

// Every public edit runs inside a batch; when the outermost batch ends the
// view is told once and the finished record is sent once, so listeners never
// see a half-changed page setup.
class PageSetupModel::Batch
{
public:
    explicit Batch(PageSetupModel *m) : m_model(m) { ++m_model->m_depth; }
    ~Batch()
    {
        if (--m_model->m_depth > 0)
            return;
        if (m_model->m_labelsDirty) {
            m_model->m_labelsDirty = false;
            Q_EMIT m_model->labelsChanged();
        }
        Q_EMIT m_model->changed();
        Q_EMIT m_model->changedData(m_model->m_data);
    }

private:
    PageSetupModel *m_model;
};

namespace {

int normalUnit(int unit)
{
    return unit == PageSetup::Inch || unit == PageSetup::Centimetre ? unit : PageSetup::Millimetre;
}

} // namespace

double PageSetupModel::boxValue(double value, double max)
{
    if (!std::isfinite(value) || value < 0.0)
        value = 0.0;
    value = std::min(value, max);
    // A spin box with two decimals keeps the value it displays.
    return QString::number(value, 'f', 2).toDouble();
}

PageSetupModel::PageSetupModel(const PageSetup &data, QObject *parent)
    : QObject(parent), m_data(data)
{
    m_depth = 1; // nobody listens yet
    m_updating = true;
    m_data.unit = normalUnit(m_data.unit);
    m_data.orientation = m_data.orientation == 1 ? 1 : 0;
    if (m_data.paperSize < 0 || m_data.paperSize >= PaperCatalogue::Count)
        m_data.paperSize = 0;
    m_data.width = boxValue(m_data.width, SizeMax);
    m_data.height = boxValue(m_data.height, SizeMax);
    for (Margin m : {Top, Bottom, Left, Right})
        marginRef(m) = boxValue(marginRef(m), MarginMax);

    rebuildLabels();
    if (m_data.paperSize == 0 && (m_data.width == 0.0 || m_data.height == 0.0))
        m_data.paperSize = 2;
    if (m_data.paperSize != 0)
        loadPaper(m_data.paperSize);
    else
        applyOrientation(m_data.width, m_data.height);
    m_updating = false;
    m_labelsDirty = false;
    m_depth = 0;
}

double PageSetupModel::storedMargin(Margin m) const
{
    switch (m) {
    case Top: return m_data.top;
    case Bottom: return m_data.bottom;
    case Left: return m_data.left;
    case Right: return m_data.right;
    }
    return 0.0;
}

double PageSetupModel::shownMargin(Margin m) const
{
    return m_data.borderless ? 0.0 : storedMargin(m);
}

double &PageSetupModel::marginRef(Margin m)
{
    switch (m) {
    case Top: return m_data.top;
    case Bottom: return m_data.bottom;
    case Left: return m_data.left;
    case Right: break;
    }
    return m_data.right;
}

void PageSetupModel::rebuildLabels()
{
    m_suffix = PaperCatalogue::unitSuffix(m_data.unit);
    m_labels.clear();
    m_labels << PaperCatalogue::label(0, m_data.unit);
    for (int i = 1; i < PaperCatalogue::Count; ++i)
        m_labels << PaperCatalogue::label(i, m_data.unit) + m_suffix;
    m_labelsDirty = true;
}

void PageSetupModel::userPaperName()
{
    m_paperName = QString::number(m_data.width, 'g', 6) + QLatin1Char('x')
        + QString::number(m_data.height, 'g', 6) + m_suffix;
}

// The catalogue size of `index` in the current unit, laid in the current
// orientation.
void PageSetupModel::loadPaper(int index)
{
    m_data.paperSize = index;
    const bool was = m_updating;
    m_updating = true;
    m_paperName = m_labels.value(index);
    applyOrientation(PaperCatalogue::shortSide(index, m_data.unit),
                     PaperCatalogue::longSide(index, m_data.unit));
    m_updating = was;
}

// Portrait puts the smaller side across, landscape the larger. A side given
// as 0 keeps its current value.
void PageSetupModel::applyOrientation(double a, double b)
{
    if (a == 0.0)
        a = m_data.width;
    if (b == 0.0)
        b = m_data.height;
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    const bool portrait = m_data.orientation == 0;
    m_data.width = boxValue(portrait ? lo : hi, SizeMax);
    m_data.height = boxValue(portrait ? hi : lo, SizeMax);
    if (m_data.paperSize == 0)
        userPaperName();
}

void PageSetupModel::changeOrientation(int orientation)
{
    m_data.orientation = orientation;
    applyOrientation(0.0, 0.0);
}

void PageSetupModel::setUnit(int unit)
{
    unit = normalUnit(unit);
    if (unit == m_data.unit)
        return;
    Batch batch(this);
    const bool was = m_updating;
    m_updating = true;
    const double factor = PaperCatalogue::millimetresPer(m_data.unit)
        / PaperCatalogue::millimetresPer(unit);
    m_data.unit = unit;
    rebuildLabels();
    if (m_data.paperSize > 0)
        loadPaper(m_data.paperSize);
    else
        applyOrientation(boxValue(m_data.width * factor, SizeMax),
                         boxValue(m_data.height * factor, SizeMax));
    for (Margin m : {Top, Bottom, Left, Right}) {
        // Hidden margins of a borderless page are converted as they are;
        // shown ones go through their boxes.
        double &v = marginRef(m);
        v = m_data.borderless ? v * factor : boxValue(v * factor, MarginMax);
    }
    m_updating = was;
    Q_EMIT changedMeasureUnits(unit);
}

void PageSetupModel::setOrientation(int orientation)
{
    orientation = orientation == 1 ? 1 : 0;
    if (orientation == m_data.orientation)
        return;
    Batch batch(this);
    changeOrientation(orientation);
}

void PageSetupModel::selectPaper(int index)
{
    if (index < 0 || index >= PaperCatalogue::Count)
        return;
    Batch batch(this);
    if (index > 0) {
        loadPaper(index);
    } else {
        m_data.paperSize = 0;
        userPaperName();
    }
}

void PageSetupModel::setWidth(double value)
{
    value = boxValue(value, SizeMax);
    if (value == m_data.width)
        return;
    Batch batch(this);
    m_data.width = value;
    sizeTyped();
}

void PageSetupModel::setHeight(double value)
{
    value = boxValue(value, SizeMax);
    if (value == m_data.height)
        return;
    Batch batch(this);
    m_data.height = value;
    sizeTyped();
}

// A typed side makes the paper user-defined and turns the page to match.
void PageSetupModel::sizeTyped()
{
    if (!m_updating && m_data.paperSize != 0) {
        m_data.paperSize = 0;
        userPaperName();
    }
    if (m_data.width > m_data.height && m_data.orientation == 0)
        changeOrientation(1);
    else if (m_data.width <= m_data.height && m_data.orientation == 1)
        changeOrientation(0);
    if (m_data.paperSize == 0)
        applyOrientation(m_data.width, m_data.height);
}

void PageSetupModel::setBorderless(bool on)
{
    Batch batch(this);
    m_data.borderless = on;
}

void PageSetupModel::setMargin(Margin m, double value)
{
    if (m_data.borderless)
        return;
    value = boxValue(value, MarginMax);
    if (value == marginRef(m))
        return;
    Batch batch(this);
    marginRef(m) = value;
}

void PageSetupModel::retranslate()
{
    Batch batch(this);
    rebuildLabels();
    if (m_data.paperSize > 0) {
        m_paperName = m_labels.value(m_data.paperSize);
    } else {
        userPaperName();
    }
}

QImage PageSetupModel::previewImage(const PageSetup &d, const QColor &fill)
{
    if (!(d.width > 0.0) || !(d.height > 0.0))
        return QImage();
    const double ratio = d.width / d.height;
    int pw = int(ratio * 150);
    int ph = 150;
    if (pw > 150) {
        pw = 150;
        ph = int(150 / ratio);
    }
    pw = std::max(pw, 1);
    ph = std::max(ph, 1);
    QImage image(pw, ph, QImage::Format_RGB32);
    image.fill(fill);
    QPainter p(&image);
    p.setPen(Qt::green);
    p.drawRect(0, 0, pw - 1, ph - 1);
    const double s = pw / d.width;
    const double left = d.borderless ? 0.0 : d.left;
    const double right = d.borderless ? 0.0 : d.right;
    const double top = d.borderless ? 0.0 : d.top;
    const double bottom = d.borderless ? 0.0 : d.bottom;
    p.setPen(Qt::black);
    p.drawRect(QRectF(left * s, top * s, pw - (left + right) * s - 1, ph - (top + bottom) * s - 1));
    return image;
}
