#pragma once

#include "arrange/Document.h"

#include <QObject>

class QAction;
class QUndoStack;

// The undo history of a document's pages: every edit of the pages is one
// step that keeps the pages before and after it (they share their data, so
// a step costs little), and undoing or redoing puts one of them back. A new
// or opened project starts a history of its own. The clean state is the one
// last saved.
class DocumentHistory : public QObject
{
    Q_OBJECT
public:
    explicit DocumentHistory(Document &document, QObject *parent = nullptr);

    QUndoStack *stack() const { return m_stack; }
    // "Undo Crop" (Ctrl+Z) and "Redo Crop" (Ctrl+Shift+Z), enabled when
    // there is a step to undo or redo.
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // The pages as they are now are the ones saved.
    void setClean();
    bool isClean() const;
    // Sets the texts of the two actions in the current language.
    void retranslate();

Q_SIGNALS:
    // The pages are (true) or are no longer (false) the ones saved.
    void cleanChanged(bool clean);

private:
    void push(const QString &what, const QVector<Page> &before, const QVector<Page> &after);
    void amend(const Document::PagesChange &change);

    Document &m_doc;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
};
