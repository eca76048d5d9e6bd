#pragma once

// PLACEHOLDER until the page list and canvas land. It keeps the slots and
// signals the main window wires and the few queries it makes.

#include <QDockWidget>
#include <QVariantMap>
#include <QModelIndexList>
#include <QStringList>

class QDataStream;
class QLabel;
class QSettings;
struct DataDock;

class Arrange : public QDockWidget
{
    Q_OBJECT
public:
    explicit Arrange(QWidget *parent = nullptr);

    int pageCount() const;
    // Printable width and height of the current layout, in hundredths of a
    // millimetre (zero while there is no layout).
    void layoutPrintableArea(int &width, int &height) const;
    // Opens the layout choice; false when the user cancelled.
    bool chooseLayout();
    // Opens the layout choice on `setup`; when accepted every page is laid
    // out again and `setup` holds the accepted page setup.
    bool changePaper(DataDock &setup);
    void clearAll();
    void retranslate();
    void readSettings(QSettings &s, bool noGeometry);
    void writeSettings(QSettings &s);
    void setPasteEnabled(bool enabled);
    void setChooseEnabled(bool enabled);

Q_SIGNALS:
    void updateArrange(QStringList names);
    void addImagesArrange(QStringList incList, QStringList decList);
    void removeArrange(QString name);
    void removeFrames(QStringList names);
    void stringCountArrange(QString text);
    void setModif(bool modified);

public Q_SLOTS:
    void indexListRotate(QModelIndexList list);
    void indexRotate(QModelIndex index);
    void testListArrange();
    void backDrop(int *frame);

private:
    QLabel *m_label;
    QVariantMap m_keptSettings; // carried through unchanged
};
