#include "app/StyleSheets.h"

#include <QColor>
#include <QPalette>

namespace {

const char *grad = "qlineargradient(x1:0, y1:0, x2:0, y2:1, ";

QString gradient(const QString &stops) { return QLatin1String(grad) + stops + QLatin1Char(')'); }

// A sheet that sets one text colour for every widget must set the disabled
// one too, or a disabled command looks exactly like an enabled one. Last in
// a sheet, so that it wins over the states set before it.
QString disabledText(const char *color)
{
    return QStringLiteral("QWidget:disabled {color: %1; }QMenu::item:disabled {color: %1; }")
        .arg(QLatin1String(color));
}

QString darkCommon(bool system)
{
    QString s;
    s += system ? QStringLiteral("QWidget {color: #e0e0e0; background-color: #202020; }")
                : QStringLiteral("QWidget {color: #e0e0e0; }");
    s += QStringLiteral("QPushButton {background-color: #505050; }");
    s += QStringLiteral("QPushButton:focus {background: %1; color: #F0F0F0; }")
             .arg(gradient(QStringLiteral("stop: 0 #202020, stop: 0.5 #808080, stop: 1 #202020")));
    s += QStringLiteral("QPushButton:disabled {color: #909090; }");
    s += QStringLiteral("QGroupBox {background: %1; border: 1px solid gray; border-radius: 5px; margin-top: 2ex; }")
             .arg(gradient(QStringLiteral("stop: 0 #606060, stop: 1 #000000")));
    s += QStringLiteral("QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top center; padding: 0 3px; background: %1; }")
             .arg(gradient(QStringLiteral("stop: 0 #FFAEAE, stop: 1 #000000")));
    s += QStringLiteral("QToolTip  {color: #C8FFFF; background-color:#464646; font-size:12pt; padding: 3px; border: 1px solid #C8FFFF;}");
    s += QStringLiteral("QLineEdit, QSpinBox, QDoubleSpinBox, QTextEdit {background-color: #606060; }");
    s += system ? QStringLiteral("QListView, QGraphicsView, QTreeView {background-color: #202020; }")
                : QStringLiteral("QListView, QGraphicsView, QTreeView, QScrollArea {background-color: #202020; }");
    s += QStringLiteral("QToolBar {border: 1px solid gray; }");
    s += QStringLiteral("QTabBar::tab {background-color: #000000; color: #C0C0C0; border: 1px solid #707070; }");
    s += QStringLiteral("QTabBar::tab:selected {background: %1; color: #F0F0F0; }")
             .arg(gradient(QStringLiteral("stop: 0 #404040, stop: 0.5 #101010, stop: 1 #404040")));
    if (system) {
        s += QStringLiteral("QMenuBar {background: %1; spacing: 3px; }")
                 .arg(gradient(QStringLiteral("stop: 0 darkgray, stop: 1 black")));
        s += QStringLiteral("QMenuBar::item {background: transparent; }");
        s += QStringLiteral("QMenuBar::item:selected {background: #6F6E73; }");
        s += QStringLiteral("QMenu {background-color: #373737; border: 1px solid black; }");
        s += QStringLiteral("QMenu::item:selected {background: #6F6E73; }");
        s += QStringLiteral("QAbstractButton {background: transparent; }");
        s += QStringLiteral("QRadioButton {background-color: #202020; }");
        s += QStringLiteral("QLabel {background: transparent; }");
        s += QStringLiteral("QSpinBox:disabled {color: #A0A0A0; border: 1px solid #404040; }");
    }
    s += disabledText("#808080");
    return s;
}

} // namespace

namespace StyleSheets {

QString light()
{
    return QStringLiteral(
        "QWidget   {color: #101010; }QGroupBox {background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 #FFFFFF); border: 1px solid gray; border-radius: 5px; margin-top: 2ex; }QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top center; padding: 0 3px; background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFAEAE, stop: 1 #FFFFFF); }QToolTip  {color: #C8FFFF; background-color:#464646; font-size:12pt; padding: 3px; border: 1px solid #C8FFFF;}")
           + disabledText("#9A9A9A");
}

QString darkSystem() { return darkCommon(true); }
QString darkPalette() { return darkCommon(false); }

bool paletteIsDark(const QPalette &p)
{
    const int text = p.brush(QPalette::Current, QPalette::WindowText).color().black();
    const int window = p.brush(QPalette::Current, QPalette::Window).color().black();
    return text < window;
}

QColor previewFill(bool dark) { return dark ? QColor(160, 160, 160) : QColor(Qt::white); }

} // namespace StyleSheets
