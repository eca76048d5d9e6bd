#include "arrange/ChangeChoose.h"
#include "arrange/Document.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/TabPageFormat.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

PhotoSizeSelect size(double s, double l)
{
    PhotoSizeSelect p;
    p.shortSide = s;
    p.longSide = l;
    p.selected = true;
    return p;
}

int rowNamed(PageFormat *f, const QString &name)
{
    const QAbstractItemModel *m = f->view()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->index(r, 0).data().toString() == name)
            return r;
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(ChooserMode)

class TestChooser : public QObject
{
    Q_OBJECT
private:
    // The caller's preferences the dialogs start from.
    FormatSettings values;

private slots:
    void init()
    {
        values = FormatSettings();
        values.adoptPageSetup(PageSetup());
        values.page.sizesMM = {size(100, 150)};
        values.layout.pageFormatName.clear();
        values.layout.placingClosely = false;
        values.layout.addImagesMode = true;
        values.layout.addPageCount = 1;
        values.layout.documentsFolder = QDir::tempPath() + "/velmora-chooser-none/";
    }

    void modes_data()
    {
        QTest::addColumn<ChooserMode>("mode");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("settingsEnabled");
        QTest::addColumn<bool>("addImages");
        QTest::addColumn<bool>("pageCount");
        // Pages added to a document keep its paper: no page settings then.
        QTest::newRow("choose") << ChooserMode::Choose << "Choose Layout" << true << true << true;
        QTest::newRow("add pages") << ChooserMode::AddPages << "Add Pages" << false << false << true;
        QTest::newRow("change all") << ChooserMode::ChangeAll << "Choose Layout" << true << false << false;
        QTest::newRow("change selected") << ChooserMode::ChangeSelected << "Choose Layout" << false << false << false;
    }
    void modes()
    {
        QFETCH(ChooserMode, mode);
        QFETCH(QString, tab);
        QFETCH(bool, settingsEnabled);
        QFETCH(bool, addImages);
        QFETCH(bool, pageCount);
        const PageSetup setup;
        TabPageFormat dialog(mode, values, setup);
        QCOMPARE(dialog.tabWidget()->tabText(0), tab);
        QCOMPARE(dialog.tabWidget()->isTabEnabled(1), settingsEnabled);
        PageFormat *chooser = dialog.chooser();
        bool hasAddImages = false;
        for (QCheckBox *b : chooser->findChildren<QCheckBox *>())
            hasAddImages |= b->text() == "Add Images";
        QCOMPARE(hasAddImages, addImages);
        QCOMPARE(!chooser->findChildren<QSpinBox *>().isEmpty(), pageCount);
        QCOMPARE(chooser->view()->model()->rowCount(), 5);
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.tabWidget()->setCurrentIndex(2);
        QVERIFY(!dialog.okButton()->isEnabled());
        dialog.tabWidget()->setCurrentIndex(0);
        QVERIFY(dialog.okButton()->isEnabled());
    }

    void storeTakesTheChosenLayout()
    {
        const PageSetup setup;
        TabPageFormat dialog(ChooserMode::Choose, values, setup);
        PageFormat *chooser = dialog.chooser();
        const int row = rowNamed(chooser, " 3-100x150 mm");
        QVERIFY(row >= 0);
        chooser->view()->setCurrentIndex(chooser->view()->model()->index(row, 0));
        dialog.store();
        QVERIFY(dialog.values().page.pageSetup == setup);
        QCOMPARE(dialog.values().layout.pageFormatName, QString(" 3-100x150 mm"));
        const Page &chosen = dialog.chosenLayout();
        QCOMPARE(chosen.title, QString(" 3-100x150 mm"));
        QCOMPARE(chosen.frames.size(), 3);
        for (const PhotoFrame &f : chosen.frames)
            QVERIFY(f.isEmpty());
        // The dialog worked on a copy: the caller's values are as they were.
        QVERIFY(values.layout.pageFormatName.isEmpty());
    }

    // Left without store() (cancelled), the dialog hands nothing back and
    // the caller's values stay as they were.
    void cancelledDialogChangesNothing()
    {
        const FormatSettings before = values;
        {
            const PageSetup setup;
            TabPageFormat dialog(ChooserMode::Choose, values, setup);
            PageFormat *chooser = dialog.chooser();
            for (QCheckBox *b : chooser->findChildren<QCheckBox *>())
                b->setChecked(!b->isChecked());
            chooser->findChild<QSpinBox *>()->setValue(7);
            chooser->view()->setCurrentIndex(chooser->view()->model()->index(rowNamed(chooser, " 2-100x150 mm"), 0));
            QTimer::singleShot(0, &dialog, &QDialog::reject);
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            QVERIFY(dialog.chosenLayout().frames.isEmpty());
        }
        QCOMPARE(values.layout.pageFormatName, before.layout.pageFormatName);
        QCOMPARE(values.layout.placingClosely, before.layout.placingClosely);
        QCOMPARE(values.layout.addImagesMode, before.layout.addImagesMode);
        QCOMPARE(values.layout.autoCropEnabled, before.layout.autoCropEnabled);
        QCOMPARE(values.layout.addPageCount, before.layout.addPageCount);
        QVERIFY(values.page.pageSetup == before.page.pageSetup);
    }

