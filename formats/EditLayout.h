#pragma once

#include "formats/GraphicsPage.h"
#include "formats/Page.h"

#include <QColor>
#include <QDialog>
#include <QString>

class LayoutDraft;
class QAction;
class QDoubleSpinBox;
class QLabel;
class QToolBar;
class QUndoStack;

// The layout editor ("Editor of placements"): frames drawn freely on the
// paper with the mouse, the keyboard or numbers, with unlimited undo and
// redo, saved as a layout file in the paper's folder, where the layout
// chooser finds it.
class EditLayout : public QDialog
{
    Q_OBJECT
public:
    struct Context
    {
        Page page;        // the layout to edit (paper, margins, title, frames)
        QString paperName;
        QString unitSuffix; // " mm", " in", " cm"
        int unitScale = 100; // hundredths of a millimetre per unit
        QString documentsFolder; // ends with "/"
        QColor paperFill = Qt::white;
    };

    explicit EditLayout(const Context &context, QWidget *parent = nullptr);
    ~EditLayout() override;

    QString filePath() const { return m_filePath; }
    QString layoutName() const { return m_layoutName; }
    bool isModified() const;
    GraphicsPage *graphicsPage() const { return m_page; }
    LayoutDraft *draft() const { return m_draft; }
    QUndoStack *undoStack() const { return m_stack; }
    // The file saved last while the editor was open, or empty.
    QString savedPath() const { return m_savedPath; }

    // Writes the layout to `fileName`; a failure is shown and leaves the
    // layout modified. An empty layout is not written.
    bool saveTo(const QString &fileName);
    // The name chosen in the save dialog with ".vly" appended unless it
    // already ends so (in any letter case).
    static QString withExtension(const QString &chosen);
    // Reads a layout file of this paper in place of the current layout.
    bool load(const QString &fileName);

public Q_SLOTS:
    void openL();
    bool save();
    bool saveAs();
    void rotate();
    void add();
    void remove();
    void undo();
    void redo();

protected:
    void reject() override;

private:
    // A value typed in one of the four boxes of the selected frame.
    void typed(GraphicsPage::Field field, double value);
    QAction *makeAction(const QString &icon, const QString &text);
    QDoubleSpinBox *makeBox();
    void buildControls();
    void retranslate();
    void showCurrent();
    void updateTitle();
    // Asks whether to save a modified layout; false when the user cancels.
    bool maybeSave();
    QString folder() const;
    void warn(const QString &text);

    Context m_context;
    QString m_filePath;
    QString m_layoutName;
    QString m_savedPath;
    bool m_updating = false;

    LayoutDraft *m_draft;
    QUndoStack *m_stack;
    GraphicsPage *m_page;
    QLabel *m_paperLabel;
    QLabel *m_nameLabel;
    QAction *m_open;
    QAction *m_save;
    QAction *m_saveAs;
    QAction *m_rotate;
    QAction *m_add;
    QAction *m_remove;
    QAction *m_undo;
    QAction *m_redo;
    QList<QToolBar *> m_bars;
    QLabel *m_boxLabels[4];
    QDoubleSpinBox *m_left;
    QDoubleSpinBox *m_top;
    QDoubleSpinBox *m_width;
    QDoubleSpinBox *m_height;
};
