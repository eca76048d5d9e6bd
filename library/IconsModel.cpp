#include "library/IconsModel.h"

#include "library/ByteBudget.h"
#include "library/ImageFile.h"
#include "library/IconPainter.h"
#include "library/IconSort.h"

#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <QTransform>
#include <QtMath>

IconsModel::IconsModel(ImageListRole role, bool watchFiles, QObject *parent)
    : QAbstractListModel(parent), m_role(role), m_watchFiles(watchFiles),
      m_placeholderIcons(32 * 1024)
{
    if (watchFiles) {
        m_changeTimer = new QTimer(this);
        m_changeTimer->setSingleShot(true);
        connect(m_changeTimer, &QTimer::timeout, this, &IconsModel::updateFiles);
    }
}

int IconsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_items.size();
}

QPixmap IconsModel::iconOf(const IconItem &item) const
{
    if (item.isDecoded() || !item.icon.isNull())
        return item.icon;
    const ThumbnailValues &t = m_thumbs;
    if (QPixmap *cached = m_placeholderIcons.object(item.fileName)) {
        if (cached->width() == t.iconWidth && cached->height() == t.iconHeight)
            return *cached;
    }
    const QPixmap drawn = IconPainter::draw(item, m_thumbs);
    m_placeholderIcons.insert(item.fileName, new QPixmap(drawn),
                              qMax(1, drawn.width() * drawn.height() * 4 / 1024));
    return drawn;
}

void IconsModel::drawIcon(IconItem &item)
{
    if (!item.isDecoded()) {
        // Drawn on demand: see iconOf.
        item.state = IconItem::State::Placeholder;
        item.icon = QPixmap();
        m_placeholderIcons.remove(item.fileName);
        return;
    }
    item.icon = IconPainter::draw(item, m_thumbs);
}

QVariant IconsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return QVariant();
    const IconItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DecorationRole: return QIcon(iconOf(item));
    case Qt::ToolTipRole: return IconPainter::toolTip(item);
    case Qt::SizeHintRole:
        return QSize(m_thumbs.iconWidth + 5, m_thumbs.iconHeight + 5);
    case IconPixmapRole: return iconOf(item);
    case FileNameRole: return item.fileName;
    case StateRole: return qint32(item.state);
    case ImageWidthRole: return item.imageWidth;
    case ImageHeightRole: return item.imageHeight;
    case PreviewRole: return item.preview;
    case RotationRole: return item.rotation;
    case UseCountRole: return item.useCount;
    case FileTimeRole: return item.fileTime;
    case ShotTimeRole: return item.shotTime;
    case FileSizeRole: return item.fileSize;
    case FileDataRole: return item.fileData.bytes();
    default: return QVariant();
    }
}

bool IconsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_items.size())
        return false;
    IconItem &item = m_items[index.row()];
    switch (role) {
    case IconPixmapRole: item.icon = value.value<QPixmap>(); break;
    case FileNameRole: item.fileName = value.toString(); break;
    case StateRole: item.state = IconItem::State(value.toInt()); break;
    case ImageWidthRole: item.imageWidth = value.toInt(); break;
    case ImageHeightRole: item.imageHeight = value.toInt(); break;
    case RotationRole: item.rotation = value.toInt(); break;
    case UseCountRole: item.useCount = value.toInt(); break;
    case FileTimeRole: item.fileTime = value.toDateTime(); break;
    case ShotTimeRole: item.shotTime = value.toDateTime(); break;
    case FileSizeRole: item.fileSize = value.toInt(); break;
    case FileDataRole:
        item.fileData = m_budget ? m_budget->hold(value.toByteArray()) : HeldBytes();
        break;
    case PreviewRole:
        item.preview = value.value<QImage>();
        item.state = IconItem::State::Decoded;
        if (item.rotation > 0) {
            // The fresh preview is unturned: turn it to the row's rotation.
            const int angle = item.rotation;
            item.rotation = 0;
            rotateTo(index, angle);
        } else {
            drawIcon(item);
        }
        break;
    default: return false;
    }
    Q_EMIT dataChanged(index, index, {role, Qt::DecorationRole});
    return true;
}

void IconsModel::setDecoded(const QModelIndex &index, const ThumbnailResult &result)
{
    if (!index.isValid() || index.model() != this || index.row() >= m_items.size())
        return;
    IconItem &item = m_items[index.row()];
    item.imageWidth = result.width;
    item.imageHeight = result.height;
    if (result.rotation > 0)
        item.rotation = result.rotation;
    if (result.date.isValid())
        item.shotTime = result.date;
    // A row that holds its bytes already keeps them.
    if (m_role == ImageListRole::Selection && m_budget && item.fileData.isEmpty())
        item.fileData = m_budget->hold(result.data);
    item.preview = result.image;
    item.problem = result.problem;
    item.state = IconItem::State::Decoded;
    // The fresh preview is unturned: turn it to the row's rotation.
    const int angle = item.rotation;
    item.rotation = 0;
    if (angle > 0)
        rotateTo(index, angle);
    else
        drawIcon(item);
    Q_EMIT dataChanged(index, index);
}

void IconsModel::setThumbnails(const ThumbnailValues &thumbs)
{
    m_thumbs = thumbs;
    m_placeholderIcons.clear();
    for (IconItem &item : m_items)
        drawIcon(item);
    if (!m_items.isEmpty())
        Q_EMIT dataChanged(index(0), index(m_items.size() - 1));
}

