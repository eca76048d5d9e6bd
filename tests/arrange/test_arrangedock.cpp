#include "app/UserSettings.h"
#include "arrange/Arrange.h"
#include "arrange/ChangeChoose.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/TabPageFormat.h"
#include "library/IconsModel.h"
#include "tests/TestPhoto.h"

#include <QApplication>
#include <QDialog>
#include <QImageWriter>
#include <QListView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the next modal dialogs: accepts them (after `prepare`) or rejects.
void answerDialogs(bool accept, std::function<void(QDialog *)> prepare = {})
{
    QTimer::singleShot(0, [=] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d) {
            answerDialogs(accept, prepare);
            return;
        }
        if (prepare)
            prepare(d);
        if (accept)
            d->accept();
        else
            d->reject();
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

private slots:
    void initTestCase()
    {
        UserSettings &st = appState();
        st.page.pageSetup = PageSetup();
        st.page.paperName = "A4 210x297 mm";
        PhotoSizeSelect s;
        s.shortSide = 100;
        s.longSide = 150;
        s.selected = true;
        st.page.sizesMM = {s};
        st.layout.documentsFolder = dir.path() + "/";
        st.layout.addImagesMode = true;
    }

    void chooserArrangesTheSelection()
    {
        IconsModel images;
        for (int i = 0; i < 4; ++i) {
            const QString p = dir.filePath(QString("img%1.jpg").arg(i));
            QVERIFY(!writeTestJpeg(p, 300, 200, Qt::blue).isEmpty());
            IconItem item;
            item.fileName = p;
            images.addItem(item);
        }
        Arrange dock;
        dock.setImageList(&images);
        QSignalSpy modif(&dock, &Arrange::modifiedChanged);
        QSignalSpy update(&dock, &Arrange::updateArrange);
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 3-100x150 mm"); });
        QVERIFY(dock.chooseLayout());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().placementCount, 4);
        QCOMPARE(appState().templatePage.title, QString(" 3-100x150 mm"));
        QCOMPARE(dock.document().pages.at(0).frames.at(0).imageWidth, 300);
        QCOMPARE(update.size(), 1);
        QVERIFY(modif.size() >= 1);
        int w = 0, h = 0;
        dock.layoutPrintableArea(w, h);
        QCOMPARE(QSize(w, h), QSize(20000, 28700));

        // All pages onto the two-frame grid.
        answerDialogs(true, [](QDialog *d) {
            if (auto *q = qobject_cast<ChangeChoose *>(d)) {
                for (QRadioButton *r : q->findChildren<QRadioButton *>())
                    r->setChecked(r->text() == "For All Pages");
                return;
            }
            chooseRow(d, " 2-100x150 mm");
        });
        QTimer::singleShot(50, [] { answerDialogs(true, [](QDialog *d) { chooseRow(d, " 2-100x150 mm"); }); });
        QVERIFY(dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().pages.at(1).filledFrameCount(), 2);

        // A cancelled question changes nothing.
        answerDialogs(false);
        QVERIFY(!dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);

        // Another paper lays every frame out again.
        PageSetup letter;
        letter.width = 216;
        letter.height = 279;
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 1-206x269 mm"); });
        QVERIFY(dock.changePaper(letter));
        QCOMPARE(dock.pageCount(), 4);
        QCOMPARE(appState().templatePage.width, 21600);

        dock.clearAll();
        QCOMPARE(dock.pageCount(), 0);
        QCOMPARE(appState().cachedBytes, qint64(0));
    }
};

QTEST_MAIN(TestArrangeDock)
#include "test_arrangedock.moc"
