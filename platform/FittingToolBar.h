#pragma once

#include <QHash>
#include <QToolBar>

// A tool bar that keeps every button in sight instead of hiding the last
// ones behind its extension menu: when its buttons do not fit in the width
// it has, it shows their texts under the icons instead of beside them, then
// icons only (the texts stay as tool tips), then smaller icons. It goes back
// to the preferred look once the width allows it again.
class FittingToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit FittingToolBar(Qt::ToolButtonStyle preferred, QWidget *parent = nullptr);

    Qt::ToolButtonStyle preferredStyle() const { return m_preferred; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void actionEvent(QActionEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Takes the first look, from the preferred one to small icons only,
    // whose buttons fit in the present width.
    void fit();
    void setLook(Qt::ToolButtonStyle style, bool smallIcons);
    // Forgets the widths measured when the texts or the font have changed.
    void remeasureLater();
    QString contentKey() const;

    Qt::ToolButtonStyle m_preferred;
    QHash<int, int> m_needed; // look (style, small icons) -> width that shows every button
    QSize m_iconSize;         // the icons' own size while they are not made smaller
    bool m_smallIcons = false;
    QString m_measuredKey;
    bool m_fitting = false;
    bool m_fitPending = false;
};