PreviewRule IconsModel::previewRule() const
{
    PreviewRule rule;
    rule.widthLimit = m_budget ? m_budget->previewWidth() : 500;
    rule.fallbackAspect = QSize(m_thumbs.iconWidth - 2, m_thumbs.iconHeight - 12);
    rule.thumbnailCache = m_thumbnailCache;
    // The folder panel (the one that shares the desktop's thumbnails) shows
    // icons only: a camera's own small picture that fills the icon will do,
    // and its previews are the desktop's large thumbnails (256 pixels), or
    // as wide as the icons when they are wider. A selection list decodes
    // its own larger previews of the rows it takes from there.
    if (!m_thumbnailCache.isEmpty()) {
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        rule.embeddedPictureBox = QSize(qCeil(m_thumbs.iconWidth * ratio), qCeil((m_thumbs.iconHeight - 12) * ratio));
        rule.widthLimit = qBound(FolderPreviewWidth, rule.embeddedPictureBox.width(), rule.widthLimit);
    }
    return rule;
}

bool IconsModel::hasSmallPreview(const IconItem &item) const
{
    const int longest = qMax(item.preview.width(), item.preview.height());
    const int wanted = qMin(previewRule().widthLimit, qMax(item.imageWidth, item.imageHeight));
    return !item.preview.isNull() && longest < wanted * 9 / 10;
}

Qt::ItemFlags IconsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

Qt::DropActions IconsModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

void IconsModel::turnItem(IconItem &item, int quarterTurns)
{
    if (quarterTurns % 4 == 0)
        return;
    if (!item.preview.isNull())
        item.preview = item.preview.transformed(QTransform().rotate(90.0 * quarterTurns));
    if (quarterTurns % 2)
        std::swap(item.imageWidth, item.imageHeight);
}

void IconsModel::rotateIcon(QModelIndex index)
{
    if (!index.isValid() || index.row() >= m_items.size())
        return;
    IconItem &item = m_items[index.row()];
    item.rotation += 90;
    if (item.rotation >= 301)
        item.rotation = 0;
    if (item.isDecoded()) {
        turnItem(item, 1);
        drawIcon(item);
    }
    Q_EMIT dataChanged(index, index);
}

void IconsModel::rotateBack(QModelIndex index)
{
    if (!index.isValid() || index.row() >= m_items.size())
        return;
    IconItem &item = m_items[index.row()];
    item.rotation -= 90;
    if (item.rotation < 0)
        item.rotation = 270;
    if (item.isDecoded()) {
        turnItem(item, -1);
        drawIcon(item);
    }
    Q_EMIT dataChanged(index, index);
}

void IconsModel::rotateTo(const QModelIndex &index, int angle)
{
    if (!index.isValid() || index.row() >= m_items.size())
        return;
    IconItem &item = m_items[index.row()];
    int delta = angle - item.rotation;
    if (angle < item.rotation)
        delta += 360;
    const int q = delta / 90;
    if (q == 0)
        return;
    turnItem(item, q);
    item.rotation = angle;
    drawIcon(item);
    Q_EMIT dataChanged(index, index);
}

QModelIndex IconsModel::rotateFileTo(const QString &name, int angle)
{
    const int row = findExact(name);
    if (row < 0)
        return QModelIndex();
    const QModelIndex idx = index(row);
    rotateTo(idx, angle);
    return idx;
}

// Counts: `delta` by file name, added to the counts or, when `absolute`,
// replacing every count (names not in it get 0).
void IconsModel::changeCounts(const QHash<QString, int> &delta, bool absolute)
{
    for (int row = 0; row < m_items.size(); ++row) {
        IconItem &item = m_items[row];
        const int n = delta.value(item.fileName, 0);
        const int count = absolute ? n : item.useCount + n;
        if (count == item.useCount)
            continue;
        item.useCount = count;
        // Placeholder thumbnails are drawn on demand and so show the new
        // count at once; decoded ones are drawn again here.
        if (item.isDecoded())
            drawIcon(item);
        else
            m_placeholderIcons.remove(item.fileName);
        Q_EMIT dataChanged(index(row), index(row));
    }
}

static QHash<QString, int> tally(const QStringList &inc, const QStringList &dec = QStringList())
{
    QHash<QString, int> counts;
    for (const QString &name : inc)
        ++counts[name];
    for (const QString &name : dec)
        --counts[name];
    return counts;
}

void IconsModel::updateArrangeCount(QStringList sList) { changeCounts(tally(sList), true); }

void IconsModel::sortItems()
{
    beginResetModel();
    IconSort::sort(m_items, m_sortKey, m_sortReverse);
    endResetModel();
}

int IconsModel::indexOfFileName(const QString &name) const
{
    if (name.isEmpty())
        return -1;
    for (int row = 0; row < m_items.size(); ++row)
        if (m_items[row].fileName.compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int IconsModel::findExact(const QString &name) const
{
    for (int row = 0; row < m_items.size(); ++row)
        if (m_items[row].fileName == name)
            return row;
    return -1;
}

void IconsModel::addItem(const IconItem &item)
{
    if (findExact(item.fileName) >= 0)
        return;
    watch(item.fileName);
    const int row = m_items.size();
    beginInsertRows(QModelIndex(), row, row);
    m_items.append(item);
    endInsertRows();
    m_itemCount = m_items.size();
}
