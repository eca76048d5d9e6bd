#include "app/LowResolutionQuestion.h"

#include "arrange/PrintResolution.h"
#include "platform/Program.h"

#include <QMessageBox>
#include <QPushButton>

QString LowResolutionQuestion::pageList(const QList<int> &indexes)
{
    constexpr int Shown = 20;
    QStringList numbers;
    for (int i = 0; i < indexes.size() && i < Shown; ++i)
        numbers << QString::number(indexes.at(i) + 1);
    QString list = numbers.join(QStringLiteral(", "));
    if (indexes.size() > Shown)
        list += QStringLiteral(", …");
    return list;
}

bool LowResolutionQuestion::confirm(QWidget *parent, const QVector<Page> &pages, const QList<int> &indexes,
                                    Output output)
{
    const QList<int> low = PrintResolution::lowPages(pages, indexes);
    if (low.isEmpty())
        return true;
    const bool print = output == Output::Print;
    QMessageBox box(QMessageBox::Warning, Program::name(),
                    QObject::tr("Some photographs will print below %1 ppi and may look soft or blocky. "
                                "Pages: %2.")
                        .arg(int(PrintResolution::LowPpi))
                        .arg(pageList(low)),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("LowResolutionQuestion"));
    box.setInformativeText(print ? QObject::tr("Print them anyway?") : QObject::tr("Export them anyway?"));
    QPushButton *anyway =
        box.addButton(print ? QObject::tr("Print Anyway") : QObject::tr("Export Anyway"), QMessageBox::AcceptRole);
    anyway->setObjectName(QStringLiteral("anyway"));
    QPushButton *cancel = box.addButton(QObject::tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(anyway);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == anyway;
}
