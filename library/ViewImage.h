#pragma once

#include <QDialog>
#include <QImage>

class ExternalEditor;

class QAction;
class QFileSystemWatcher;
class QLabel;
class QToolBar;
class WellScrollArea;

// The image viewer: one image large, maximised, with zoom, fit, quarter
// turns and stepping to the neighbouring images of the panel it was opened
// from. It never changes the panel itself: after an accepted close the panel
// reads rotation() and resultCode() and acts on them.
class ViewImage : public QDialog
{
    Q_OBJECT
public:
    // The editor the "Edit" command opens the image in (none: it does nothing).
    void setEditor(ExternalEditor *editor) { m_editor = editor; }

    // What the panel is to do after an accepted close.
    enum Result { Nothing = 0, ShowNext = 1, ShowPrevious = 2, DeleteImage = 3 };
    // Navigation flags: a next image exists, a previous image exists.
    enum Flag { HasNext = 1, HasPrevious = 2 };
    // Files of a folder (delete moves to the trash) or entries of the
    // selection (delete only removes the entry).
    enum Mode { SelectionEntries = 0, FolderFiles = 1 };

    ViewImage(const QString &fileName, const QByteArray &bytes, int rotation, int flags, int mode,
              QWidget *parent = nullptr);

    int rotation() const { return m_rotation; }
    int resultCode() const { return m_resultCode; }
    double scaleFactor() const { return m_scaleFactor; }
    QString fileName() const { return m_fileName; }
    const QImage &image() const { return m_image; }
    QLabel *imageLabel() const { return m_imageLabel; }
    WellScrollArea *scrollArea() const { return m_scrollArea; }
    void retranslate();

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void normalSize();
    void fitToWindow();
    void rotate();
    void rotateB();
    void next();
    void previous();
    void edit();
    void del();
    void fileUpdate(QString fileName);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ExternalEditor *m_editor = nullptr;
    QAction *makeAction(const char *icon, const char *name, void (ViewImage::*slot)());
    void showRotated();
    void scaleImage(double factor);
    void updateZoomActions();

    QString m_fileName;
    QImage m_image;
    int m_rotation;
    int m_resultCode;
    int m_mode;
    double m_scaleFactor = 1.0;
    bool m_fitted = false; // fitted to the window on its first showing
    QLabel *m_imageLabel;
    WellScrollArea *m_scrollArea;
    QToolBar *m_toolBar;
    QFileSystemWatcher *m_watcher;
    QAction *zoomInAct, *zoomOutAct, *normalSizeAct, *fitAct, *rotateAct, *rotateBackAct;
    QAction *nextAct, *previousAct, *editAct, *deleteAct, *okAct, *cancelAct;
};
