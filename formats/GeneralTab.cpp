#include "formats/GeneralTab.h"

#include "formats/FormatSettings.h"

#include <QCheckBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Programs have no telling extension outside Windows; there every file is
// offered and the executable bit decides.
QString programFilter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("(*.exe *.com *.cmd *.bat)");
#else
    return QStringLiteral("(*)");
#endif
}

} // namespace

GeneralTab::GeneralTab(FormatSettings *values, QWidget *parent)
    : QWidget(parent),
      m_size(values->thumbs.iconWidth, values->thumbs.iconHeight, values->thumbs.iconKeep),
      m_values(values)
{
    iconGroup = new QGroupBox(this);
    previewLabel = new QLabel(iconGroup);
    previewLabel->setAlignment(Qt::AlignCenter);
    previewLabel->setMinimumSize(IconSizeRule::Maximum / 2, IconSizeRule::Maximum / 2);
    widthLabel = new QLabel(iconGroup);
    heightLabel = new QLabel(iconGroup);
    const auto sizeBox = [this]() {
        auto *box = new QSpinBox(iconGroup);
        box->setRange(IconSizeRule::Minimum, IconSizeRule::Maximum);
        box->setFixedWidth(50);
        box->setKeyboardTracking(false);
        return box;
    };
    widthBox = sizeBox();
    heightBox = sizeBox();
    keepBox = new QCheckBox(iconGroup);
    keepBox->setMinimumWidth(150); // wider when the translated text needs it
    keepBox->setChecked(m_size.keep());

    auto *controls = new QVBoxLayout;
    controls->addStretch();
    controls->addWidget(widthLabel, 0, Qt::AlignLeft);
    controls->addWidget(widthBox, 0, Qt::AlignLeft);
    controls->addWidget(heightLabel, 0, Qt::AlignLeft);
    controls->addWidget(heightBox, 0, Qt::AlignLeft);
    controls->addSpacing(6);
    controls->addWidget(keepBox, 0, Qt::AlignLeft);
    controls->addStretch();
    auto *iconLayout = new QHBoxLayout(iconGroup);
    iconLayout->addWidget(previewLabel, 1);
    iconLayout->addLayout(controls);

    editorGroup = new QGroupBox(this);
    editorLabel = new QLabel(editorGroup);
    browseButton = new QPushButton(editorGroup);
    m_editorEdit = new QLineEdit(m_values->options.editorPath, editorGroup);
    m_editorEdit->setObjectName(QStringLiteral("editorPath"));
    auto *files = new QFileSystemModel(this);
    files->setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    files->setReadOnly(true);
    files->setRootPath(QString());
    auto *completer = new QCompleter(files, this);
    completer->setMaxVisibleItems(20);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_editorEdit->setCompleter(completer);
    auto *browseRow = new QHBoxLayout;
    browseRow->addWidget(editorLabel, 1);
    browseRow->addWidget(browseButton);
    auto *editorLayout = new QVBoxLayout(editorGroup);
    editorLayout->addLayout(browseRow);
    editorLayout->addWidget(m_editorEdit);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(iconGroup);
    layout->addStretch();
    layout->addWidget(editorGroup);
    layout->addStretch();
    creditBox = new QCheckBox(this);
    creditBox->setObjectName(QStringLiteral("printCredit"));
    creditBox->setChecked(m_values->page.printCredit);
    layout->addWidget(creditBox);
    layout->addStretch();

    retranslate();
    connect(browseButton, &QPushButton::clicked, this, &GeneralTab::browse);
    connect(keepBox, &QCheckBox::stateChanged, this, &GeneralTab::keepChanged);
    connect(widthBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &GeneralTab::widthChanged);
    connect(heightBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &GeneralTab::heightChanged);
    m_editorEdit->setFocus();
}

QString GeneralTab::editorPath() const
{
    return m_editorEdit->text();
}

void GeneralTab::retranslate()
{
    iconGroup->setTitle(QObject::tr("Size of Icons"));
    widthLabel->setText(QObject::tr("Width:"));
    heightLabel->setText(QObject::tr("Height:"));
    keepBox->setText(QObject::tr("Keep Aspect Ratio"));
    creditBox->setText(QObject::tr("Print the credit line on photographs"));
    editorGroup->setTitle(QObject::tr("The file path editor"));
    editorLabel->setText(QObject::tr("The choice of editing program."));
    browseButton->setText(QObject::tr("Browse..."));
    browseButton->setFixedSize(browseButton->sizeHint());
    showSize();
}

void GeneralTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void GeneralTab::showSize()
{
    {
        const QSignalBlocker b1(widthBox), b2(heightBox);
        widthBox->setValue(m_size.width());
        heightBox->setValue(m_size.height());
    }
    QFont font = this->font();
    font.setPixelSize(IconSizeRule::Caption - 2);
    const QImage cell = IconSizeRule::preview(m_size.width(), m_size.height(),
                                              m_values->thumbs.fillColor,
                                              QImage(QStringLiteral(":/images/pix.png")),
                                              QObject::tr("File Name"), font);
    previewLabel->setPixmap(QPixmap::fromImage(cell));
}

void GeneralTab::browse()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QObject::tr("The choice of editing program."),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../"), programFilter());
    if (!path.isEmpty())
        m_editorEdit->setText(path);
}

void GeneralTab::keepChanged(int state)
{
    m_size.setKeep(state > 0);
    showSize();
}

void GeneralTab::widthChanged(int width)
{
    if (m_size.setWidth(width))
        showSize();
}

void GeneralTab::heightChanged(int height)
{
    if (m_size.setHeight(height))
        showSize();
}

bool GeneralTab::store()
{
    FormatSettings &st = *m_values;
    st.options.editorPath = m_editorEdit->text();
    st.page.printCredit = creditBox->isChecked();
    st.thumbs.iconKeep = keepBox->isChecked();
    if (m_size.width() == st.thumbs.iconWidth && m_size.height() == st.thumbs.iconHeight)
        return false;
    st.thumbs.iconWidth = m_size.width();
    st.thumbs.iconHeight = m_size.height();
    return true;
}
