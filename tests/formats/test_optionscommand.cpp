// The main window's options command: accepting makes the edited page setup
// current (no pages yet), cancelling keeps it and names the paper in force.
// The window hands its preferences to the arrangement dock, where the test
// reads them.
#include "app/Velmora.h"
#include "arrange/Arrange.h"
#include "formats/FormatSettings.h"
#include "formats/TabOptions.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

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

class TestOptionsCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

    void cancelKeepsPaperAndItsName()
    {
        Velmora w;
        whenOpen([](TabOptions *d) {
            d->findChild<QRadioButton *>(QStringLiteral("inchRadio"))->click();
            d->findChild<QComboBox *>(QStringLiteral("paperCombo"))->setCurrentIndex(1);
            d->findChild<QSpinBox *>(QStringLiteral("jobBox"))->setValue(7);
        }, QStringLiteral("Cancel"));
        w.preferences();
        const FormatSettings &st = w.arrangeDock()->preferences();
        QCOMPARE(st.page.pageSetup, PageSetup());
        QCOMPARE(st.layout.unitScale, 100);
        QCOMPARE(st.page.paperName, QStringLiteral("A4 210x297 mm"));
        // The print options act even when the dialog is cancelled.
        QCOMPARE(st.page.printJobMax, 7);
    }
};

int main(int argc, char **argv)
{
    // The window reads and writes the user's settings store: keep it in a
    // folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestOptionsCommand test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_optionscommand.moc"
