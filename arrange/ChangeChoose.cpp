#include "arrange/ChangeChoose.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ChangeChoose::ChangeChoose(int previousAnswer, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      questionLabel(new QLabel(this)),
      applyGroup(new QGroupBox(this)),
      selectedRadio(new QRadioButton(applyGroup)),
      allRadio(new QRadioButton(applyGroup)),
      okButton(new QPushButton(this)),
      cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("ChangeChoose"));
    setWindowIcon(QIcon(QStringLiteral(":/images/Choose.png")));
    questionLabel->setTextFormat(Qt::RichText);

    auto *groupLayout = new QVBoxLayout(applyGroup);
    groupLayout->addWidget(selectedRadio);
    groupLayout->addWidget(allRadio);
    if (previousAnswer == 1)
        allRadio->setChecked(true);
    else
        selectedRadio->setChecked(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    okButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(questionLabel);
    layout->addWidget(applyGroup);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

int ChangeChoose::answer() const { return selectedRadio->isChecked() ? 0 : 1; }

void ChangeChoose::retranslate()
{
    setWindowTitle(QObject::tr("Arrange Images in the Layout"));
    questionLabel->setText(QStringLiteral("<br><b>") + QObject::tr("Change current image arrangement in the layout?")
                           + QStringLiteral("</b><br>"));
    applyGroup->setTitle(QObject::tr("Apply:"));
    selectedRadio->setText(QObject::tr("For the Selected Pages"));
    allRadio->setText(QObject::tr("For All Pages"));
    okButton->setText(QObject::tr("Ok"));
    cancelButton->setText(QObject::tr("Cancel"));
}
