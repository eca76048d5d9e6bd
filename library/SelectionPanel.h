#pragma once

#include "library/IconItem.h"
#include "library/ImagePanel.h"

#include <QModelIndexList>
#include <QVector>

class QItemSelection;

// The selection panel: the images chosen for printing. The Arrange dock
// lays out what this panel's model holds; the project file saves it.
// Images arrive from the folder panel, from the file manager (drags and
// pastes of files) and from page frames. Removing an image here never
// touches its file.
class SelectionPanel : public ImagePanel
{
    Q_OBJECT
public:
    explicit SelectionPanel(QWidget *parent = nullptr);

    int imageCount() const;
    void retranslate() override;
    void readSettings(QSettings &s);
    void writeSettings(QSettings &s);
    // Empties the list (a new project).
    void clear();
    // The status text of a selection of `count` images.
    static QString countText(int count);

Q_SIGNALS:
    void currentImageText(QString text);
    void indexListRotate(QModelIndexList list);
    void modifiedChanged(bool modified);

public Q_SLOTS:
    void countImages(int count);
    void deleteIcons();
    void selectChanged(QItemSelection selected, QItemSelection deselected);
    void currentItem(QModelIndex current) override;
    // "Select for Printing" of the folder panel: appends the images not
    // listed yet and brings this panel to the front.
    void addFromFolder(QVector<IconItem> items);

protected:
    int viewerMode() const override;
    void viewerRotation(const QModelIndex &index, int angle, int shownAngle) override;
    bool viewerDelete(int row) override;
    void turnSelected(bool clockwise) override;
    const char *debugName() const override { return "Selected"; }

private:
    void setRowCommands(bool enabled);

    QAction *deleteAct, *rotateAct, *rotateBackAct;
    // Rows are being appended by a command that marks the project itself.
    bool m_adding = false;
};
