#pragma once

#include "arrange/Page.h"
#include "formats/DataDock.h"
#include "formats/PhotoSizeSelect.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QVector>

// Application-wide values. There is exactly one AppState (appState()); it is
// filled from the settings store at start (Settings::read*) and written back
// when the main window closes (Settings::write*). Dialogs read it when they
// open and change it when they are accepted.

struct ShellValues
{
    QString currentFile;  // full path of the project; empty while untitled
    QString projectPath;  // folder offered by the project dialogs
    QString fotoPath;     // folder shown in the Available dock
    QString language;     // "en", "ru"; empty until chosen
    bool darkTheme = false;
    QColor previewFillColor = Qt::white;
};

struct ThumbnailValues
{
    int iconWidth = 100;
    int iconHeight = 90;
    bool iconKeep = true;
};

struct PageValues
{
    DataDock pageSetup;
    QString paperName;
    QString unitSuffix;
    bool printFrame = true;
    int printJobMax = 5;
    QString printerName;
    QVector<PhotoSizeSelect> sizesMM;
    QVector<PhotoSizeSelect> sizesIN;
};

struct LayoutValues
{
    int unitScale = 100; // hundredths of a millimetre per unit of pageSetup
    QString pageFormatName;
    bool placingClosely = false;
    bool autoCropEnabled = true;
    bool addImagesMode = true; // true "Add Images", false "Add Pages"
    int addPageCount = 1;
    QString documentsFolder; // ends with "/Velmora/"
};

struct OptionValues
{
    QString editorPath;
    bool showAtStartup = true;
    int dialogWidth = 0;
    int dialogHeight = 0;
};

struct ExportValues
{
    int jpegQuality = 80;
    int exportMode = 0; // 0 all, 1 current, 2 selected, 3 range
    int exportFrom = 1;
    int exportTo = 1;
    QString exportName; // base path of the exported files; kept within a run, not stored
};

struct StampDefaults
{
    bool printFileName = false;
    bool printDateStamp = false;
    int allPageDateStamp = 1; // 0 selected images, 1 selected pages, 2 all pages
    QString font = QStringLiteral("Courier,10,-1,5,75,0,0,0,0,0");
    QColor color; // invalid until chosen
    int position = 0;
};

struct LogoDefaults
{
    bool printLogo = false;
    int horizontal = 0;
    int vertical = 0;
    float size = 5.0f;
    float posX = 0.0f;
    float posY = 0.0f;
    QString fileName;
};

// Where a file embedded in the open project lies in that file.
struct EmbeddedFile
{
    qint64 position = 0;
    qint64 size = 0;
    QByteArray bytes; // the file's bytes when kept in memory, else empty
};

struct AppState
{
    ShellValues shell;
    ThumbnailValues thumbs;
    PageValues page;
    LayoutValues layout;
    OptionValues options;
    ExportValues exports;
    StampDefaults stamp;
    LogoDefaults logo;
    bool outsideCrop = true;

    // The current layout: every new page starts as a copy of it. Its title
    // holds only the layout name; its frames hold no photograph.
    Page templatePage;

    // Bytes of image files held in memory by frames and the selection list.
    qint64 cachedBytes = 0;
    static constexpr qint64 CacheBudget = 50000000;

    // Files carried by the open project: file path -> place in the project.
    QHash<QString, EmbeddedFile> embeddedFiles;

    // Shown for an image whose thumbnail is not decoded yet.
    QImage placeholder;
};

AppState &appState();
