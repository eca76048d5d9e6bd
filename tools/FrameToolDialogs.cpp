#include "tools/FrameToolDialogs.h"

#include "tools/CropImage.h"
#include "tools/DateStamp.h"
#include "tools/Logo.h"

FrameToolDialogs::FrameToolDialogs(bool outsideCrop, QObject *parent) : QObject(parent), m_outsideCrop(outsideCrop) {}

FrameToolDialogs::~FrameToolDialogs() { endCrop(); }

CropAnswer FrameToolDialogs::editCrop(const PhotoFrame &frame, const ImageSource &source, bool hasNext,
                                      bool hasPrevious, QWidget *parent)
{
    if (m_crop)
        m_crop->setFrame(frame, hasNext, hasPrevious);
    else
        m_crop = new CropImage(frame, source, hasNext, hasPrevious, m_outsideCrop, parent);
    emit dialogOpened(m_crop);
    const int code = m_crop->exec();
    CropAnswer answer;
    if (!m_crop)
        return answer;
    if (m_crop->outsideMode() != m_outsideCrop) {
        m_outsideCrop = m_crop->outsideMode();
        emit outsideCropChanged(m_outsideCrop);
    }
    if (code != QDialog::Accepted)
        return answer;
    answer.step = m_crop->step();
    answer.rect = m_crop->cropRect();
    return answer;
}

void FrameToolDialogs::endCrop() { delete m_crop; }

CropImage *FrameToolDialogs::cropEditor() const { return m_crop; }

bool FrameToolDialogs::editStamp(const StampDefaults &shown, StampDefaults &result, QWidget *parent)
{
    DateStamp dialog(shown, parent);
    emit dialogOpened(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    result = dialog.values();
    return true;
}

bool FrameToolDialogs::editLogo(const LogoDefaults &shown, const ImageSource &source, LogoDefaults &result,
                                ToolScope &scope, QWidget *parent)
{
    Logo dialog(shown, scope, source, parent);
    emit dialogOpened(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    result = dialog.values();
    scope = dialog.scope();
    return true;
}
