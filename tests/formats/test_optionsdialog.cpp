// The options dialog through its widgets: "Page Settings", "Photo Sizes",
// "General", the dialog size and stay-open loop, accepting and cancelling.
// Every dialog and tab works on preferences handed to it; the caller's own
// values change only through what it takes back. The main window's options
// command hands the result to the arrangement dock.
#include "app/Velmora.h"
#include "arrange/Arrange.h"
#include "formats/FormatSettings.h"
#include "formats/PageSetupModel.h"
#include "formats/GeneralTab.h"
#include "formats/PhotoSize.h"
#include "formats/PageSettingsTab.h"
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
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "tests/TestFont.h"

#include <memory>

#include <functional>

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

// Runs `edit` on the options dialog once it is open, then presses `button`.
void whenOpen(std::function<void(TabOptions *)> edit, const QString &button)
{
    QTimer::singleShot(0, [edit, button]() {
        auto *dialog = qobject_cast<TabOptions *>(SizedDialog::current());
        if (!dialog || !dialog->isVisible()) {
            whenOpen(edit, button);
            return;
        }
        edit(dialog);
        for (QPushButton *b : dialog->findChildren<QPushButton *>())
            if (b->text() == button)
                b->click();
    });
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

    // The caller's preferences, handed to every dialog and tab.
    FormatSettings st;

private Q_SLOTS:
    void init()
    {
        st = FormatSettings();
        st.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
        st.page.sizesIN = PhotoSizeSelect::defaultInches();
    }

    // The main window's options command: accepting makes the edited page
    // setup current (no pages yet), cancelling keeps it and names the paper
    // in force. The window hands its preferences to the arrangement dock,
    // where the test reads them.
    void acceptedWithoutPagesTakesNewPaper()
    {
        Velmora w;
        QCOMPARE(w.arrangeDock()->preferences().page.pageSetup, PageSetup());
        whenOpen([](TabOptions *d) {
            d->findChild<QRadioButton *>(QStringLiteral("cmRadio"))->click();
            d->findChild<QComboBox *>(QStringLiteral("paperCombo"))->setCurrentIndex(11);
        }, QStringLiteral("Ok"));
        w.preferences();
        const FormatSettings &st = w.arrangeDock()->preferences();
        QCOMPARE(st.page.pageSetup.paperSize, 11);
        QCOMPARE(st.layout.unitScale, 1000);
        QCOMPARE(st.page.paperName, QStringLiteral("A5 14.8x21.0 cm"));
    }

    // The "Page Settings" boxes show the edited page setup and edit it.
    void pageSettings()
    {
        PageSettingsTab p(&st, PageSetup());
        auto *width = child<QDoubleSpinBox>(&p, "widthBox");
        auto *height = child<QDoubleSpinBox>(&p, "heightBox");
        auto *top = child<QDoubleSpinBox>(&p, "topBox");
        auto *paper = child<QComboBox>(&p, "paperCombo");
        auto *preview = child<QLabel>(&p, "previewLabel");
        QSignalSpy units(&p, &PageSettingsTab::changedMeasureUnits);
        QSignalSpy data(&p, &PageSettingsTab::changedData);
        child<QRadioButton>(&p, "inchRadio")->click();
        QCOMPARE(units.count(), 1);
        QCOMPARE(data.count(), 1);
        QCOMPARE(width->value(), 8.26);
        QCOMPARE(top->value(), 0.2);
        QCOMPARE(top->suffix(), QStringLiteral(" in"));
        QCOMPARE(paper->currentText(), QStringLiteral("A4 8.26x11.69 in"));
        child<QRadioButton>(&p, "mmRadio")->click();

        QCOMPARE(preview->pixmap(Qt::ReturnByValue).size(), QSize(106, 150));
        child<QRadioButton>(&p, "landscapeRadio")->click();
        QCOMPARE(width->value(), 297.0);
        QCOMPARE(height->value(), 210.0);
        QCOMPARE(preview->pixmap(Qt::ReturnByValue).size(), QSize(150, 106));
        child<QRadioButton>(&p, "portraitRadio")->click();
        typeInto(width, QStringLiteral("300"));
        QCOMPARE(paper->currentIndex(), 0);
        QVERIFY(child<QRadioButton>(&p, "landscapeRadio")->isChecked());
        QCOMPARE(p.model()->paperName(), QStringLiteral("300x297 mm"));
        // Picking a paper again loads its size in the current orientation.
        paper->setCurrentIndex(11);
        QCOMPARE(width->value(), 210.0);
        QCOMPARE(height->value(), 148.0);

        typeInto(top, QStringLiteral("8"));
        QCOMPARE(p.data().top, 8.0);
        child<QCheckBox>(&p, "borderlessBox")->click();
        QVERIFY(!top->isEnabled());
        QCOMPARE(top->value(), 0.0);
        QVERIFY(p.data().borderless);
        child<QCheckBox>(&p, "borderlessBox")->click();
        QCOMPARE(top->value(), 8.0);
    }

    // The print options go into the dialog's copy as soon as they are changed,
    // so the caller can take them even from a cancelled dialog.
    void printOptionsActAtOnce()
    {
        TabOptions dialog(st);
        auto *jobs = child<QSpinBox>(&dialog, "jobBox");
        jobs->setValue(9);
        child<QCheckBox>(&dialog, "frameBox")->click();
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

    void photoSizeAdd()
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

        // Selecting a row shows it and offers deleting.
        list->setCurrentRow(13);
        QCOMPARE(sizeBox(&p, 0)->value(), 120.0);
        QCOMPARE(sizeBox(&p, 1)->value(), 180.0);
        QVERIFY(!add->isEnabled());
        QVERIFY(button(&p, QStringLiteral("Delete"))->isEnabled());

        // Nothing reaches the values handed in before the store operation.
        QCOMPARE(st.page.sizesMM.size(), 36);
        p.store();
        QCOMPARE(st.page.sizesMM.at(12), (PhotoSizeSelect{110, 160, false, true}));
    }

    void photoSizeDelete()
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
        p.store();
        QCOMPARE(st.page.sizesIN.size(), 24);
        QCOMPARE(st.page.sizesIN.at(7).longSide, 8.0);
    }

    void generalKeepAspect()
    {
        st.thumbs = ThumbnailValues{200, 112, true, Qt::white};
        GeneralTab g(&st);
        const QList<QSpinBox *> boxes = g.findChildren<QSpinBox *>();
        typeInto(boxes.at(0), QStringLiteral("300"));
        QCOMPARE(boxes.at(1)->value(), 162);
        for (QCheckBox *box : g.findChildren<QCheckBox *>())
            if (box->objectName() != QLatin1String("printCredit"))
                box->click(); // keep off
        typeInto(boxes.at(0), QStringLiteral("100"));
        QCOMPARE(boxes.at(1)->value(), 162);
        QCOMPARE(g.findChild<QLabel *>()->pixmap(Qt::ReturnByValue).size(), QSize(100, 162));
    }

    // A cancelled dialog keeps in its copy what it was given; even what is
    // stored into the copy afterwards never reaches the caller's values.
    void cancelChangesNothing()
    {
        st.options.editorPath = QStringLiteral("/usr/bin/editor");
        const FormatSettings before = st;
        {
            TabOptions dialog(st);
            child<QLineEdit>(dialog.general(), "editorPath")->setText(QStringLiteral("/usr/bin/other"));
            typeInto(dialog.general()->findChildren<QSpinBox *>().at(0), QStringLiteral("150"));
            dialog.photoSizes()->findChild<QListWidget *>()->item(0)->setCheckState(Qt::Unchecked);
            child<QRadioButton>(&dialog, "inchRadio")->click();
            child<QComboBox>(&dialog, "paperCombo")->setCurrentIndex(11);
            dialog.findChild<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly)->click();
            QTimer::singleShot(0, &dialog, &QDialog::reject);
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            const FormatSettings &kept = dialog.values();
            QCOMPARE(kept.options.editorPath, QStringLiteral("/usr/bin/editor"));
            QCOMPARE(kept.thumbs.iconWidth, 100);
            QCOMPARE(kept.page.sizesMM, before.page.sizesMM);
            QCOMPARE(kept.page.pageSetup, PageSetup());
            QVERIFY(kept.options.showAtStartup);
            dialog.store();
            QCOMPARE(dialog.values().options.editorPath, QStringLiteral("/usr/bin/other"));
        }
        QCOMPARE(st.options.editorPath, before.options.editorPath);
        QCOMPARE(st.options.showAtStartup, before.options.showAtStartup);
        QCOMPARE(st.page.pageSetup, before.page.pageSetup);
        QCOMPARE(st.page.sizesMM, before.page.sizesMM);
        QCOMPARE(st.thumbs.iconWidth, before.thumbs.iconWidth);

        {
            TabPageFormat chooser(ChooserMode::ChangeAll, st, st.page.pageSetup);
            child<QRadioButton>(&chooser, "cmRadio")->click();
            QTimer::singleShot(0, &chooser, &QDialog::reject);
            QCOMPARE(chooser.exec(), int(QDialog::Rejected));
        }
        QCOMPARE(st.page.pageSetup, before.page.pageSetup);
    }

    // A 1600 x 1000 screen at scale factor 2 offers 800 x 500 pixels, less
    // a panel: the options dialog and the layout chooser fit there (their
    // pages scroll), and a size remembered on a larger screen is cut to the
    // screen the dialog opens on, all of it on the screen.
    void dialogsFitTheScreen_data()
    {
        QTest::addColumn<bool>("chooser");
        QTest::addColumn<QSize>("remembered");
        QTest::newRow("options, natural size") << false << QSize();
        QTest::newRow("options, remembered larger") << false << QSize(3000, 2000);
        QTest::newRow("chooser, natural size") << true << QSize();
        QTest::newRow("chooser, remembered larger") << true << QSize(3000, 2000);
    }
    void dialogsFitTheScreen()
    {
        QFETCH(bool, chooser);
        QFETCH(QSize, remembered);
        useTestFont();
        st.options.dialogWidth = remembered.width();
        st.options.dialogHeight = remembered.height();
        std::unique_ptr<SizedDialog> dialog;
        if (chooser)
            dialog = std::make_unique<TabPageFormat>(ChooserMode::Choose, st, PageSetup());
        else
            dialog = std::make_unique<TabOptions>(st);
        const QSize least = dialog->minimumSizeHint();
        QVERIFY2(least.width() <= 800 && least.height() <= 450,
                 qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        QRect opened;
        QTimer::singleShot(0, dialog.get(), [&]() {
            opened = dialog->geometry();
            dialog->reject();
        });
        dialog->exec();
        const QRect available = dialog->screen()->availableGeometry();
        QVERIFY(available.contains(opened));
        QCOMPARE(dialog->values().options.dialogWidth, opened.width());
        QCOMPARE(dialog->values().options.dialogHeight, opened.height());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
