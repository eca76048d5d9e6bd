#include "formats/EditLayout.h"

#include "formats/GraphicsPage.h"
#include "formats/LayoutDraft.h"
#include "formats/LayoutFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

const QString Extension = QStringLiteral(".vly");

} // namespace

EditLayout::EditLayout(const Context &context, QWidget *parent)
    : QDialog(parent),
      m_context(context),
      m_draft(new LayoutDraft(context.page, this)),
      m_stack(new QUndoStack(this)),
      m_page(new GraphicsPage(m_draft, m_stack, context.paperFill, this)),
      m_paperLabel(new QLabel(this)),
      m_nameLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("GraphicsPage"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // Where the window cannot be maximized it still takes most of the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 4 / 5);
    setWindowState(Qt::WindowMaximized);
    setWindowIcon(QIcon(QStringLiteral(":/images/EditLayout.png")));

    QString title = context.page.title;
    if (title.contains(Extension, Qt::CaseInsensitive)) {
        if (title.startsWith(QLatin1Char(' ')))
            title.remove(0, 1);
        m_filePath = folder() + title;
        m_layoutName = title.left(title.size() - Extension.size());
    } else {
        m_layoutName = title.trimmed();
    }
    if (m_layoutName.isEmpty())
        m_layoutName = QObject::tr("New layout");
    // Frames that had to be fitted into the printable area make the layout
    // differ from its file until it is saved again.
    if (m_draft->fittedAtStart())
        m_stack->resetClean();

    buildControls();
    retranslate();
    connect(m_page, &GraphicsPage::currentChanged, this, &EditLayout::showCurrent);
    connect(m_stack, &QUndoStack::cleanChanged, this, &EditLayout::updateTitle);
    connect(m_stack, &QUndoStack::indexChanged, this, &EditLayout::updateTitle);
    connect(m_stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    showCurrent();
    updateTitle();
    m_page->setFocus();
}

EditLayout::~EditLayout()
{
    // The undo stack reports its clearing after this dialog's members are gone.
    m_stack->disconnect(this);
}

QAction *EditLayout::makeAction(const QString &icon, const QString &text)
{
    auto *action = new QAction(QIcon(icon), text, this);
    action->setPriority(QAction::LowPriority);
    return action;
}

QDoubleSpinBox *EditLayout::makeBox()
{
    auto *box = new QDoubleSpinBox(this);
    const Page &paper = m_draft->paper();
    box->setRange(0, double(qMax(paper.width, paper.height)) / m_context.unitScale);
    box->setDecimals(2);
    box->setSuffix(m_context.unitSuffix);
    box->setKeyboardTracking(false);
    return box;
}

void EditLayout::buildControls()
{
    m_open = makeAction(QStringLiteral(":/images/open.png"), QString());
    m_save = makeAction(QStringLiteral(":/images/save.png"), QString());
    m_saveAs = makeAction(QStringLiteral(":/images/SaveAs.png"), QString());
    m_rotate = makeAction(QStringLiteral(":/images/Rotate.png"), QString());
    m_add = makeAction(QStringLiteral(":/images/AddFrame.png"), QString());
    m_remove = makeAction(QStringLiteral(":/images/RemoveFrame.png"), QString());
    m_undo = makeAction(QStringLiteral(":/images/EditUndo.png"), QString());
    m_redo = makeAction(QStringLiteral(":/images/EditRedo.png"), QString());
    m_open->setShortcut(QKeySequence::Open);
    m_save->setShortcut(QKeySequence::Save);
    m_saveAs->setShortcut(QKeySequence::SaveAs);
    m_undo->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_Z));
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z)};
    for (const QKeySequence &k : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!redoKeys.contains(k))
            redoKeys.append(k);
    m_redo->setShortcuts(redoKeys);
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_open, &QAction::triggered, this, &EditLayout::openL);
    connect(m_save, &QAction::triggered, this, &EditLayout::save);
    connect(m_saveAs, &QAction::triggered, this, &EditLayout::saveAs);
    connect(m_rotate, &QAction::triggered, this, &EditLayout::rotate);
    connect(m_add, &QAction::triggered, this, &EditLayout::add);
    connect(m_remove, &QAction::triggered, this, &EditLayout::remove);
    connect(m_undo, &QAction::triggered, this, &EditLayout::undo);
    connect(m_redo, &QAction::triggered, this, &EditLayout::redo);

    auto *right = new QVBoxLayout;
    right->setContentsMargins(3, 3, 3, 3);
    const QList<QList<QAction *>> bars{{m_save, m_saveAs}, {m_open, m_rotate}, {m_add, m_remove}, {m_undo, m_redo}};
    for (int i = 0; i < bars.size(); ++i) {
        auto *bar = new QToolBar(this);
        bar->setObjectName(QStringLiteral("ToolBar%1").arg(i));
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(90, 30));
        bar->setMovable(false);
        bar->addActions(bars.at(i));
        right->addWidget(bar, 0, Qt::AlignHCenter);
        m_bars.append(bar);
    }
    right->addStretch();
    m_left = makeBox();
    m_top = makeBox();
    m_width = makeBox();
    m_height = makeBox();
    m_width->setMinimumWidth(150);
    m_height->setMinimumWidth(150);
    QDoubleSpinBox *boxes[4] = {m_left, m_top, m_width, m_height};
    for (int i = 0; i < 4; ++i) {
        m_boxLabels[i] = new QLabel(this);
        m_boxLabels[i]->setAlignment(Qt::AlignCenter);
        m_boxLabels[i]->setBuddy(boxes[i]);
        right->addWidget(m_boxLabels[i]);
        right->addWidget(boxes[i]);
    }
    right->addStretch();
    const std::pair<QDoubleSpinBox *, GraphicsPage::Field> fields[] = {{m_left, GraphicsPage::Field::Left},
                                                                       {m_top, GraphicsPage::Field::Top},
                                                                       {m_width, GraphicsPage::Field::Width},
                                                                       {m_height, GraphicsPage::Field::Height}};
    for (const auto &box : fields)
        connect(box.first, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, field = box.second](double value) { typed(field, value); });

    auto *heading = new QHBoxLayout;
    m_paperLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setAlignment(Qt::AlignCenter);
    heading->setContentsMargins(6, 0, 6, 0);
    heading->setSpacing(24);
    heading->addStretch();
    heading->addWidget(m_paperLabel);
    heading->addWidget(m_nameLabel);
    heading->addStretch();
    auto *left = new QVBoxLayout;
    left->addLayout(heading);
    left->addWidget(m_page, 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

void EditLayout::retranslate()
{
    m_open->setText(QObject::tr("&Open..."));
    m_save->setText(QObject::tr("Save"));
    m_saveAs->setText(QObject::tr("Save &As..."));
    m_rotate->setText(QObject::tr("Rotate"));
    m_rotate->setToolTip(QObject::tr("Rotate Frame") + QStringLiteral(" [Alt+\u2191]"));
    m_add->setText(QObject::tr("Add Frame"));
    m_add->setToolTip(QObject::tr("Add Frame") + QStringLiteral(" [Insert]"));
    m_remove->setText(QObject::tr("Delete"));
    m_remove->setToolTip(QObject::tr("Delete Frame") + QStringLiteral(" [Delete]"));
    m_undo->setText(QObject::tr("Undo"));
    m_undo->setToolTip(QObject::tr("Undo") + QStringLiteral(" [Ctrl+Z]"));
    m_redo->setText(QObject::tr("Redo"));
    m_redo->setToolTip(QObject::tr("Redo") + QStringLiteral(" [Ctrl+Shift+Z]"));
    m_boxLabels[0]->setText(QObject::tr("Left:", "position of a frame"));
    m_boxLabels[1]->setText(QObject::tr("Top:", "position of a frame"));
    m_boxLabels[2]->setText(QObject::tr("Width:"));
    m_boxLabels[3]->setText(QObject::tr("Height:"));
    m_paperLabel->setText(QStringLiteral("<h2>") + QObject::tr("Paper Size") + QStringLiteral(": ")
                          + m_context.paperName.toHtmlEscaped() + QStringLiteral("</h2>"));
    // A tool bar too narrow for its buttons would hide one behind its menu.
    for (QToolBar *bar : qAsConst(m_bars))
        bar->setMinimumWidth(bar->sizeHint().width());
}

bool EditLayout::isModified() const { return !m_stack->isClean(); }

void EditLayout::updateTitle()
{
    const bool modified = isModified();
    setWindowTitle((m_filePath.isEmpty() ? m_layoutName : QDir::toNativeSeparators(m_filePath))
                   + QStringLiteral("[*]"));
    setWindowModified(modified);
    // The title bar turns its "[*]" into the modified mark; the heading
    // shows the same mark.
    m_nameLabel->setText(QStringLiteral("<h2>") + m_layoutName.toHtmlEscaped()
                         + (modified ? QStringLiteral(" *") : QString()) + QStringLiteral("</h2>"));
}

void EditLayout::showCurrent()
{
    const QList<int> selected = m_page->selectedIds();
    const bool any = !selected.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(m_left), static_cast<QWidget *>(m_top),
                       static_cast<QWidget *>(m_width), static_cast<QWidget *>(m_height)})
        w->setEnabled(any);
    m_rotate->setEnabled(any);
    m_remove->setEnabled(any);
    m_add->setEnabled(m_draft->rules().usable());
    const int current = m_page->currentId();
    const QRectF shown = any && m_draft->contains(current) ? m_draft->rect(current) : QRectF();
    m_updating = true;
    const double scale = m_context.unitScale;
    m_left->setValue(shown.x() / scale);
    m_top->setValue(shown.y() / scale);
    m_width->setValue(shown.width() / scale);
    m_height->setValue(shown.height() / scale);
    m_updating = false;
}

