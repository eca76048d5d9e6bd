// Before pages go out: the question about photographs of low resolution,
// the export to one PDF through the print code, and on the command line the
// warning lines and the trim marks, checked on the written pixels.
#include "OutputFixture.h"

#include "app/ExportCommand.h"
#include "app/LowResolutionQuestion.h"
#include "app/PrintCommand.h"
#include "app/UserSettings.h"
#include "arrange/Arrange.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#define REQUIRE_PDFINFO()                                                                 \
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())              \
        QSKIP("poppler-utils (pdfinfo) is not installed");

namespace {

// A4 with one frame of 100 x 150 mm.
Page oneTallFrame()
{
    Page t = a4Layout(1, 1);
    t.frames.first().width = 10000;
    t.frames.first().height = 15000;
    return t;
}

} // namespace

class TestOutputAids : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString small; // 300 x 200
    QString large; // 3000 x 2000

    // Pages of one 100 x 150 mm frame each, filled with `files` in order.
    void arrange(Arrange &dock, const QStringList &files)
    {
        dock.document().templatePage = oneTallFrame();
        QVector<IconItem> items;
        for (const QString &f : files) {
            IconItem item;
            item.fileName = f;
            items << item;
        }
        dock.engine()->arrangeAll(items);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        small = writePhoto(dir.path(), QStringLiteral("small.jpg"), Qt::green, 300, 200);
        large = writePhoto(dir.path(), QStringLiteral("large.jpg"), Qt::blue, 3000, 2000);
    }

    void exportToPdf()
    {
        REQUIRE_PDFINFO()
        Document dockPages;
        Arrange dock(dockPages);
        arrange(dock, {small, large, large});
        UserSettings st;
        st.shell.currentFile = dir.filePath(QStringLiteral("Summer at the lake.vm2"));
        const QString file = dir.filePath(QStringLiteral("pages"));
        bool qualityShown = true;
        int answered = 0;
        answerInTurn({[&](QWidget *w) {
                                  auto *files = qobject_cast<QFileDialog *>(w);
                                  QVERIFY(files);
                                  ++answered;
                                  // Typed and closed as accepted at once: the
                                  // folder the dialog reads may reset a selection.
                                  files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file);
                                  static_cast<QDialog *>(files)->done(QDialog::Accepted);
                              },
                              [&](QWidget *w) {
                                  ++answered;
                                  // Pages 1 to 2 with trim marks; a PDF has no quality.
                                  qualityShown = w->findChild<QSpinBox *>(QStringLiteral("quality"))->isVisible();
                                  w->findChild<QRadioButton *>(QStringLiteral("pages"))->setChecked(true);
                                  w->findChild<QSpinBox *>(QStringLiteral("from"))->setValue(1);
                                  w->findChild<QSpinBox *>(QStringLiteral("to"))->setValue(2);
                                  w->findChild<QCheckBox *>(QStringLiteral("cutGuides"))->setChecked(true);
                                  qobject_cast<QDialog *>(w)->accept();
                              },
                              [&](QWidget *w) {
                                  ++answered;
                                  QVERIFY(qobject_cast<QMessageBox *>(w)->text().contains(QLatin1String("Pages: 1.")));
                                  w->findChild<QPushButton *>(QStringLiteral("anyway"))->click();
                              }});
        QString said;
        QVERIFY(ExportCommand::runPdf(nullptr, dock, st, [&said](const QString &text) { said = text; }));
        QCOMPARE(answered, 3);
        // Where the pages went, and the project's name as the PDF's title.
        QVERIFY2(said.startsWith(QLatin1String("2 ")) && said.contains(QDir::toNativeSeparators(file + ".pdf")),
                 qPrintable(said));
        QCOMPARE(pdfInfo(file + QStringLiteral(".pdf"), QStringLiteral("Title")), QStringLiteral("Summer at the lake"));
        QVERIFY(!qualityShown);
        QVERIFY(st.page.cutGuides);
        QVERIFY(dock.renderOptions().cutGuides);
        QCOMPARE(st.exports.pdfName, file + QStringLiteral(".pdf"));
        QCOMPARE(pdfInfo(file + QStringLiteral(".pdf"), QStringLiteral("Pages")), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestOutputAids)
#include "test_outputaids.moc"
