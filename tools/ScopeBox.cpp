#include "tools/ScopeBox.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

ScopeBox::ScopeBox(ToolScope scope, QWidget *parent) : QGroupBox(QObject::tr("Apply:"), parent)
{
    m_group = new QButtonGroup(this);
    auto *layout = new QVBoxLayout(this);
    const QString texts[] = {QObject::tr("For the Selected Images"), QObject::tr("For the Selected Pages"),
                             QObject::tr("For All Pages")};
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(texts[i], this);
        m_group->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (QAbstractButton *b = m_group->button(int(scope)))
        b->setChecked(true);
}

ToolScope ScopeBox::scope() const { return toolScopeFrom(m_group->checkedId()); }