void EditLayout::typed(GraphicsPage::Field field, double value)
{
    if (!m_updating)
        m_page->typeValue(field, value * m_context.unitScale);
}

void EditLayout::rotate() { m_page->rotateSelected(); }

void EditLayout::add() { m_page->addFrame(); }

void EditLayout::remove() { m_page->removeSelected(); }

void EditLayout::undo() { m_page->undo(); }

void EditLayout::redo() { m_page->redo(); }

QString EditLayout::folder() const
{
    return LayoutFile::folderFor(m_context.documentsFolder, m_context.paperName);
}

void EditLayout::warn(const QString &text)
{
    QMessageBox::warning(this, QCoreApplication::applicationName(), text);
}

bool EditLayout::save()
{
    return m_filePath.isEmpty() ? saveAs() : saveTo(m_filePath);
}

bool EditLayout::saveAs()
{
    if (m_draft->isEmpty())
        return saveTo(QString());
    const QString dir = folder();
    QDir().mkpath(dir);
    const QString proposed = m_filePath.isEmpty() ? dir + m_layoutName : m_filePath;
    const QString name = QFileDialog::getSaveFileName(this, QObject::tr("Save As"), proposed, QStringLiteral("*.vly"));
    if (name.isEmpty())
        return false;
    return saveTo(withExtension(name));
}

