#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The size of one thumbnail cell (picture plus a 12-pixel caption band) as
// the "General" options edit it, with the keep-aspect rule: the aspect
// a = width / (height - 12) is taken when keeping is switched on, and a new
// width or height then sets the other side from it.
class IconSizeRule
{
public:
    static constexpr int Minimum = 32;
    static constexpr int Maximum = 500;
    static constexpr int Caption = 12;

    IconSizeRule(int width, int height, bool keep);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool keep() const { return m_keep; }
    double aspect() const { return m_aspect; }

    void setKeep(bool keep);
    // Both return false when the value was already the current one.
    bool setWidth(int width);
    bool setHeight(int height);

    // The sample cell: `sample` squeezed into a 4:3 area centred above the
    // band, outlined in black, and `caption` centred in the band.
    static QImage preview(int width, int height, const QColor &fill, const QImage &sample,
                          const QString &caption, const QFont &font);

private:
    void takeAspect();
    int heightFor(int width) const;
    int widthFor(int height) const;

    int m_width;
    int m_height;
    bool m_keep;
    double m_aspect = 1.0;
};
