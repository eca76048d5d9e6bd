#pragma once

#include "arrange/FrameTools.h"

#include <QObject>
#include <QPointer>

class CropImage;

// The frame commands' dialogs as the page dock uses them. The crop editor's
// "outside" mode is a preference of the application: handed in when made,
// reported by outsideCropChanged() when the user changes it.
class FrameToolDialogs : public QObject, public FrameTools
{
    Q_OBJECT
public:
    explicit FrameToolDialogs(bool outsideCrop, QObject *parent = nullptr);
    ~FrameToolDialogs() override;

    CropAnswer editCrop(const PhotoFrame &frame, const ImageSource &source, bool hasNext, bool hasPrevious,
                        QWidget *parent) override;
    void endCrop() override;
    bool editStamp(const StampDefaults &shown, StampDefaults &result, QWidget *parent) override;
    bool editLogo(const LogoDefaults &shown, const ImageSource &source, LogoDefaults &result, ToolScope &scope,
                  QWidget *parent) override;

    bool outsideCrop() const { return m_outsideCrop; }
    // For the next crop editor opened (an open one keeps its mode).
    void setOutsideCrop(bool outside) { m_outsideCrop = outside; }
    // The open crop editor, while a series runs (for tests).
    CropImage *cropEditor() const;

Q_SIGNALS:
    // Emitted when a dialog is shown, before it runs (tests drive it).
    void dialogOpened(QWidget *dialog);
    void outsideCropChanged(bool outside);

private:
    bool m_outsideCrop;
    QPointer<CropImage> m_crop;
};
