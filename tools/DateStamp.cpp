#include "tools/DateStamp.h"

#include "tools/ScopeBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct PositionEntry
{
    const char *text;
    const char *picture;
};

const PositionEntry positionEntries[8] = {
    {QT_TRANSLATE_NOOP("QObject", "Top Left Corner"), "TopLeftH.png"},
    {QT_TRANSLATE_NOOP("QObject", "Top Right Corner"), "TopRightH.png"},
    {QT_TRANSLATE_NOOP("QObject", "Bottom Left Corner"), "BottomLeftH.png"},
    {QT_TRANSLATE_NOOP("QObject", "Bottom Right Corner"), "BottomRightH.png"},
    {QT_TRANSLATE_NOOP("QObject", "Top Left Vertical"), "TopLeftV.png"},
    {QT_TRANSLATE_NOOP("QObject", "Top Right Vertical"), "TopRightV.png"},
    {QT_TRANSLATE_NOOP("QObject", "Bottom Left Vertical"), "BottomLeftV.png"},
    {QT_TRANSLATE_NOOP("QObject", "Bottom Right Vertical"), "BottomRightV.png"},
};

// A "..." button no wider than its text needs.
QPushButton *moreButton(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3);
    return button;
}

} // namespace

DateStamp::DateStamp(const StampDefaults &values, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DateStamp"));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/DateStamp.png")));
    setWindowTitle(QObject::tr("Stamp"));
    m_font.fromString(values.font);
    m_color = values.color.isValid() ? values.color : QColor(Qt::black);

    auto *heading = new QLabel(QStringLiteral("<h2>") + QObject::tr("Stamp Settings") + QStringLiteral("</h2>"), this);
    m_fileNameBox = new QCheckBox(QObject::tr("Print The File Name"), this);
    m_fileNameBox->setChecked(values.printFileName);
    m_dateBox = new QCheckBox(QObject::tr("Print Date Stamp"), this);
    m_dateBox->setChecked(values.printDateStamp);
    m_sample = new QLineEdit(this);
    m_sample->setReadOnly(true);
    m_fontLabel = new QLabel(QObject::tr("Font"), this);
    m_fontButton = moreButton(this);
    m_colorLabel = new QLabel(QObject::tr("Color"), this);
    m_colorButton = moreButton(this);
    auto *look = new QHBoxLayout;
    look->addWidget(m_fontLabel);
    look->addWidget(m_fontButton);
    look->addSpacing(12);
    look->addWidget(m_colorLabel);
    look->addWidget(m_colorButton);
    look->addStretch();

    m_scopes = new ScopeBox(values.allPageDateStamp, this);

    auto *where = new QGroupBox(QObject::tr("Stamp Location:"), this);
    auto *grid = new QGridLayout(where);
    m_positions = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto *radio = new QRadioButton(QObject::tr(positionEntries[i].text), where);
        radio->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(positionEntries[i].picture)));
        radio->setIconSize(QSize(32, 32));
        m_positions->addButton(radio, i);
        grid->addWidget(radio, i / 2, i % 2);
    }
    if (QAbstractButton *b = m_positions->button(int(values.position)))
        b->setChecked(true);

    auto *picture = new QLabel(this);
    const QPixmap splash(QStringLiteral(":/images/splash.png"));
    const qreal ratio = devicePixelRatioF();
    QPixmap shown = splash.scaledToWidth(qRound(200 * ratio), Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    picture->setPixmap(shown);
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QObject::tr("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QObject::tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *left = new QVBoxLayout;
    left->addWidget(m_fileNameBox);
    left->addWidget(m_dateBox);
    left->addWidget(m_sample);
    left->addLayout(look);
    left->addWidget(m_scopes);
    left->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(picture);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addWidget(where);
    layout->addWidget(buttons);

    connect(m_dateBox, &QCheckBox::toggled, this, &DateStamp::changeDateStamp);
    connect(m_fileNameBox, &QCheckBox::toggled, this, &DateStamp::changeFileNameStamp);
    connect(m_fontButton, &QPushButton::clicked, this, &DateStamp::changeFont);
    connect(m_colorButton, &QPushButton::clicked, this, &DateStamp::changeColor);
    showSample();
    updateEnabling();
}

QString DateStamp::fontDescription(const QFont &font)
{
    QString text = font.family() + QLatin1Char(' ') + QString::number(font.pointSize()) + QLatin1Char('/')
                   + QString::number(font.weight());
    if (font.style() != QFont::StyleNormal)
        text += QLatin1Char(' ') + QObject::tr("Italic");
    return text;
}

void DateStamp::showSample()
{
    m_sample->setText(fontDescription(m_font));
    QFont shown = m_font;
    // The sample shows the face, at the dialog's own size.
    shown.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() * 1.2 : 12);
    m_sample->setFont(shown);
    m_sample->setStyleSheet(QStringLiteral("QLineEdit {color: ") + m_color.name() + QStringLiteral("}"));
}

void DateStamp::updateEnabling()
{
    const bool on = m_dateBox->isChecked() || m_fileNameBox->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_sample), static_cast<QWidget *>(m_fontButton),
                       static_cast<QWidget *>(m_colorButton), static_cast<QWidget *>(m_fontLabel),
                       static_cast<QWidget *>(m_colorLabel)})
        w->setEnabled(on);
}

void DateStamp::changeDateStamp(bool) { updateEnabling(); }
void DateStamp::changeFileNameStamp(bool) { updateEnabling(); }

void DateStamp::changeColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this);
    if (!chosen.isValid())
        return;
    m_color = chosen;
    showSample();
}

void DateStamp::changeFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, m_font, this);
    if (!ok)
        return;
    m_font = chosen;
    showSample();
}

StampDefaults DateStamp::values() const
{
    StampDefaults v;
    v.printFileName = m_fileNameBox->isChecked();
    v.printDateStamp = m_dateBox->isChecked();
    v.font = m_font.toString();
    v.color = m_color;
    v.position = StampPosition(qBound(0, m_positions->checkedId(), 7));
    v.allPageDateStamp = m_scopes->scope();
    return v;
}

QButtonGroup *DateStamp::scopes() const { return m_scopes->group(); }
