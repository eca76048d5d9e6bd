#pragma once

#include <QDialog>
#include <QImage>

class ExternalEditor;

class QAction;
class QFileSystemWatcher;
class QToolBar;
class WellScrollArea;
class ZoomedImage;

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
    // The decoded image, unturned: at most the screen's size until a zoom
    // asks for more detail; null when the file cannot be shown.
    const QImage &image() const { return m_image; }
    // The file's size in pixels as its header tells it, unturned.
    QSize fullSize() const { return m_fullSize; }
    ZoomedImage *picture() const { return m_picture; }
    // Images of more pixels are not shown (a message says why).
    static constexpr qint64 MaxPixels = 100000000;
    // The most pixels decoded for a zoom beyond the screen's size.
    static constexpr qint64 MaxDetailPixels = 40000000;
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
    // Decodes the bytes at no more than `limit` (keeping the shape) or, with
    // an empty limit, the screen's size.
    void decode(QSize limit);
    // The decoded image from the file's colours to the screen's.
    void toScreen();
    // Decodes more detail when the zoom shows more pixels than are decoded.
    void decodeForZoom();
    void scaleImage(double factor);
    void updateZoomActions();

    QString m_fileName;
    QByteArray m_bytes;
    QImage m_image;
    QSize m_fullSize;
    int m_rotation;
    int m_resultCode;
    int m_mode;
    double m_scaleFactor = 1.0;
    bool m_fitted = false; // fitted to the window on its first showing
    ZoomedImage *m_picture;
    WellScrollArea *m_scrollArea;
    QToolBar *m_toolBar;
    QFileSystemWatcher *m_watcher;
    QAction *zoomInAct, *zoomOutAct, *normalSizeAct, *fitAct, *rotateAct, *rotateBackAct;
    QAction *nextAct, *previousAct, *editAct, *deleteAct, *okAct, *cancelAct;
};
