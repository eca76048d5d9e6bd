#pragma once

#include "arrange/FrameTools.h"
#include "formats/PhotoFrame.h"
#include "library/ImageSource.h"
#include "tools/CropModel.h"
#include "tools/CropView.h"

#include <QDialog>

class QAction;
class QGraphicsEllipseItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QPushButton;
class QToolBar;
class QUndoStack;

// The crop editor: the photograph of one frame (its rotation applied) with
// the crop rectangle over it, four corner handles and the rest shaded. The
// rectangle is moved and sized by mouse and keyboard at the frame's aspect
// ratio. It closes with Ok, Cancel, or a request to step to the next or
// previous filled frame; the same editor is then given that frame.
class CropImage : public QDialog
{
    Q_OBJECT
public:
    // The photograph is read through `source` (the document's).
    CropImage(const PhotoFrame &frame, const ImageSource &source, bool hasNext, bool hasPrevious, bool outside,
              QWidget *parent = nullptr);

    // Shows another frame of the same document in the open editor.
    void setFrame(const PhotoFrame &frame, bool hasNext, bool hasPrevious);

    // How the editor was closed, and the crop chosen (photograph pixels).
    CropStep step() const { return m_step; }
    QRectF cropRect() const { return m_model.rect(); }
    // The "Outside the Image" mode as left by the user.
    bool outsideMode() const { return m_model.outside(); }
    const CropModel &model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undoStack; }
    QToolBar *toolBar() const { return m_toolBar; }
    CropView *view() const { return m_view; }

    void retranslate();

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void normalSize();
    void fitToWindow();
    void rotate();
    void previous();
    void next();
    void acceptOk();
    void clickOutside(bool checked);
    void undo();
    void redo();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void buildScene();
    void redraw();
    void zoomChanged();
    // Runs a change of the rectangle as one undo step.
    template <typename Change> void change(Change &&f);
    // Notes the change from `before` to the present state as an undo step.
    void noteStep(const CropModel::State &before);
    // Puts `state` on screen: the rectangle and the "Outside the Image" button.
    void showState(const CropModel::State &state);
    void onDragged(CropView::Part part, QPointF delta);
    void onKey(int key, Qt::KeyboardModifiers modifiers);
    void onWheel(int delta);
    void closeWith(CropStep step);

    PhotoFrame m_frame;
    ImageSource m_source;
    CropModel m_model;
    CropStep m_step = CropStep::Ok;
    QUndoStack *m_undoStack = nullptr;
    CropModel::State m_dragStart;
    bool m_dragging = false;

    QToolBar *m_toolBar = nullptr;
    QGraphicsScene *m_scene = nullptr;
    CropView *m_view = nullptr;
    QGraphicsRectItem *m_rectItem = nullptr;
    QGraphicsRectItem *m_shades[4] = {};
    QGraphicsEllipseItem *m_handles[4] = {};

    QAction *m_zoomInAct = nullptr;
    QAction *m_zoomOutAct = nullptr;
    QAction *m_normalAct = nullptr;
    QAction *m_fitAct = nullptr;
    QAction *m_rotateAct = nullptr;
    QAction *m_previousAct = nullptr;
    QAction *m_nextAct = nullptr;
    QAction *m_okAct = nullptr;
    QAction *m_cancelAct = nullptr;
    QPushButton *m_outsideButton = nullptr;
};
