// The options dialog through its widgets: "Page Settings", "Photo Sizes",
// "General", the dialog size and stay-open loop, accepting and cancelling.
// Every dialog and tab works on preferences handed to it; the caller's own
// values change only through what it takes back.
#include "formats/FormatSettings.h"
#include "formats/PageSetupModel.h"
#include "formats/PathEdit.h"
#include "formats/PhotoSize.h"
#include "formats/Preferences.h"
#include "formats/TabOptions.h"
#include "formats/SizedDialog.h"
#include "formats/TabPageFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

template<typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

QPushButton *button(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    qFatal("no button %s", qPrintable(text));
    return nullptr;
}

QDoubleSpinBox *sizeBox(PhotoSize *p, int i)
{
    return p->findChildren<QDoubleSpinBox *>().at(i);
}

// Types into a spin box the way a user does: select all, type, Enter.
void typeInto(QAbstractSpinBox *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Answers the next message box with `answer`.
void answerNextBox(QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [answer]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box)
            box->button(answer)->click();
    });
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

    // The caller's preferences, handed to every dialog and tab.
    FormatSettings st;

private Q_SLOTS:
    void init();
    void pageSettingsUnitChange();
    void pageSettingsTypedWidth();
    void pageSettingsBorderless();
    void pageSettingsLandscape();
    void printOptionsActAtOnce();
    void photoSizesFollowPageUnit();
    void photoSizeAdd();
    void photoSizeDelete();
    void generalKeepAspect();
    void cancelChangesNothing();
    void cancelledDialogLeavesCallersValues();
    void acceptStoresEverything();
    void dialogSizeIsRemembered();
    void stayOpenShowsAgain();
    void addPagesChooserKeepsThePaper();
};

void TestOptionsDialog::init()
{
    st = FormatSettings();
    st.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
    st.page.sizesIN = PhotoSizeSelect::defaultInches();
    st.thumbs = ThumbnailValues();
    st.options = OptionValues();
}

void TestOptionsDialog::pageSettingsUnitChange()
{
    Preferences p(&st, PageSetup());
    QSignalSpy units(&p, &Preferences::changedMeasureUnits);
    QSignalSpy data(&p, &Preferences::changedData);
    child<QRadioButton>(&p, "inchRadio")->click();
    QCOMPARE(units.count(), 1);
    QCOMPARE(units.first().first().toInt(), 0);
    QCOMPARE(data.count(), 1);
    auto *width = child<QDoubleSpinBox>(&p, "widthBox");
    QCOMPARE(width->value(), 8.26);
    QCOMPARE(child<QDoubleSpinBox>(&p, "heightBox")->value(), 11.69);
    QCOMPARE(width->suffix(), QStringLiteral(" in"));
    QCOMPARE(child<QDoubleSpinBox>(&p, "leftBox")->value(), 0.2);
    QCOMPARE(child<QDoubleSpinBox>(&p, "leftBox")->suffix(), QStringLiteral(" in"));
    auto *combo = child<QComboBox>(&p, "paperCombo");
    QCOMPARE(combo->count(), 23);
    QCOMPARE(combo->currentIndex(), 7);
    QCOMPARE(combo->currentText(), QStringLiteral("A4 8.26x11.69 in"));
    QCOMPARE(p.data().unit, 0);
}

void TestOptionsDialog::pageSettingsTypedWidth()
{
    Preferences p(&st, PageSetup());
    typeInto(child<QDoubleSpinBox>(&p, "widthBox"), QStringLiteral("300"));
    QCOMPARE(child<QComboBox>(&p, "paperCombo")->currentIndex(), 0);
    QVERIFY(child<QRadioButton>(&p, "landscapeRadio")->isChecked());
    QCOMPARE(p.data().width, 300.0);
    QCOMPARE(p.data().height, 297.0);
    QCOMPARE(p.model()->paperName(), QStringLiteral("300x297 mm"));

    // Picking a paper again loads its size in the current orientation.
    child<QComboBox>(&p, "paperCombo")->setCurrentIndex(11);
    QCOMPARE(child<QDoubleSpinBox>(&p, "widthBox")->value(), 210.0);
    QCOMPARE(child<QDoubleSpinBox>(&p, "heightBox")->value(), 148.0);
    QCOMPARE(p.model()->paperName(), QStringLiteral("A5 148x210 mm"));
}

