#include "tools/Logo.h"

#include "library/ImageFile.h"
#include "platform/Outcome.h"
#include "tools/PixmapLogo.h"
#include "tools/ScopeBox.h"
#include "tools/ViewLogo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox *percentBox(double minimum, double value, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(minimum, 100);
    box->setSuffix(QStringLiteral("%"));
    box->setValue(value);
    return box;
}

// A group of three anchor radios and a percentage box.
QGroupBox *anchorBox(const QString &title, const QString (&texts)[3], int checked, QButtonGroup *group,
                     const QString &label, QDoubleSpinBox *box, QWidget *parent)
{
    auto *groupBox = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(groupBox);
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(texts[i], groupBox);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (QAbstractButton *b = group->button(qBound(0, checked, 2)))
        b->setChecked(true);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(label, groupBox));
    row->addWidget(box);
    row->addStretch();
    layout->addLayout(row);
    return groupBox;
}

} // namespace

Logo::Logo(const LogoDefaults &values, ToolScope scope, const ImageSource &source, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_source(source)
{
    setObjectName(QStringLiteral("DateStamp"));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    setWindowTitle(QObject::tr("Logo"));

    m_printBox = new QCheckBox(QObject::tr("Print logo"), this);
    m_printBox->setChecked(values.printLogo);
    m_fileEdit = new QLineEdit(values.fileName, this);
    m_browseButton = new QPushButton(QStringLiteral("..."), this);
    m_browseButton->setMaximumWidth(m_browseButton->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3);
    m_sizeBox = percentBox(0, values.size, this);
    m_scopes = new ScopeBox(scope, this);
    m_horizontal = new QButtonGroup(this);
    m_vertical = new QButtonGroup(this);
    m_xBox = percentBox(-50, values.posX, this);
    m_yBox = percentBox(-50, values.posY, this);
    const QString across[3] = {QObject::tr("From the left edge"), QObject::tr("From the centre"),
                               QObject::tr("From the right edge")};
    const QString down[3] = {QObject::tr("From the top edge"), QObject::tr("From the centre"),
                             QObject::tr("From the bottom edge")};
    QGroupBox *hBox = anchorBox(QObject::tr("Horizontally:"), across, int(values.horizontal), m_horizontal,
                                QObject::tr("X:"), m_xBox, this);
    QGroupBox *vBox = anchorBox(QObject::tr("Vertically:"), down, int(values.vertical), m_vertical, QObject::tr("Y:"),
                                m_yBox, this);

    m_scene = new QGraphicsScene(-10, -10, 317, 230, this);
    m_scene->addRect(0, 0, LogoPlacement::FrameWidth, LogoPlacement::FrameHeight, QPen(Qt::darkGray),
                     QBrush(QColor(0xe8, 0xe8, 0xe8)));
    m_item = new PixmapLogo;
    m_scene->addItem(m_item);
    m_item->dragged = [this] { dragged(); };
    m_view = new ViewLogo(m_scene, this);
    m_view->setMinimumSize(340, 250);
    auto *placement = new QGroupBox(QObject::tr("Logo placement:"), this);
    auto *placementLayout = new QVBoxLayout(placement);
    placementLayout->addWidget(m_view);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QObject::tr("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QObject::tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Logo::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *fileRow = new QHBoxLayout;
    auto *fileLabel = new QLabel(QObject::tr("File") + QLatin1Char(':'), this);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_fileEdit, 1);
    fileRow->addWidget(m_browseButton);
    auto *sizeRow = new QHBoxLayout;
    auto *sizeLabel = new QLabel(QObject::tr("Size:"), this);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addStretch();
    auto *anchors = new QHBoxLayout;
    anchors->addWidget(hBox);
    anchors->addWidget(vBox);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_printBox);
    layout->addLayout(fileRow);
    layout->addLayout(sizeRow);
    layout->addWidget(m_scopes);
    layout->addLayout(anchors);
    layout->addWidget(placement, 1);
    layout->addWidget(buttons);
    setMinimumWidth(480);
    m_controls = {fileLabel, m_fileEdit, m_browseButton, sizeLabel, m_sizeBox, m_scopes, hBox, vBox, placement};

    connect(m_printBox, &QCheckBox::toggled, this, &Logo::changeLogoStamp);
    connect(m_fileEdit, &QLineEdit::textChanged, this, &Logo::changeFile);
    connect(m_browseButton, &QPushButton::clicked, this, &Logo::browse);
    connect(m_sizeBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &Logo::changeSize);
    connect(m_xBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, QOverload<double>::of(&Logo::position));
    connect(m_yBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, QOverload<double>::of(&Logo::position));
    connect(m_horizontal, &QButtonGroup::idClicked, this, [this] { position(); });
    connect(m_vertical, &QButtonGroup::idClicked, this, [this] { position(); });
    connect(m_view, &ViewLogo::sizeStep, this, &Logo::stepSize);
    connect(m_view, &ViewLogo::moveStep, this, &Logo::stepMove);
    changeLogoStamp(m_printBox->isChecked());
    loadLogo();
}

