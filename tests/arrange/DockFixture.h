#pragma once

// Pages for the dock and canvas tests: an A4 portrait layout of four frames
// and real JPEG files laid out on it by the arrangement engine.

#include "arrange/Arrange.h"
#include "arrange/ArrangeEngine.h"
#include "library/IconItem.h"
#include "tests/TestPages.h"
#include "tests/TestPhoto.h"

#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

// A JPEG of w x h in `color` with a black stripe on top (to tell its turn).
inline QString writePhoto(const QTemporaryDir &dir, const QString &name, QColor color, int w = 400, int h = 300)
{
    const QString path = dir.filePath(name);
    writeTestJpeg(path, w, h, color, TopBand);
    return path;
}

// The canvas's widget of frame `index` of the current page.
inline FrameWidget *frameWidgetAt(Arrange &dock, int index)
{
    for (FrameWidget *w : dock.frameWidgets())
        if (w->frameIndex == index)
            return w;
    return nullptr;
}

// Lays `paths` out on `layout` (the four-frame layout when none is given),
// from a clean document.
inline void arrangeFiles(Arrange &dock, const QStringList &paths, const Page &layout = a4FourFrames())
{
    FormatSettings st = dock.preferences();
    st.layout.addImagesMode = true;
    st.layout.autoCropEnabled = true;
    dock.setPreferences(st, dock.stampDefaults(), dock.logoDefaults());
    QVector<IconItem> items;
    for (const QString &p : paths) {
        IconItem item;
        item.fileName = p;
        items << item;
    }
    dock.clearAll();
    dock.document().templatePage = layout;
    dock.engine()->arrangeAll(items);
}
