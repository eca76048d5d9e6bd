#pragma once

#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"
#include "formats/ToolScope.h"
#include "library/ImageSource.h"

#include <QRectF>

class QWidget;
struct PhotoFrame;


// How the crop editor was closed.
enum class CropStep { Cancel, Ok, Next, Previous };

struct CropAnswer
{
    CropStep step = CropStep::Cancel;
    QRectF rect;          // the crop chosen, unless cancelled
};

// The dialogs of the frame commands of the page dock: the crop editor, the
// stamp and the logo. The application gives the dock one. The dock hands in
// the values a dialog opens with and keeps what it answers: the stamp and
// logo new frames take are the dock's preferences.
class FrameTools
{
public:
    virtual ~FrameTools() = default;

    // Shows the crop editor on `frame`, whose photograph is read through
    // `source`; during a series of frames the open editor is reused until
    // endCrop().
    virtual CropAnswer editCrop(const PhotoFrame &frame, const ImageSource &source, bool hasNext, bool hasPrevious,
                                QWidget *parent) = 0;
    virtual void endCrop() = 0;

    // The stamp dialog, opened showing `shown`. On acceptance `result` holds
    // the new stamp and its scope (allPageDateStamp).
    virtual bool editStamp(const StampDefaults &shown, StampDefaults &result, QWidget *parent) = 0;
    // The logo dialog, opened showing `shown` and `scope`; the logo file is
    // read through `source` (a project carries its copy).
    virtual bool editLogo(const LogoDefaults &shown, const ImageSource &source, LogoDefaults &result,
                          ToolScope &scope, QWidget *parent) = 0;
};
