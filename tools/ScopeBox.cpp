#include "tools/ScopeBox.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

ScopeBox::ScopeBox(int scope, QWidget *parent) : QGroupBox(QObject::tr("Apply:"), parent)
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
    if (QAbstractButton *b = m_group->button(qBound(0, scope, 2)))
        b->setChecked(true);
}

int ScopeBox::scope() const { return qMax(0, m_group->checkedId()); }
