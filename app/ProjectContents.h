#pragma once

#include "formats/Page.h"
#include "formats/PageSetup.h"
#include "library/IconItem.h"
#include "library/ImageSource.h"

#include <QHash>
#include <QString>
#include <QVector>

// Everything a project file holds, as plain values: what the reader fills
// before anything of the open project is touched, and what the writer is
// given. Rows and frames carry their file bytes where they are held in
// memory; the embedded-file table says where each file's copy lies in the
// project file.
struct ProjectContents
{
    enum class Format { Old, Current }; // "VMA 2.0" (no logos), "VMA 2.C"

    Format format = Format::Current;
    PageSetup pageSetup;
    QString pageFormatName;
    qint32 unitScale = 100;
    QString unitSuffix;
    QString paperName;
    QVector<IconItem> rows; // the selection list
    QVector<Page> pages;
    EmbeddedTable embedded;
    qint64 keptBytes = 0; // embedded bytes the reader kept in memory

    // Every page and row is empty.
    bool isEmpty() const { return rows.isEmpty() && pages.isEmpty(); }
};
