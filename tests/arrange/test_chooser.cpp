#include "arrange/ChangeChoose.h"
#include "arrange/Document.h"
#include "formats/LayoutFile.h"
#include "formats/LayoutCatalogue.h"
#include "formats/LayoutView.h"
#include "formats/OrderTab.h"
#include "formats/ChooserTab.h"
#include "formats/PageFormat.h"
#include "formats/TabPageFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
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

    // The "Order" tab: counts typed per image, the live line, Ok only for
    // an order that fits.
    void orderTab()
    {
        const PageSetup setup;
        TabPageFormat dialog(ChooserMode::Choose, values, setup);
        dialog.offerOrder({QStringLiteral("/photos/a.jpg"), QStringLiteral("/photos/b.jpg")});
        dialog.tabWidget()->setCurrentIndex(int(ChooserTab::Order));
        OrderTab *order = dialog.orderTab();
        QVERIFY(dialog.orderChosen());
        QVERIFY(dialog.okButton()->isEnabled());
        QSignalSpy changed(order, &OrderTab::orderChanged);
        auto *count = qobject_cast<QSpinBox *>(order->table()->cellWidget(0, 2));
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("8"));
        QVERIFY(!changed.isEmpty());
        const Page paper = LayoutCatalogue::paperPage(setup);
        const OrderPacker packer(paper.printableWidth(), paper.printableHeight());
        const QVector<OrderPrint> prints{{"/photos/a.jpg", 10000, 15000, 8}, {"/photos/b.jpg", 10000, 15000, 1}};
        const int sheets = packer.pack(prints).size();
        QCOMPARE(order->summary(), QStringLiteral("%1 sheets, %2 % of the paper used")
                                       .arg(sheets)
                                       .arg(qRound(100 * packer.coverage(prints, sheets))));
        QCOMPARE(order->sheets().size(), sheets);
        // A size typed too large for the paper and a count of 0 leave
        // nothing to print.
        auto *size = qobject_cast<QComboBox *>(order->table()->cellWidget(1, 1));
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), QStringLiteral("300x400"));
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("0"));
        QVERIFY(!dialog.okButton()->isEnabled());
        QVERIFY(order->prints().isEmpty());
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

    // Names as people read them: an across grid without the dot that tells
    // it from the upright one, a drawn layout without its file's suffix.
    // With "Add Images" the count says how many pages the images will make
    // on the current layout.
    void namesAndPagesAsShown()
    {
        QTemporaryDir docs;
        values.layout.documentsFolder = docs.path() + "/";
        QVERIFY(QDir().mkpath(docs.path() + "/A4"));
        QVERIFY(LayoutFile::write(docs.path() + "/A4/Big and two.vly", "A4", 21000, 29700,
                                  {QRectF(1000, 1000, 10000, 10000)}));
        values.page.sizesMM = {size(35, 70), size(100, 150)};
        PageFormat chooser(&values, PageSetup(), ChooserMode::Choose);
        const QAbstractItemModel *m = chooser.view()->model();
        QStringList shown, names;
        for (int r = 0; r < m->rowCount(); ++r) {
            shown << m->index(r, 0).data().toString();
            names << m->index(r, 0).data(PageFormat::NameRole).toString();
        }
        QCOMPARE(shown.at(names.indexOf("20-35x70. mm")), QString("20-35x70 mm"));
        QCOMPARE(shown.at(names.indexOf("Big and two.vly")), QString("Big and two"));
        QCOMPARE(shown.filter(".").size(), 0);

        const auto pages = [](int n) { return QObject::tr("%n Page(s)", "Plural or singular", n); };
        QLabel *count = nullptr;
        for (QLabel *l : chooser.findChildren<QLabel *>())
            if (l->text() == pages(values.layout.addPageCount))
                count = l;
        QVERIFY(count);
        chooser.setImageCount(9);
        chooser.view()->setCurrentIndex(m->index(0, 0)); // the whole page: one frame
        QCOMPARE(count->text(), pages(9));
        chooser.view()->setCurrentIndex(m->index(names.indexOf(" 3-100x150 mm"), 0));
        QCOMPARE(count->text(), pages(3));
        // Empty pages: as many as the box says.
        chooser.changeAddImages(false);
        QCOMPARE(count->text(), pages(values.layout.addPageCount));
        chooser.store();
        QCOMPARE(values.layout.pageFormatName, QString(" 3-100x150 mm"));
    }
};

QTEST_MAIN(TestChooser)
#include "test_chooser.moc"