    void rememberedNameSelectsTheRow()
    {
        values.layout.pageFormatName = " 2-100x150 mm";
        const PageSetup setup;
        PageFormat chooser(&values, setup, ChooserMode::ChangeAll);
        QCOMPARE(chooser.view()->currentIndex().row(), rowNamed(&chooser, " 2-100x150 mm"));
    }

    void placingCloselyActsAtOnce()
    {
        const PageSetup setup;
        TabPageFormat dialog(ChooserMode::ChangeAll, values, setup);
        PageFormat *chooser = dialog.chooser();
        const int row = rowNamed(chooser, " 3-100x150 mm");
        chooser->view()->setCurrentIndex(chooser->view()->model()->index(row, 0));
        QCheckBox *closely = nullptr;
        for (QCheckBox *b : chooser->findChildren<QCheckBox *>())
            if (b->text() == "Placing photos closely")
                closely = b;
        QVERIFY(closely);
        closely->setChecked(true);
        QVERIFY(dialog.values().layout.placingClosely);
        QVERIFY(!values.layout.placingClosely);
        QCOMPARE(chooser->view()->currentIndex().row(), row);
        const Page &e = chooser->catalogue().entries().at(row);
        QCOMPARE(e.frames.at(0).rect(), QRect(500, 2350, 10000, 15000));
    }

    void addImagesEnablesThePageCount()
    {
        const PageSetup setup;
        PageFormat chooser(&values, setup, ChooserMode::Choose);
        QSpinBox *pages = chooser.findChild<QSpinBox *>();
        QVERIFY(!pages->isEnabled());
        chooser.changeAddImages(false);
        QVERIFY(pages->isEnabled());
        pages->setValue(3);
        chooser.store();
        QCOMPARE(values.layout.addPageCount, 3);
    }

    void paperWithoutRoom()
    {
        PageSetup setup;
        setup.paperSize = 0; // a size of the user's
        setup.width = 10;
        setup.height = 10;
        setup.top = setup.bottom = setup.left = setup.right = 5;
        TabPageFormat dialog(ChooserMode::Choose, values, setup);
        QCOMPARE(dialog.chooser()->view()->model()->rowCount(), 0);
        QVERIFY(!dialog.okButton()->isEnabled());
        bool said = false;
        for (QLabel *l : dialog.chooser()->findChildren<QLabel *>())
            said |= l->text().contains("too small");
        QVERIFY(said);
    }

    void returnOpensTheLayout()
    {
        LayoutView view;
        QStandardItemModel model;
        model.appendRow(new QStandardItem("a"));
        view.setModel(&model);
        view.setCurrentIndex(model.index(0, 0));
        QSignalSpy spy(&view, &QAbstractItemView::doubleClicked);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toModelIndex().row(), 0);
    }

    void countingTextInEnglishAndRussian_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("placed");
        QTest::addColumn<int>("images");
        QTest::addColumn<QString>("text");
        QTest::newRow("en 1") << "en" << 1 << 1 << "Total 1 Arrangement of 1 Image";
        QTest::newRow("en 2") << "en" << 2 << 1 << "Total 2 Arrangements of 1 Image";
        QTest::newRow("en 5") << "en" << 5 << 3 << "Total 5 Arrangements of 3 Images";
        QTest::newRow("ru 1") << "ru" << 1 << 1 << QString::fromUtf8("Всего 1 размещение из 1 изображения");
        QTest::newRow("ru 3") << "ru" << 3 << 2 << QString::fromUtf8("Всего 3 размещения из 2 изображений");
        QTest::newRow("ru 11") << "ru" << 11 << 5 << QString::fromUtf8("Всего 11 размещений из 5 изображений");
        QTest::newRow("ru 21") << "ru" << 21 << 21 << QString::fromUtf8("Всего 21 размещение из 21 изображения");
    }
    void countingTextInEnglishAndRussian()
    {
        QFETCH(QString, language);
        QFETCH(int, placed);
        QFETCH(int, images);
        QFETCH(QString, text);
        QTranslator translator;
        QVERIFY(translator.load(QString(VELMORA_BIN_DIR) + "/Translations/Velmora_" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        // `placed` frames showing `images` files.
        Page p;
        p.frames.resize(placed);
        for (int i = 0; i < placed; ++i)
            p.frames[i].fileName = QString::number(i % images);
        Document d;
        d.adopt({p});
        QCOMPARE(d.countingText(), text);
        QCOMPARE(Page::pageTitle(2, "x").section('\n', 0, 0),
                 language == "en" ? QString("Page 2") : QString::fromUtf8("Страница 2"));
        QCoreApplication::removeTranslator(&translator);
    }

    void changeChooseAnswers()
    {
        ChangeChoose first(0);
        QCOMPARE(first.answer(), 0);
        ChangeChoose again(1);
        QCOMPARE(again.answer(), 1);
        for (QRadioButton *r : again.findChildren<QRadioButton *>())
            if (r->text() == "For the Selected Pages")
                r->setChecked(true);
        QCOMPARE(again.answer(), 0);
    }
};

QTEST_MAIN(TestChooser)
#include "test_chooser.moc"
