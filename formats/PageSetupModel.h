#pragma once

#include "formats/PageSetup.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QStringList>

// The editing rules of the page setup, without widgets: what the "Page
// Settings" controls show and how each edit changes the record. Lengths pass
// through the same two-decimal rounding and ranges as the spin boxes that
// show them, so the record always holds what the user sees. The paper name
// and unit suffix it shows follow every edit.
class PageSetupModel : public QObject
{
    Q_OBJECT
public:
    enum Margin { Top, Bottom, Left, Right };
    static constexpr double SizeMax = 1000.0;
    static constexpr double MarginMax = 99.99;

    explicit PageSetupModel(const PageSetup &data, QObject *parent = nullptr);

    const PageSetup &data() const { return m_data; }
    // The paper list: the user entry, then the 22 named papers with the
    // unit suffix.
    const QStringList &paperLabels() const { return m_labels; }
    QString suffix() const { return m_suffix; }
    QString paperName() const { return m_paperName; }
    // What a margin box shows: 0 while borderless.
    double shownMargin(Margin m) const;
    double storedMargin(Margin m) const;
    // True while the model moves the size itself (a catalogue paper being
    // loaded); typed sizes then do not switch to the user-defined paper.
    bool isUpdating() const { return m_updating; }

    void setUnit(int unit);
    void setOrientation(int orientation);
    void selectPaper(int index);
    void setWidth(double value);
    void setHeight(double value);
    void setBorderless(bool on);
    void setMargin(Margin m, double value);
    // Labels, suffix and paper name again in the current language.
    void retranslate();


    // The small picture of the paper (green) and its printable area (black).
    // Null when a side is 0.
    static QImage previewImage(const PageSetup &d, const QColor &fill);

    // A length as a spin box with two decimals and the range 0..max keeps it.
    static double boxValue(double value, double max);

Q_SIGNALS:
    void changedMeasureUnits(int unit);
    void changedData(PageSetup data);
    // The paper list was rebuilt (unit or language changed).
    void labelsChanged();
    // Something shown changed; the view re-reads every value.
    void changed();

private:
    class Batch;
    friend class Batch;

    void rebuildLabels();
    void loadPaper(int index);
    void applyOrientation(double a, double b);
    void changeOrientation(int orientation);
    void sizeTyped();
    void userPaperName();
    double &marginRef(Margin m);

    PageSetup m_data;
    QStringList m_labels;
    QString m_suffix;
    QString m_paperName;
    bool m_updating = false;
    bool m_labelsDirty = false;
    int m_depth = 0;
};