QString EditLayout::withExtension(const QString &chosen)
{
    return chosen.endsWith(Extension, Qt::CaseInsensitive) ? chosen : chosen + Extension;
}

bool EditLayout::saveTo(const QString &fileName)
{
    if (m_draft->isEmpty()) {
        warn(QObject::tr("The layout has no frames, so it cannot be saved. Add at least one frame first."));
        return false;
    }
    const Page &paper = m_draft->paper();
    const Outcome written =
        LayoutFile::write(fileName, m_context.paperName, paper.width, paper.height, m_draft->rects());
    if (!written) {
        warn(written.writeMessage(fileName));
        return false;
    }
    m_stack->setClean();
    m_filePath = fileName;
    m_savedPath = fileName;
    m_layoutName = QFileInfo(fileName).baseName();
    updateTitle();
    return true;
}

void EditLayout::openL()
{
    const QString name = QFileDialog::getOpenFileName(this, QObject::tr("Open an existing project"),
                                                      m_context.documentsFolder, QStringLiteral("*.vly"));
    load(name);
}

bool EditLayout::load(const QString &fileName)
{
    if (fileName.isEmpty() || !fileName.contains(Extension, Qt::CaseInsensitive))
        return false;
    LayoutFile file;
    Outcome read = LayoutFile::read(fileName, file);
    const Page &paper = m_draft->paper();
    if (read && !file.suits(m_context.paperName, paper.width, paper.height))
        read = Outcome::failure(QT_TRANSLATE_NOOP("QObject", "The layout was drawn for another paper."),
                                QObject::tr("The layout was drawn for another paper (%1)").arg(file.paperName));
    if (!read) {
        warn(read.readMessage(fileName));
        return false;
    }
    if (!maybeSave())
        return false;
    QVector<QRectF> frames;
    for (const QRect &r : file.frames)
        frames.append(QRectF(r));
    m_stack->clear();
    if (m_draft->replaceAll(frames))
        m_stack->resetClean();
    m_filePath = fileName;
    m_layoutName = QFileInfo(fileName).baseName();
    updateTitle();
    showCurrent();
    return true;
}

bool EditLayout::maybeSave()
{
    if (!isModified())
        return true;
    const QString name = m_filePath.isEmpty() ? m_layoutName : QDir::toNativeSeparators(m_filePath);
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, QCoreApplication::applicationName(),
        QObject::tr("Project %1 has been modified. Do you want to save your changes?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void EditLayout::reject()
{
    if (maybeSave())
        QDialog::reject();
}