void TestOptionsDialog::pageSettingsBorderless()
{
    Preferences p(&st, PageSetup());
    auto *top = child<QDoubleSpinBox>(&p, "topBox");
    typeInto(top, QStringLiteral("8"));
    QCOMPARE(p.data().top, 8.0);
    child<QCheckBox>(&p, "borderlessBox")->click();
    QVERIFY(!top->isEnabled());
    QCOMPARE(top->value(), 0.0);
    QCOMPARE(p.data().top, 8.0);
    QVERIFY(p.data().borderless);
    child<QCheckBox>(&p, "borderlessBox")->click();
    QVERIFY(top->isEnabled());
    QCOMPARE(top->value(), 8.0);

    PageSetup stored;
    stored.borderless = true;
    Preferences opened(&st, stored);
    QVERIFY(!child<QDoubleSpinBox>(&opened, "leftBox")->isEnabled());
    QVERIFY(child<QCheckBox>(&opened, "borderlessBox")->isChecked());
}

void TestOptionsDialog::pageSettingsLandscape()
{
    Preferences p(&st, PageSetup());
    child<QRadioButton>(&p, "landscapeRadio")->click();
    QCOMPARE(child<QDoubleSpinBox>(&p, "widthBox")->value(), 297.0);
    QCOMPARE(child<QDoubleSpinBox>(&p, "heightBox")->value(), 210.0);
    QCOMPARE(child<QComboBox>(&p, "paperCombo")->currentIndex(), 7);
    QCOMPARE(p.model()->paperName(), QStringLiteral("A4 210x297 mm"));
    QVERIFY(!child<QLabel>(&p, "previewLabel")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(child<QLabel>(&p, "previewLabel")->pixmap(Qt::ReturnByValue).size(), QSize(150, 106));
}

// The print options go into the dialog's copy as soon as they are changed,
// so the caller can take them even from a cancelled dialog.
void TestOptionsDialog::printOptionsActAtOnce()
{
    TabOptions dialog(st);
    auto *jobs = child<QSpinBox>(&dialog, "jobBox");
    QCOMPARE(jobs->value(), 5);
    jobs->setValue(9);
    child<QCheckBox>(&dialog, "frameBox")->click();
    QCOMPARE(dialog.values().page.printJobMax, 9);
    QVERIFY(!dialog.values().page.printFrame);
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.values().page.printJobMax, 9);
    QVERIFY(!dialog.values().page.printFrame);
    // Nothing reached the caller's own values.
    QCOMPARE(st.page.printJobMax, 5);
    QVERIFY(st.page.printFrame);

    // The box keeps the range a print job can have.
    jobs->setValue(0);
    QCOMPARE(dialog.values().page.printJobMax, 1);
}

void TestOptionsDialog::photoSizesFollowPageUnit()
{
    TabOptions dialog(st);
    auto *list = dialog.photoSizes()->findChild<QListWidget *>();
    QCOMPARE(list->count(), 36);
    QCOMPARE(list->item(11)->text(), QStringLiteral("100x150 mm"));
    list->item(0)->setCheckState(Qt::Unchecked);
    child<QRadioButton>(&dialog, "cmRadio")->click();
    QCOMPARE(list->count(), 36);
    QCOMPARE(list->item(11)->text(), QStringLiteral("10x15 cm"));
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(sizeBox(dialog.photoSizes(), 0)->suffix(), QStringLiteral(" cm"));
    child<QRadioButton>(&dialog, "inchRadio")->click();
    QCOMPARE(list->count(), 25);
    QCOMPARE(list->item(7)->text(), QStringLiteral("4x6 in"));

    dialog.photoSizes()->store();
    QCOMPARE(dialog.values().page.sizesIN, PhotoSizeSelect::defaultInches());
}

void TestOptionsDialog::photoSizeAdd()
{
    PhotoSize p(&st, PageSetup::Millimetre);
    auto *list = p.findChild<QListWidget *>();
    QPushButton *add = button(&p, QStringLiteral("Add Size"));
    QVERIFY(!add->isEnabled());
    sizeBox(&p, 0)->setValue(160);
    QVERIFY(!add->isEnabled()); // the height is still 0
    sizeBox(&p, 1)->setValue(110);
    QVERIFY(add->isEnabled());
    add->click();
    QVERIFY(!add->isEnabled());
    QCOMPARE(list->count(), 37);
    QCOMPARE(list->item(12)->text(), QStringLiteral("110x160 mm"));
    QCOMPARE(list->item(12)->checkState(), Qt::Checked);
    QCOMPARE(list->item(11)->text(), QStringLiteral("100x150 mm"));
    QCOMPARE(list->item(13)->text(), QStringLiteral("120x180 mm"));

    // The same size again, either way round, adds nothing.
    sizeBox(&p, 0)->setValue(150);
    sizeBox(&p, 1)->setValue(100);
    add->click();
    QCOMPARE(list->count(), 37);

    // Selecting a row shows it and offers deleting.
    list->setCurrentRow(13);
    QCOMPARE(sizeBox(&p, 0)->value(), 120.0);
    QCOMPARE(sizeBox(&p, 1)->value(), 180.0);
    QVERIFY(!add->isEnabled());
    QVERIFY(button(&p, QStringLiteral("Delete"))->isEnabled());

    // Nothing reaches the values handed in before the store operation.
    QCOMPARE(st.page.sizesMM.size(), 36);
    p.store();
    QCOMPARE(st.page.sizesMM.size(), 37);
    QCOMPARE(st.page.sizesMM.at(12), (PhotoSizeSelect{110, 160, false, true}));
}

