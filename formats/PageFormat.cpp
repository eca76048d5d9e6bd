#include "formats/PageFormat.h"

#include "formats/ChooserTab.h"
#include "formats/EditLayout.h"
#include "formats/FormatSettings.h"
#include "formats/LayoutView.h"
#include "formats/PaperCatalogue.h"
#include "formats/SizedDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

PageFormat::PageFormat(FormatSettings *values, const PageSetup &data, ChooserMode mode, QWidget *parent)
    : QWidget(parent),
      m_data(data),
      m_mode(mode),
      m_model(new QStandardItemModel(this)),
      titleLabel(new QLabel(this)),
      paperLabel(new QLabel(this)),
      infoLabel(new QLabel(this)),
      m_view(new LayoutView(this)),
      closelyBox(new QCheckBox(this)),
      autoCropBox(new QCheckBox(this)),
      editButton(new QPushButton(this)),
      m_values(values)
{
    const FormatSettings &st = *m_values;
    setWindowIcon(QIcon(QStringLiteral(":/images/new.png")));
    m_sizes = data.unit == PageSetup::Inch ? st.page.sizesIN : st.page.sizesMM;
    m_currentName = st.layout.pageFormatName;
    m_view->setModel(m_model);

    titleLabel->setMargin(3);
    paperLabel->setAlignment(Qt::AlignCenter);
    infoLabel->setAlignment(Qt::AlignCenter);
    infoLabel->setWordWrap(true);

    auto *checks = new QVBoxLayout;
    checks->addWidget(closelyBox, 0, Qt::AlignHCenter);
    closelyBox->setChecked(st.layout.placingClosely);
    if (mode == ChooserMode::Choose) {
        addImagesBox = new QCheckBox(this);
        addImagesBox->setChecked(st.layout.addImagesMode);
        m_addImages = st.layout.addImagesMode;
        checks->addWidget(addImagesBox, 0, Qt::AlignHCenter);
    }
    checks->addWidget(autoCropBox, 0, Qt::AlignHCenter);
    autoCropBox->setChecked(st.layout.autoCropEnabled);

    auto *right = new QVBoxLayout;
    editButton->setIcon(QIcon(QStringLiteral(":/images/EditLayout.png")));
    right->addWidget(editButton);
    if (mode == ChooserMode::Choose || mode == ChooserMode::AddPages) {
        addLabel = new QLabel(this);
        addLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pagesBox = new QSpinBox(this);
        pagesBox->setRange(0, 99);
        pagesBox->setValue(st.layout.addPageCount);
        pagesLabel = new QLabel(this);
        auto *pagesRow = new QHBoxLayout;
        pagesRow->addWidget(addLabel, 1);
        pagesRow->addWidget(pagesBox);
        pagesRow->addWidget(pagesLabel);
        right->addLayout(pagesRow);
    }

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(checks);
    bottom->addStretch();
    bottom->addLayout(right);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(paperLabel);
    layout->addWidget(infoLabel);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);

    connect(closelyBox, &QCheckBox::toggled, this, &PageFormat::changePlacingClosely);
    if (addImagesBox)
        connect(addImagesBox, &QCheckBox::toggled, this, &PageFormat::changeAddImages);
    if (pagesBox)
        connect(pagesBox, qOverload<int>(&QSpinBox::valueChanged), this, &PageFormat::changeNPages);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &PageFormat::updatePageCount);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &PageFormat::editListItem);
    connect(editButton, &QPushButton::clicked, this, &PageFormat::editLayout);

    retranslate();
    rebuild();
}

bool PageFormat::hasLayouts() const { return m_model->rowCount() > 0; }

QString PageFormat::currentText() const
{
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() ? index.data(NameRole).toString() : QString();
}

void PageFormat::updatePaperLine()
{
    paperLabel->setText(QStringLiteral("<h2>") + QObject::tr("Paper Size") + QStringLiteral(": ")
                        + m_values->page.paperName + QStringLiteral("</h2>"));
    QString info;
    if (!m_catalogue.usable())
        info = QObject::tr("The printable area of this paper is too small: no layout can be offered.");
    else if (m_mode == ChooserMode::AddPages)
        info = QObject::tr("When you add a page, the paper size cannot be changed.");
    else if (m_mode == ChooserMode::ChangeSelected)
        info = QObject::tr("In this mode, the paper size cannot be changed.");
    else
        info = QObject::tr("The paper size can be changed on the tab \"%1\".").arg(QObject::tr("Page Settings"));
    // Layout files refused for frames off the paper are named here.
    for (const QString &problem : m_catalogue.problems())
        info += QLatin1Char('\n') + problem;
    infoLabel->setText(info);
}

