#pragma once

#include "formats/ToolScope.h"

#include <QGroupBox>

class QButtonGroup;

// The "Apply:" group of the stamp and logo dialogs: the selected images, the
// selected pages or all pages (ids 0, 1, 2).
class ScopeBox : public QGroupBox
{
    Q_OBJECT
public:
    ScopeBox(ToolScope scope, QWidget *parent = nullptr);
    QButtonGroup *group() const { return m_group; }
    ToolScope scope() const;

private:
    QButtonGroup *m_group = nullptr;
};