void TestOptionsDialog::photoSizeDelete()
{
    PhotoSize p(&st, PageSetup::Inch);
    auto *list = p.findChild<QListWidget *>();
    QPushButton *del = button(&p, QStringLiteral("Delete"));
    list->setCurrentRow(7); // 4x6, ticked
    del->click();
    QCOMPARE(list->count(), 25);
    QCOMPARE(list->item(7)->checkState(), Qt::Unchecked);

    answerNextBox(QMessageBox::No);
    del->click();
    QCOMPARE(list->count(), 25);

    answerNextBox(QMessageBox::Yes);
    del->click();
    QCOMPARE(list->count(), 24);
    QCOMPARE(list->item(7)->text(), QStringLiteral("4x8 in"));
    p.store();
    const QVector<PhotoSizeSelect> sizes = st.page.sizesIN;
    QCOMPARE(sizes.size(), 24);
    QCOMPARE(sizes.at(7).longSide, 8.0);
}

void TestOptionsDialog::generalKeepAspect()
{
    st.thumbs = ThumbnailValues{200, 112, true, Qt::white};
    PathEdit g(&st);
    const QList<QSpinBox *> boxes = g.findChildren<QSpinBox *>();
    QCOMPARE(boxes.size(), 2);
    typeInto(boxes[0], QStringLiteral("300"));
    QCOMPARE(boxes[1]->value(), 162);
    typeInto(boxes[1], QStringLiteral("52"));
    QCOMPARE(boxes[0]->value(), 80);

    for (QCheckBox *box : g.findChildren<QCheckBox *>())
        if (box->objectName() != QLatin1String("printCredit"))
            box->click(); // keep off
    typeInto(boxes[0], QStringLiteral("100"));
    QCOMPARE(boxes[1]->value(), 52);
    QCOMPARE(g.findChild<QLabel *>()->pixmap(Qt::ReturnByValue).size(), QSize(100, 52));
}

void TestOptionsDialog::cancelChangesNothing()
{
    st.options.editorPath = QStringLiteral("/usr/bin/editor");
    const FormatSettings before = st;
    TabOptions dialog(st);
    child<QLineEdit>(dialog.general(), "editorPath")->setText(QStringLiteral("/usr/bin/other"));
    typeInto(dialog.general()->findChildren<QSpinBox *>().at(0), QStringLiteral("150"));
    PhotoSize *sizes = dialog.photoSizes();
    sizes->findChild<QListWidget *>()->item(0)->setCheckState(Qt::Unchecked);
    child<QRadioButton>(&dialog, "inchRadio")->click();
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    // Not stored: the dialog's copy keeps what it was given.
    const FormatSettings &kept = dialog.values();
    QCOMPARE(kept.options.editorPath, QStringLiteral("/usr/bin/editor"));
    QCOMPARE(kept.thumbs.iconWidth, 100);
    QCOMPARE(kept.thumbs.iconHeight, 90);
    QCOMPARE(kept.page.sizesMM, PhotoSizeSelect::defaultMillimetres());
    QCOMPARE(kept.page.pageSetup, PageSetup());
    QVERIFY(kept.options.showAtStartup);
    QCOMPARE(st.options.editorPath, before.options.editorPath);
}

// Whatever is edited in a cancelled dialog, even after store(), the values
// the caller handed in stay as they were.
void TestOptionsDialog::cancelledDialogLeavesCallersValues()
{
    st.options.editorPath = QStringLiteral("/usr/bin/editor");
    const FormatSettings before = st;
    {
        TabOptions dialog(st);
        child<QLineEdit>(dialog.general(), "editorPath")->setText(QStringLiteral("/usr/bin/other"));
        child<QComboBox>(&dialog, "paperCombo")->setCurrentIndex(11);
        child<QSpinBox>(&dialog, "jobBox")->setValue(3);
        dialog.findChild<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly)->click();
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        dialog.store();
        QCOMPARE(dialog.values().options.editorPath, QStringLiteral("/usr/bin/other"));
    }
    QCOMPARE(st.options.editorPath, before.options.editorPath);
    QCOMPARE(st.options.showAtStartup, before.options.showAtStartup);
    QCOMPARE(st.page.pageSetup, before.page.pageSetup);
    QCOMPARE(st.page.printJobMax, before.page.printJobMax);
    QCOMPARE(st.page.sizesMM, before.page.sizesMM);
    QCOMPARE(st.thumbs.iconWidth, before.thumbs.iconWidth);

    {
        TabPageFormat chooser(ChooserMode::ChangeAll, st, st.page.pageSetup);
        child<QRadioButton>(&chooser, "cmRadio")->click();
        QTimer::singleShot(0, &chooser, &QDialog::reject);
        QCOMPARE(chooser.exec(), int(QDialog::Rejected));
    }
    QCOMPARE(st.page.pageSetup, before.page.pageSetup);
    QCOMPARE(st.page.sizesMM, before.page.sizesMM);
}

