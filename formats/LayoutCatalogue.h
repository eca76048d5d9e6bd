#pragma once

#include "formats/Page.h"
#include "formats/PageSetup.h"
#include "formats/PhotoSizeSelect.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The layouts offered for one paper: three fixed divisions of the printable
// area, grids of equal frames for each selected photo size, and the layouts
// the user saved as files for this paper. Each entry is a Page holding the
// paper size, the margins, the layout name as title and bare frame
// rectangles, all in hundredths of a millimetre.
class LayoutCatalogue
{
public:
    struct Source
    {
        PageSetup setup;
        QVector<PhotoSizeSelect> sizes; // millimetres, or inches for the inch unit
        bool placingClosely = false;
        QString paperName;
        QString unitSuffix;      // " mm", " in", " cm" (already translated)
        QString documentsFolder; // ends with "/"
        bool userLayouts = true; // read the layout files of the paper's folder
    };

    // Keeps the entries whose names `wanted` accepts (every entry when it is
    // not given), in the order they are offered. The three divisions of the
    // paper are always kept; a grid or a layout file that is not wanted
    // costs neither its frames nor reading the file.
    void build(const Source &source, const std::function<bool(const QString &name)> &wanted = {});

    // The paper of `setup` in hundredths of a millimetre: size and margins
    // (none on borderless paper), no title and no frames.
    static Page paperPage(const PageSetup &setup);

    const QVector<Page> &entries() const { return m_entries; }
    int unitScale() const { return m_unitScale; }
    // The paper size and margins every entry carries, with no frames.
    const Page &base() const { return m_base; }
    // False when the paper leaves no room to lay anything out (printable
    // area of zero or less, or a sheet under 1.5 mm); then nothing is offered.
    bool usable() const { return m_usable; }

    // Grids on a printable area W x H for frames a x b; no frames when the
    // size does not fit. The name is set as the entry's title.
    Page uprightGrid(int w, int h, int a, int b);
    Page acrossGrid(int w, int h, int a, int b);
    QString gridName(int frames, int a, int b) const;

    // The name of a layout read from a file: the file name, after a blank
    // when it starts with a single digit 1 to 9.
    static QString fileLayoutName(const QString &fileName);
    // How the layout called `name` is shown to people: a file's layout
    // without the file's ".vly", an across grid without the dot that keeps
    // its name apart from the upright grid's (" 1-150x200. mm" is shown as
    // " 1-150x200 mm"; the thumbnails tell the two apart).
    static QString displayName(const QString &name);
    // Reads a user layout for the paper named by `paperWord`; false when the
    // file is not one this paper can use. A layout for this paper whose
    // frames do not all lie on it is refused with `problem` saying why.
    bool readUserLayout(const QString &path, const QString &paperWord, Page &entry, QString *problem = nullptr) const;
    // Why `frame` (hundredths of a millimetre) cannot be printed on the
    // paper of `paper`: no area, or beyond the paper; empty when it can.
    static QString frameProblem(const QRect &frame, const Page &paper);
    // The user layouts of the last build() that were refused, one sentence
    // each naming the file and the frame.
    const QStringList &problems() const { return m_problems; }

    QSize thumbnailSize() const;
    QImage thumbnail(const Page &entry, const QColor &fill) const;

    // The row to start on: the first entry whose name matches `remembered`
    // except for its last two characters; 0 when none does.
    int currentRow(const QString &remembered) const;
    // Whether an entry called `name` is the one currentRow() looks for.
    static bool matchesRemembered(const QString &name, const QString &remembered);
    // The entry named exactly `name`, or -1.
    int indexOf(const QString &name) const;

private:
    QString sizeText(int length) const;
    void addIfFilled(const Page &grid);
    // The grids of a photo size a x b, upright and across, when wanted.
    void addGrids(int w, int h, int a, int b, const std::function<bool(const QString &)> &wanted);
    // The name of a grid of `frames` frames of a x b laid across: an
    // upright grid's name with a dot added when the two are the same.
    QString acrossName(int frames, int a, int b) const;

    Source m_source;
    Page m_base;
    QVector<Page> m_entries;
    QStringList m_problems;
    QString m_lastUprightName;
    int m_unitScale = 100;
    bool m_usable = false;
};