void PageFormat::rebuild()
{
    m_changed = false;
    FormatSettings &st = *m_values;
    st.page.unitSuffix = PaperCatalogue::unitSuffix(m_data.unit);
    LayoutCatalogue::Source source;
    source.setup = m_data;
    source.sizes = m_sizes;
    source.placingClosely = st.layout.placingClosely;
    source.paperName = st.page.paperName;
    source.unitSuffix = st.page.unitSuffix;
    source.documentsFolder = st.layout.documentsFolder;
    m_catalogue.build(source);
    st.layout.unitScale = m_catalogue.unitScale();

    m_model->clear();
    for (const Page &entry : m_catalogue.entries()) {
        auto *item = new QStandardItem(LayoutCatalogue::displayName(entry.title));
        item->setData(entry.title, NameRole);
        item->setToolTip(item->text());
        item->setIcon(QIcon(QPixmap::fromImage(m_catalogue.thumbnail(entry, st.thumbs.fillColor))));
        m_model->appendRow(item);
    }
    const QSize thumb = m_catalogue.thumbnailSize();
    if (thumb.isValid()) {
        m_view->setIconSize(thumb);
        m_view->setGridSize(thumb + QSize(30, 30));
    }
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(m_catalogue.currentRow(m_currentName), 0));
    updatePaperLine();
}

void PageFormat::changeData(PageSetup data)
{
    m_data = data;
    m_values->adoptPageSetup(data);
    m_changed = true;
}

void PageFormat::changeFormat(int index)
{
    if (ChooserTab(index) == ChooserTab::PhotoSizes)
        m_changed = true;
    if (ChooserTab(index) == ChooserTab::Layouts && m_changed) {
        m_currentName = currentText();
        // The photo sizes as edited on their tab (stored into the dialog's
        // values when the tab was left).
        m_sizes = m_data.unit == PageSetup::Inch ? m_values->page.sizesIN : m_values->page.sizesMM;
        rebuild();
    }
}

void PageFormat::changeNPages(int) { updatePageCount(); }

void PageFormat::setImageCount(int count)
{
    m_imageCount = count;
    updatePageCount();
}

// The pages that accepting will make: the count typed for empty pages, or,
// with "Add Images", the pages the images fill on the current layout (the
// count box, which then does not count, is hidden).
void PageFormat::updatePageCount()
{
    if (!pagesLabel)
        return;
    const bool images = m_addImages;
    pagesBox->setEnabled(!images);
    int pages = pagesBox->value();
    if (images && m_imageCount > 0) {
        const int entry = m_catalogue.indexOf(currentText());
        const int frames = entry >= 0 ? m_catalogue.entries().at(entry).frames.size() : 0;
        pages = frames > 0 ? (m_imageCount + frames - 1) / frames : 0;
    }
    pagesBox->setVisible(!images || m_imageCount <= 0);
    pagesLabel->setText(QObject::tr("%n Page(s)", "Plural or singular", pages));
}

void PageFormat::changeAddImages(bool checked)
{
    m_addImages = checked;
    updatePageCount();
}

void PageFormat::changePlacingClosely(bool checked)
{
    m_values->layout.placingClosely = checked;
    m_currentName = currentText();
    rebuild();
}

void PageFormat::editListItem(QModelIndex index)
{
    if (!index.isValid())
        return;
    m_currentName = index.data(NameRole).toString();
    const int entry = m_catalogue.indexOf(m_currentName);
    openEditor(entry >= 0 ? m_catalogue.entries().at(entry) : m_catalogue.base());
}

void PageFormat::editLayout()
{
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        editListItem(selected.first());
        return;
    }
    Page blank = m_catalogue.base();
    blank.title = QStringLiteral(" ");
    openEditor(blank);
}

void PageFormat::openEditor(const Page &layout)
{
    const FormatSettings &st = *m_values;
    EditLayout::Context context;
    context.page = layout;
    context.paperName = st.page.paperName;
    context.unitSuffix = st.page.unitSuffix;
    context.unitScale = m_catalogue.unitScale();
    context.documentsFolder = st.layout.documentsFolder;
    context.paperFill = st.thumbs.fillColor;

    QWidget *dialog = window();
    if (SizedDialog *d = qobject_cast<SizedDialog *>(dialog)) {
        d->clearStayOpen();
        d->hide();
    }
    EditLayout editor(context, dialog);
    editor.exec();
    const QString saved = editor.savedPath();
    if (!saved.isEmpty())
        m_currentName = LayoutCatalogue::fileLayoutName(saved);
    rebuild();
    const int row = m_catalogue.indexOf(m_currentName);
    if (row >= 0)
        m_view->setCurrentIndex(m_model->index(row, 0));
}

void PageFormat::store()
{
    FormatSettings &st = *m_values;
    st.layout.pageFormatName = currentText();
    const int entry = m_catalogue.indexOf(st.layout.pageFormatName);
    m_chosen = entry >= 0 ? m_catalogue.entries().at(entry) : Page();
    if (pagesBox)
        st.layout.addPageCount = pagesBox->value();
    if (addImagesBox)
        st.layout.addImagesMode = addImagesBox->isChecked();
    st.layout.autoCropEnabled = autoCropBox->isChecked();
    st.layout.placingClosely = closelyBox->isChecked();
}

void PageFormat::retranslate()
{
    titleLabel->setText(QStringLiteral("<b>")
                        + QObject::tr("Select image size for printing and how they will be arranged on the page.")
                        + QStringLiteral("</b>"));
    closelyBox->setText(QObject::tr("Placing photos closely"));
    if (addImagesBox)
        addImagesBox->setText(QObject::tr("Add Images"));
    autoCropBox->setText(QObject::tr("Auto Crop"));
    editButton->setText(QObject::tr("Editor of placements"));
    if (addLabel)
        addLabel->setText(QObject::tr("Add:"));
    updatePageCount();
    updatePaperLine();
}