void TestOptionsDialog::acceptStoresEverything()
{
    TabOptions dialog(st);
    child<QLineEdit>(dialog.general(), "editorPath")->setText(QStringLiteral("/usr/bin/gimp"));
    typeInto(dialog.general()->findChildren<QSpinBox *>().at(0), QStringLiteral("156"));
    dialog.findChild<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly)->click(); // Show at Startup
    child<QComboBox>(&dialog, "paperCombo")->setCurrentIndex(11);
    QTimer::singleShot(0, button(&dialog, QStringLiteral("Ok")), &QPushButton::click);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    const PageSetup setup = dialog.store();

    const FormatSettings &edited = dialog.values();
    QCOMPARE(setup.paperSize, 11);
    QCOMPARE(setup.width, 148.0);
    // The owner decides about the paper: the copy keeps the one in force.
    QCOMPARE(edited.page.pageSetup, PageSetup());
    QCOMPARE(edited.options.editorPath, QStringLiteral("/usr/bin/gimp"));
    QVERIFY(!edited.options.showAtStartup);
    // 100 x 90 kept: a = 100 / 78, so 156 wide is 121 + 12 high.
    QCOMPARE(edited.thumbs.iconWidth, 156);
    QCOMPARE(edited.thumbs.iconHeight, 133);
    QCOMPARE(edited.page.sizesMM, PhotoSizeSelect::defaultMillimetres());
    // The caller's values are its own until it takes the copy.
    QCOMPARE(st.options.editorPath, QString());
    QCOMPARE(st.thumbs.iconWidth, 100);
}

// The size a dialog was left at goes into its copy; a dialog given those
// values opens at that size.
void TestOptionsDialog::dialogSizeIsRemembered()
{
    st.options.dialogWidth = 0;
    st.options.dialogHeight = 0;
    QSize natural;
    FormatSettings taken;
    {
        TabOptions dialog(st);
        QCOMPARE(SizedDialog::current(), &dialog);
        QTimer::singleShot(0, [&dialog, &natural]() {
            natural = dialog.size();
            dialog.resize(natural + QSize(40, 30));
            dialog.reject();
        });
        dialog.exec();
        taken = dialog.values();
    }
    QVERIFY(SizedDialog::current() == nullptr);
    QCOMPARE(taken.options.dialogWidth, natural.width() + 40);
    QCOMPARE(taken.options.dialogHeight, natural.height() + 30);
    QCOMPARE(st.options.dialogWidth, 0);

    TabOptions again(taken);
    QSize opened;
    QTimer::singleShot(0, [&again, &opened]() {
        opened = again.size();
        again.reject();
    });
    again.exec();
    QCOMPARE(opened, natural + QSize(40, 30));
}

void TestOptionsDialog::stayOpenShowsAgain()
{
    SizedDialog dialog(st);
    int shown = 0;
    std::function<void()> step = [&]() {
        ++shown;
        if (shown == 1) {
            // Hidden for another window; the dialog comes back afterwards.
            dialog.clearStayOpen();
            dialog.hide();
        } else {
            dialog.accept();
        }
    };
    QTimer timer;
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, &dialog, [&]() {
        if (dialog.isVisible())
            step();
    });
    timer.start();
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(shown, 2);
}

// Pages added to a document are laid on its paper: the chooser opened for
// them offers no page settings; the other modes that may change the paper do.
void TestOptionsDialog::addPagesChooserKeepsThePaper()
{
    const struct { ChooserMode mode; bool pageSettings; } cases[] = {
        {ChooserMode::Choose, true},
        {ChooserMode::AddPages, false},
        {ChooserMode::ChangeAll, true},
        {ChooserMode::ChangeSelected, false},
    };
    for (const auto &c : cases) {
        TabPageFormat chooser(c.mode, st, st.page.pageSetup);
        QTabWidget *tabs = chooser.tabWidget();
        const int index = tabs->indexOf(chooser.pageSettings());
        QVERIFY(index >= 0);
        QCOMPARE(tabs->tabText(index), QStringLiteral("Page Settings"));
        QCOMPARE(tabs->isTabEnabled(index), c.pageSettings);
    }
    TabPageFormat adding(ChooserMode::AddPages, st, st.page.pageSetup);
    QCOMPARE(adding.tabWidget()->tabText(0), QStringLiteral("Add Pages"));
}

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
