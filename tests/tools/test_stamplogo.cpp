#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "arrange/PageRenderer.h"
#include "tests/TestFont.h"
#include "tests/arrange/DockFixture.h"
#include "tools/DateStamp.h"
#include "tools/FrameToolDialogs.h"
#include "tools/Logo.h"
#include "tools/ScopeBox.h"
#include "tools/PixmapLogo.h"
#include "tools/ViewLogo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// One frame of w x h (1/100 mm) on a page of its size, drawn at 500 pixels
// per 100 mm, without the outline and, unless given, without the credit line.
QImage render(const PhotoFrame &f, const QString &credit = QString())
{
    RenderOptions options;
    options.printFrame = false;
    options.creditText = credit;
    Page page;
    page.width = f.width;
    page.height = f.height;
    page.frames = {f};
    QImage img(f.width / 20, f.height / 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(qRound(96 / 0.0254));
    img.setDotsPerMeterY(qRound(96 / 0.0254));
    QPainter p(&img);
    PageRenderer::drawPage(p, page, QRectF(img.rect()), options);
    return img;
}

} // namespace

// The Stamp and Logo commands: their dialogs, the frames they change, and
// what the printout shows.
class TestStampLogo : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList files;
    bool outside = true;
    // The stamp and logo the dock starts with.
    StampDefaults startStamp;
    LogoDefaults startLogo;
    std::function<void(QWidget *)> drive;

    struct Setup
    {
        Document dockPages;
        Arrange dock{dockPages};
        FrameToolDialogs *tools;
        explicit Setup(TestStampLogo &t)
            : tools(new FrameToolDialogs(t.outside, &dock))
        {
            dock.setFrameTools(tools);
            dock.setPreferences(dock.preferences(), t.startStamp, t.startLogo);
            dock.resize(1000, 800);
            dock.show();
            arrangeFiles(dock, t.files);
            connect(tools, &FrameToolDialogs::dialogOpened, &dock, [&t](QWidget *w) { t.drive(w); },
                    Qt::QueuedConnection);
        }
        const PhotoFrame &frame(int page, int index) const { return dock.page(page).frames.at(index); }
        QImage pageImage(int index)
        {
            QImage img(420, 594, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            dock.drawPage(&p, index);
            return img;
        }
    };

    PhotoFrame filled(const QString &path, int w, int h, bool fill)
    {
        PhotoFrame f = arrangedFrame(path, w, h, fill);
        f.shotTime = QDateTime(QDate(2021, 3, 4), QTime(10, 0));
        return f;
    }

    QString logoFile()
    {
        const QString path = dir.filePath(QStringLiteral("logo.png"));
        QImage logo(100, 50, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(path);
        return path;
    }

    // Accepts the stamp dialog with the date on, at `scope`.
    void stampWith(int scope, bool on = true)
    {
        drive = [scope, on](QWidget *w) {
            auto *d = qobject_cast<DateStamp *>(w);
            d->dateBox()->setChecked(on);
            d->fileNameBox()->setChecked(false);
            d->scopes()->button(scope)->click();
            d->positions()->button(3)->click();
            d->accept();
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(!useTestFont().isEmpty());
        const QColor colours[] = {Qt::red, Qt::green, Qt::magenta, Qt::yellow, Qt::darkRed}; // none blue as the logo
        for (int i = 0; i < 5; ++i)
            files << writePhoto(dir, QStringLiteral("p%1.jpg").arg(i), colours[i], 600, 400);
    }

    void init()
    {
        startStamp = StampDefaults();
        startLogo = LogoDefaults();
    }

    // The scope of the stamp: the selected frame, the current page or every
    // page (frames 1 to 3 of page 2 are empty).
    void stampScopes_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("stamped"); // frames of pages 1 and 2
        QTest::newRow("selected images") << 0 << "01000000";
        QTest::newRow("selected pages") << 1 << "00001111";
        QTest::newRow("all pages") << 2 << "11111111";
    }
    void stampScopes()
    {
        QFETCH(int, scope);
        QFETCH(QString, stamped);
        Setup s(*this);
        s.dock.frameWidgets().at(1)->click();
        if (scope == 1)
            s.dock.pageList()->setCurrentIndex(s.dock.pageModel()->index(1, 0));
        QSignalSpy modified(&s.dock, &Arrange::modifiedChanged);
        QSignalSpy told(&s.dock, &Arrange::preferencesChanged);
        stampWith(scope);
        s.dock.dateStamp();
        QCOMPARE(modified.count(), 1);
        QString got;
        for (int p = 0; p < 2; ++p)
            for (int i = 0; i < 4; ++i)
                got += s.frame(p, i).stamp.printDateStamp ? '1' : '0';
        QCOMPARE(got, stamped);
        QCOMPARE(int(s.frame(scope == 1 ? 1 : 0, 1).stamp.position), 3);
        if (scope != 2)
            return;
        // The dock's preferences now stamp every new frame, and the
        // application is told.
        QVERIFY(s.dock.stampDefaults().printDateStamp);
        QCOMPARE(told.count(), 1);
        const int added = s.dock.engine()->addPages(1);
        QVERIFY(s.frame(added, 0).stamp.printDateStamp);
        QCOMPARE(int(s.frame(added, 0).stamp.position), 3);
        // Turned off again for all pages.
        stampWith(2, false);
        s.dock.dateStamp();
        QVERIFY(!s.frame(0, 0).stamp.printDateStamp);
        QVERIFY(!s.frame(added, 3).stamp.printDateStamp);
    }

    void stampLiesInsideTheVisiblePhotograph_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("turned");
        for (int p = 0; p < 8; ++p)
            for (bool turned : {false, true})
                QTest::addRow("position %d %s", p, turned ? "turned" : "upright") << p << turned;
    }

    void stampLiesInsideTheVisiblePhotograph()
    {
        QFETCH(int, position);
        QFETCH(bool, turned);
        // A landscape photograph shown whole: white bands, in a square frame
        // (upright) or a portrait one (turned across it).
        const QString red = writeTestJpeg(dir.filePath(QStringLiteral("red.jpg")), 400, 300, Qt::red);
        PhotoFrame f = filled(red, 10000, turned ? 15000 : 10000, false);
        QCOMPARE(f.turned, turned);
        f.stamp.position = StampPosition(position);
        f.stamp.printDateStamp = true;
        const QImage img = render(f);
        const QRectF seen = PageRenderer::visiblePhotoRect(f, QRectF(img.rect()));
        QVERIFY(seen.height() < img.height() || seen.width() < img.width()); // bands there
        // Only what the stamp adds counts.
        PhotoFrame plain = f;
        plain.stamp.printDateStamp = false;
        const QImage base = render(plain);
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != base.pixel(x, y) && isDark(img.pixel(x, y)))
                    box |= QRect(x, y, 1, 1);
        QVERIFY(!box.isEmpty());
        // 5 mm (25 pixels) inside the visible photograph, never on a band.
        QVERIFY2(seen.adjusted(20, 20, -20, -20).contains(QRectF(box)),
                 qPrintable(QStringLiteral("text %1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
        // The corner of the photograph (in its own orientation) it names.
        const bool right = position % 2 == 1;
        const bool bottom = position % 4 >= 2;
        bool pageRight = right;
        bool pageBottom = bottom;
        if (turned) {
            // The photograph lies a quarter turn anticlockwise: its top-left
            // corner is at the page's bottom left.
            pageRight = bottom;
            pageBottom = !right;
        }
        const QPointF c = QRectF(box).center();
        QCOMPARE(c.x() > seen.center().x(), pageRight);
        QCOMPARE(c.y() > seen.center().y(), pageBottom);
        // Along the photograph or across it.
        const bool across = position >= 4;
        const bool wide = box.width() > box.height();
        QCOMPARE(wide, across == turned);
    }

    void creditOptionOffDrawsNoCreditLine()
    {
        // The dock's pages carry the credit line only while the option is on.
        Setup s(*this);
        s.dock.setCreditText(QStringLiteral("Credit"));
        const QImage withCredit = s.pageImage(0);
        FormatSettings prefs = s.dock.preferences();
        prefs.page.printCredit = false;
        s.dock.setPreferences(prefs, s.dock.stampDefaults(), s.dock.logoDefaults());
        QVERIFY(s.pageImage(0) != withCredit);
        prefs.page.printCredit = true;
        s.dock.setPreferences(prefs, s.dock.stampDefaults(), s.dock.logoDefaults());
        QCOMPARE(s.pageImage(0), withCredit);
    }

    void logoDialogRefusesAFileItCannotRead()
    {
        LogoDefaults v;
        v.printLogo = true;
        v.fileName = dir.filePath(QStringLiteral("gone.png"));
        Logo dialog(v, ToolScope::SelectedPages, ImageSource());
        dialog.show();
        int messages = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&messages] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++messages;
                QVERIFY(box->text().contains(QStringLiteral("gone.png")));
                box->accept();
            }
        });
        closer.start(20);
        dialog.accept();
        QCOMPARE(messages, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        // With a readable file it closes.
        dialog.fileEdit()->setText(logoFile());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(messages, 1);
    }

    void logoDialogChoosingAFileSetsASize()
    {
        LogoDefaults v;
        v.printLogo = true;
        v.size = 0;
        Logo dialog(v, ToolScope::SelectedPages, ImageSource());
        dialog.fileEdit()->setText(dir.filePath(QStringLiteral("gone.png")));
        QCOMPARE(dialog.sizeBox()->value(), 0.0);
        QVERIFY(dialog.logoPixmap().isNull());
        dialog.fileEdit()->setText(logoFile());
        QCOMPARE(dialog.sizeBox()->value(), 10.0);
        QVERIFY(!dialog.logoPixmap().isNull());
    }

    void draggingTheLogoToTheRightCountsFromTheRightEdge()
    {
        LogoDefaults v;
        v.printLogo = true;
        v.size = 10;
        v.fileName = logoFile();
        Logo dialog(v, ToolScope::SelectedPages, ImageSource());
        dialog.resize(600, 700);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        PixmapLogo *item = dialog.logoItem();
        const double shownWidth = item->pixmap().width() * item->scale();
        QGraphicsView *view = dialog.preview();
        const QPoint from = view->mapFromScene(item->pos() + QPointF(2, 2));
        const QPoint to = view->mapFromScene(QPointF(250, 20) + QPointF(2, 2));
        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(dialog.values().horizontal, LogoPlace::End);
        QCOMPARE(dialog.verticalGroup()->checkedId(), 0);
        // The logo's right edge as far from the frame's right edge as in
        // the preview.
        const double px = item->pos().x();
        QVERIFY(px > 222.75);
        QVERIFY(qAbs(dialog.xBox()->value() - (297 - px - shownWidth) / 2.97) < 0.01);
    }

    void logoScopes()
    {
        Setup s(*this);
        const QString logo = logoFile();
        drive = [logo](QWidget *w) {
            auto *d = qobject_cast<Logo *>(w);
            d->printBox()->setChecked(true);
            d->fileEdit()->setText(logo);
            d->accept();
        };
        startStamp.allPageDateStamp = ToolScope::AllPages;
        s.dock.setPreferences(s.dock.preferences(), startStamp, startLogo);
        s.dock.logo();
        for (int p = 0; p < 2; ++p)
            for (int i = 0; i < 4; ++i)
                QVERIFY(s.frame(p, i).logo.printLogo && s.frame(p, i).logo.fileName == logo);
        QCOMPARE(s.dock.logoDefaults().fileName, logo);
        // Off for all pages.
        drive = [](QWidget *w) {
            auto *d = qobject_cast<Logo *>(w);
            QVERIFY(d->printBox()->isChecked()); // shown from the first frame
            d->printBox()->setChecked(false);
            QVERIFY(!d->sizeBox()->isEnabled());
            d->accept();
        };
        s.dock.logo();
        QVERIFY(!s.frame(1, 3).logo.printLogo);
    }
};

QTEST_MAIN(TestStampLogo)
#include "test_stamplogo.moc"
