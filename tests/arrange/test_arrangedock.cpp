#include "arrange/Arrange.h"
#include "arrange/ChangeChoose.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/TabPageFormat.h"
#include "library/IconsModel.h"
#include "tests/TestPhoto.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImageWriter>
#include <QListView>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the next `count` modal dialogs one after the other: `answer`
// prepares each and says whether it is accepted.
void answerDialogs(int count, std::function<bool(QDialog *)> answer, QPointer<QDialog> previous = {})
{
    QTimer::singleShot(0, [=] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d || d == previous) {
            answerDialogs(count, answer, previous);
            return;
        }
        if (answer(d))
            d->accept();
        else
            d->reject();
        if (count > 1)
            answerDialogs(count - 1, answer, d);
    });
}

// Accepts the next modal dialog (after `prepare`) or rejects it.
void answerDialogs(bool accept, std::function<void(QDialog *)> prepare = {})
{
    answerDialogs(1, [=](QDialog *d) {
        if (prepare)
            prepare(d);
        return accept;
    });
}

void chooseRow(QDialog *d, const QString &name)
{
    auto *dialog = qobject_cast<TabPageFormat *>(d);
    if (!dialog)
        return;
    QListView *view = dialog->chooser()->view();
    for (int r = 0; r < view->model()->rowCount(); ++r)
        if (view->model()->index(r, 0).data().toString() == name)
            view->setCurrentIndex(view->model()->index(r, 0));
}

} // namespace

class TestArrangeDock : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    // A4 in millimetres with one photo size of 100 x 150 and no saved layouts.
    FormatSettings preferences() const
    {
        FormatSettings st;
        st.adoptPageSetup(PageSetup());
        PhotoSizeSelect s;
        s.shortSide = 100;
        s.longSide = 150;
        s.selected = true;
        st.page.sizesMM = {s};
        st.layout.documentsFolder = dir.path() + "/";
        st.layout.addImagesMode = true;
        return st;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void chooserArrangesTheSelection()
    {
        IconsModel images(ImageListRole::Selection);
        for (int i = 0; i < 4; ++i) {
            const QString p = dir.filePath(QString("img%1.jpg").arg(i));
            QVERIFY(!writeTestJpeg(p, 300, 200, Qt::blue).isEmpty());
            IconItem item;
            item.fileName = p;
            images.addItem(item);
        }
        Document dockPages;
        Arrange dock(dockPages);
        StampDefaults stamp;
        stamp.printDateStamp = true;
        stamp.position = StampPosition(5);
        LogoDefaults logo;
        logo.printLogo = true;
        logo.fileName = "/logo.png";
        dock.setPreferences(preferences(), stamp, logo);
        dock.setImageList(&images);
        QSignalSpy prefs(&dock, &Arrange::preferencesChanged);
        QSignalSpy modif(&dock, &Arrange::modifiedChanged);
        QSignalSpy uses(&dockPages, &Document::usesChanged);
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 3-100x150 mm"); });
        QVERIFY(dock.chooseLayout());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().placementCount(), 4);
        QCOMPARE(dock.document().templatePage.title, QString(" 3-100x150 mm"));
        QCOMPARE(dock.preferences().layout.pageFormatName, QString(" 3-100x150 mm"));
        QCOMPARE(prefs.size(), 1);
        // The new layout's frames are empty and start with the stamp and
        // logo defaults.
        QCOMPARE(dock.document().templatePage.frames.size(), 3);
        for (const PhotoFrame &f : dock.document().templatePage.frames) {
            QVERIFY(f.isEmpty());
            QVERIFY(f.stamp.printDateStamp);
            QCOMPARE(int(f.stamp.position), 5);
            QVERIFY(f.logo.printLogo);
            QCOMPARE(f.logo.fileName, QString("/logo.png"));
        }
        QCOMPARE(dock.document().page(0).frames.at(0).imageWidth, 300);
        QCOMPARE(uses.size(), 1);
        QVERIFY(modif.size() >= 1);
        int w = 0, h = 0;
        dock.layoutPrintableArea(w, h);
        QCOMPARE(QSize(w, h), QSize(20000, 28700));

        // All pages onto the two-frame grid.
        answerDialogs(2, [](QDialog *d) {
            if (auto *q = qobject_cast<ChangeChoose *>(d)) {
                for (QRadioButton *r : q->findChildren<QRadioButton *>())
                    r->setChecked(r->text() == "For All Pages");
                return true;
            }
            chooseRow(d, " 2-100x150 mm");
            return true;
        });
        QVERIFY(dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().page(1).filledFrameCount(), 2);

        // A cancelled question changes nothing.
        answerDialogs(false);
        QVERIFY(!dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);

        // Nor does a cancelled chooser, though its options were changed.
        const FormatSettings before = dock.preferences();
        QVERIFY(!before.layout.placingClosely);
        bool changedInDialog = false;
        answerDialogs(2, [&](QDialog *d) {
            auto *q = qobject_cast<TabPageFormat *>(d);
            if (!q)
                return true; // the question
            for (QCheckBox *b : q->chooser()->findChildren<QCheckBox *>())
                if (b->text() == "Placing photos closely")
                    b->setChecked(true);
            chooseRow(d, " 1-200x287 mm");
            changedInDialog = q->values().layout.placingClosely;
            return false;
        });
        QVERIFY(!dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);
        QVERIFY(!dock.preferences().layout.placingClosely);
        QCOMPARE(dock.preferences().layout.pageFormatName, before.layout.pageFormatName);
        QCOMPARE(dock.document().templatePage.title, QString(" 2-100x150 mm"));
        QVERIFY(changedInDialog);
        QCOMPARE(prefs.size(), 2);

        // Another paper lays every frame out again.
        PageSetup letter;
        letter.paperSize = 0; // a size of the user's
        letter.width = 216;
        letter.height = 279;
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 1-206x269 mm"); });
        QVERIFY(dock.changePaper(letter));
        QCOMPARE(dock.pageCount(), 4);
        QCOMPARE(dock.document().templatePage.width, 21600);
        QVERIFY(dock.preferences().page.pageSetup == letter);

        // The frames hold their files' bytes against the document's budget
        // until the document is cleared.
        QVERIFY(dock.document().budget.total() > 0);
        dock.clearAll();
        QCOMPARE(dock.pageCount(), 0);
        QCOMPARE(dock.document().budget.total(), qint64(0));
    }
};

QTEST_MAIN(TestArrangeDock)
#include "test_arrangedock.moc"