void Logo::changeLogoStamp(bool on)
{
    for (QWidget *w : qAsConst(m_controls))
        w->setEnabled(on);
}

void Logo::loadLogo()
{
    m_pixmap = decodePixmap(m_source.bytes(m_fileEdit->text()));
    m_item->setPixmap(m_pixmap);
    m_item->setOffset(0, 0);
    changeSize(m_sizeBox->value());
}

QSizeF Logo::shownSize() const { return QSizeF(m_pixmap.size()) * m_scale; }

void Logo::changeSize(double size)
{
    m_scale = LogoPlacement::scale(m_pixmap.size(), size);
    m_item->setScale(m_scale);
    position();
}

void Logo::position(double) { position(); }

void Logo::position()
{
    if (m_placing)
        return;
    m_placing = true;
    m_item->setPos(LogoPlacement::position(logoPlaceFrom(m_horizontal->checkedId()), m_xBox->value(),
                                           logoPlaceFrom(m_vertical->checkedId()), m_yBox->value(),
                                           shownSize()));
    m_placing = false;
}

void Logo::dragged()
{
    if (m_placing)
        return;
    m_placing = true;
    const LogoPlacement::Offset o = LogoPlacement::offsetAt(m_item->pos(), shownSize());
    m_horizontal->button(int(o.horizontal))->setChecked(true);
    m_vertical->button(int(o.vertical))->setChecked(true);
    m_xBox->setValue(o.x);
    m_yBox->setValue(o.y);
    m_placing = false;
}

void Logo::stepSize(int step)
{
    const double size = m_sizeBox->value();
    if ((step > 0 && size < 99) || (step < 0 && size > 2))
        m_sizeBox->setValue(size + step);
}

void Logo::stepMove(double dx, double dy)
{
    const QPointF at = m_item->pos();
    if ((dx < 0 && at.x() <= 1) || (dx > 0 && at.x() >= LogoPlacement::FrameWidth - 1) || (dy < 0 && at.y() <= 1)
        || (dy > 0 && at.y() >= LogoPlacement::FrameHeight - 1))
        return;
    m_placing = true;
    m_item->setPos(at + QPointF(dx, dy));
    m_placing = false;
    dragged();
}

void Logo::changeFile(const QString &name)
{
    if (!QFileInfo(name).isFile())
        return;
    if (m_sizeBox->value() < 1)
        m_sizeBox->setValue(10);
    loadLogo();
}

void Logo::browse()
{
    const QString current = m_fileEdit->text();
    QString folder = QFileInfo(current).absolutePath();
    if (current.isEmpty()) {
        const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
        folder = pictures.value(0);
    }
    const QString chosen = QFileDialog::getOpenFileName(this, QObject::tr("Select the logo file."), folder,
                                                        QStringLiteral("(*.png *.jpg)"));
    if (chosen.isEmpty())
        return;
    m_fileEdit->setText(chosen); // loads it through changeFile
}

void Logo::accept()
{
    if (m_printBox->isChecked() && m_pixmap.isNull()) {
        // A logo that cannot be read would print nothing without a word.
        const QString name = m_fileEdit->text();
        const QString reason = name.isEmpty() ? QObject::tr("No file is chosen")
                               : QFileInfo(name).isFile() ? QObject::tr("The file is not an image")
                                                          : QObject::tr("No such file");
        const Outcome unread = Outcome::failure(
            QT_TRANSLATE_NOOP("QObject", "The logo picture cannot be read; choose another file or turn the logo off."),
            reason);
        QMessageBox::warning(this, QStringLiteral("Velmora"), unread.readMessage(name));
        return;
    }
    QDialog::accept();
}

LogoDefaults Logo::values() const
{
    LogoDefaults v;
    v.printLogo = m_printBox->isChecked();
    v.fileName = m_fileEdit->text();
    v.size = float(m_sizeBox->value());
    v.posX = float(m_xBox->value());
    v.posY = float(m_yBox->value());
    v.horizontal = logoPlaceFrom(m_horizontal->checkedId());
    v.vertical = logoPlaceFrom(m_vertical->checkedId());
    return v;
}

ToolScope Logo::scope() const { return m_scopes->scope(); }

QButtonGroup *Logo::scopes() const { return m_scopes->group(); }
