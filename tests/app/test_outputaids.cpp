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
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#define REQUIRE_PDFINFO()                                                                 \
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())              \
        QSKIP("poppler-utils (pdfinfo) is not installed");

namespace {

// Answers the modal dialogs as they open, one answer each, in order. An
// answer that did not close its dialog (a file dialog still reading its
// folder) is given again a little later.
class ModalAnswers : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;
    explicit ModalAnswers(QList<Answer> answers) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            if (w != m_last) {
                if (m_answers.isEmpty())
                    return;
                m_last = w;
                m_current = m_answers.takeFirst();
                m_repeat.start();
                ++m_answered;
            } else if (m_repeat.elapsed() < 300) {
                return;
            }
            m_repeat.restart();
            m_current(w);
        });
        m_timer.start(20);
    }
    int answered() const { return m_answered; }

private:
    QList<Answer> m_answers;
    Answer m_current;
    QPointer<QWidget> m_last;
    QElapsedTimer m_repeat;
    QTimer m_timer;
    int m_answered = 0;
};

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

    void questionNamesThePages_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("print anyway") << true;
        QTest::newRow("cancel") << false;
    }

    void questionNamesThePages()
    {
        QFETCH(bool, goOn);
        Document dockPages;
        Arrange dock(dockPages);
        arrange(dock, {large, small, large, small});
        QString text;
        ModalAnswers answers({[&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            text = box->text() + QLatin1Char('\n') + box->informativeText();
            box->findChild<QPushButton *>(goOn ? QStringLiteral("anyway") : QStringLiteral("cancel"))->click();
        }});
        QCOMPARE(LowResolutionQuestion::confirm(nullptr, dock.document().pages(), {0, 1, 2, 3},
                                                LowResolutionQuestion::Output::Print),
                 goOn);
        QVERIFY2(text.contains(QLatin1String("Pages: 2, 4.")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("150 ppi")));
        QVERIFY(text.contains(QLatin1String("Print them anyway?")));
        // Sharp pages alone ask nothing.
        QVERIFY(LowResolutionQuestion::confirm(nullptr, dock.document().pages(), {0, 2},
                                               LowResolutionQuestion::Output::Print));
        QCOMPARE(answers.answered(), 1);
    }

    void exportToPdf()
    {
        REQUIRE_PDFINFO()
        Document dockPages;
        Arrange dock(dockPages);
        arrange(dock, {small, large, large});
        UserSettings st;
        const QString file = dir.filePath(QStringLiteral("pages"));
        bool qualityShown = true;
        ModalAnswers answers({[&](QWidget *w) {
                                  auto *files = qobject_cast<QFileDialog *>(w);
                                  QVERIFY(files);
                                  // Typed, as the folder the dialog reads may reset a selection.
                                  files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file);
                                  static_cast<QDialog *>(files)->accept();
                              },
                              [&](QWidget *w) {
                                  // Pages 1 to 2 with trim marks; a PDF has no quality.
                                  qualityShown = w->findChild<QSpinBox *>(QStringLiteral("quality"))->isVisible();
                                  w->findChild<QRadioButton *>(QStringLiteral("pages"))->setChecked(true);
                                  w->findChild<QSpinBox *>(QStringLiteral("from"))->setValue(1);
                                  w->findChild<QSpinBox *>(QStringLiteral("to"))->setValue(2);
                                  w->findChild<QCheckBox *>(QStringLiteral("cutGuides"))->setChecked(true);
                                  qobject_cast<QDialog *>(w)->accept();
                              },
                              [&](QWidget *w) {
                                  QVERIFY(qobject_cast<QMessageBox *>(w)->text().contains(QLatin1String("Pages: 1.")));
                                  w->findChild<QPushButton *>(QStringLiteral("anyway"))->click();
                              }});
        QVERIFY(ExportCommand::runPdf(nullptr, dock, st, [](const QString &) {}));
        QCOMPARE(answers.answered(), 3);
        QVERIFY(!qualityShown);
        QVERIFY(st.page.cutGuides);
        QVERIFY(dock.renderOptions().cutGuides);
        QCOMPARE(st.exports.pdfName, file + QStringLiteral(".pdf"));
        QCOMPARE(pdfInfo(file + QStringLiteral(".pdf"), QStringLiteral("Pages")), QStringLiteral("2"));
    }

    void printDialogOffersTrimMarks()
    {
        REQUIRE_PDFINFO()
        Document dockPages;
        Arrange dock(dockPages);
        arrange(dock, {large, small});
        UserSettings st;
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(file);
        QString question;
        ModalAnswers answers({[&](QWidget *w) {
                                  // The program's own tab beside the dialog's options.
                                  auto *guides = w->findChild<QCheckBox *>(QStringLiteral("cutGuides"));
                                  if (guides)
                                      guides->setChecked(true);
                                  qobject_cast<QDialog *>(w)->accept();
                              },
                              [&](QWidget *w) {
                                  question = qobject_cast<QMessageBox *>(w)->text();
                                  w->findChild<QPushButton *>(QStringLiteral("anyway"))->click();
                              }});
        PrintCommand::run(nullptr, printer, dock, st);
        QCOMPARE(answers.answered(), 2);
        QVERIFY(st.page.cutGuides);
        QVERIFY(dock.renderOptions().cutGuides);
        QVERIFY2(question.contains(QLatin1String("Pages: 2.")), qPrintable(question));
        QCOMPARE(pdfInfo(file, QStringLiteral("Pages")), QStringLiteral("2"));
    }

    void commandLineWarnsAndSucceeds()
    {
        const QString base = dir.filePath(QStringLiteral("warned"));
        const Run r = velmora({QStringLiteral("--export-jpeg"), base, QStringLiteral("--paper"), QStringLiteral("A4"),
                               QStringLiteral("--unit"), QStringLiteral("mm"), QStringLiteral("--photo-size"),
                               QStringLiteral("100x150"), small, large});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.err.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(small) && lines.first().contains(QLatin1String("50 ppi")), qPrintable(r.err));
        QVERIFY(QFile::exists(base + QStringLiteral("001.jpg")));
    }

    void commandLineTrimMarks()
    {
        const QStringList common{QStringLiteral("--paper"), QStringLiteral("A4"), QStringLiteral("--unit"),
                                 QStringLiteral("mm"), QStringLiteral("--photo-size"), QStringLiteral("100x150"),
                                 QStringLiteral("--no-credit"), large, large};
        const QString plainBase = dir.filePath(QStringLiteral("plain"));
        const QString markedBase = dir.filePath(QStringLiteral("marked"));
        QCOMPARE(velmora(QStringList{QStringLiteral("--export-jpeg"), plainBase} + common).code, 0);
        QCOMPARE(velmora(QStringList{QStringLiteral("--export-jpeg"), markedBase, QStringLiteral("--cut-guides")} + common).code, 0);
        const QImage plain = QImage(plainBase + QStringLiteral("001.jpg")).convertToFormat(QImage::Format_RGB32);
        const QImage marked = QImage(markedBase + QStringLiteral("001.jpg")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!plain.isNull());
        QCOMPARE(marked.size(), plain.size());
        int marks = 0;
        for (int y = 0; y < plain.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(plain.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(marked.constScanLine(y));
            for (int x = 0; x < plain.width(); ++x) {
                if (qGray(a[x]) < 235) {
                    // The photographs and their outlines are untouched, to
                    // the last bit.
                    if (a[x] != b[x])
                        QFAIL(qPrintable(QStringLiteral("a photo pixel changed at %1,%2").arg(x).arg(y)));
                } else if (qGray(b[x]) < 100) {
                    ++marks;
                }
            }
        }
        // Marks of 3 mm (100 pixels at 0.03 mm) in the white space.
        QVERIFY2(marks > 4 * 90, qPrintable(QString::number(marks)));
    }
};

QTEST_MAIN(TestOutputAids)
#include "test_outputaids.moc"
