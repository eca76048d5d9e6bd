#pragma once

#include "formats/LogoDefaults.h"
#include "formats/ToolScope.h"
#include "library/ImageSource.h"
#include "tools/LogoPlacement.h"

#include <QDialog>
#include <QPixmap>

class PixmapLogo;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QGraphicsScene;
class QLineEdit;
class QPushButton;
class ScopeBox;
class ViewLogo;

// The logo dialog: a picture file printed over the photographs at a size and
// place chosen with numbers or by dragging it in a preview frame, and the
// frames it goes to.
class Logo : public QDialog
{
    Q_OBJECT
public:
    // The logo file is read through `source`: from disk, or from the copy
    // the open project carries.
    Logo(const LogoDefaults &values, ToolScope scope, const ImageSource &source, QWidget *parent = nullptr);

    LogoDefaults values() const;
    ToolScope scope() const;
    // The logo as decoded for the preview (null when the file gives none).
    QPixmap logoPixmap() const { return m_pixmap; }

    // Pieces for tests.
    QCheckBox *printBox() const { return m_printBox; }
    QLineEdit *fileEdit() const { return m_fileEdit; }
    QDoubleSpinBox *sizeBox() const { return m_sizeBox; }
    QDoubleSpinBox *xBox() const { return m_xBox; }
    QDoubleSpinBox *yBox() const { return m_yBox; }
    QButtonGroup *horizontalGroup() const { return m_horizontal; }
    QButtonGroup *verticalGroup() const { return m_vertical; }
    QButtonGroup *scopes() const;
    PixmapLogo *logoItem() const { return m_item; }
    ViewLogo *preview() const { return m_view; }

public Q_SLOTS:
    void changeLogoStamp(bool on);
    void changeSize(double size);
    void position(double);
    void position();
    void changeFile(const QString &name);
    void browse();
    void accept() override;

private:
    void loadLogo();
    void dragged();
    void stepSize(int step);
    void stepMove(double dx, double dy);
    QSizeF shownSize() const;

    ImageSource m_source;
    QPixmap m_pixmap;
    double m_scale = 0;
    bool m_placing = false;

    QCheckBox *m_printBox = nullptr;
    QLineEdit *m_fileEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    QDoubleSpinBox *m_sizeBox = nullptr;
    ScopeBox *m_scopes = nullptr;
    QButtonGroup *m_horizontal = nullptr;
    QButtonGroup *m_vertical = nullptr;
    QDoubleSpinBox *m_xBox = nullptr;
    QDoubleSpinBox *m_yBox = nullptr;
    QGraphicsScene *m_scene = nullptr;
    ViewLogo *m_view = nullptr;
    PixmapLogo *m_item = nullptr;
    QList<QWidget *> m_controls; // enabled while "Print logo" is checked
};
