#include "arrange/FrameToolEdits.h"
#include "tools/CropModel.h"

#include <QtTest>

// The crop rectangle of the crop editor, without the editor.
class TestCropModel : public QObject
{
    Q_OBJECT

    static void compareRect(const QRectF &a, const QRectF &b)
    {
        const double e = 1e-6;
        QVERIFY2(qAbs(a.x() - b.x()) < e && qAbs(a.y() - b.y()) < e && qAbs(a.width() - b.width()) < e
                     && qAbs(a.height() - b.height()) < e,
                 qPrintable(QStringLiteral("(%1,%2 %3x%4) != (%5,%6 %7x%8)")
                                .arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height())
                                .arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height())));
    }

private slots:
    void cornerDraggedAgainstEveryEdgeKeepsAspect_data()
    {
        QTest::addColumn<int>("corner");
        QTest::addColumn<double>("dx");
        QTest::addColumn<bool>("outside");
        const char *names[] = {"left-top", "right-top", "left-bottom", "right-bottom"};
        for (int c = 0; c < 4; ++c) {
            const double out = c % 2 == 0 ? -5000 : 5000; // far beyond the photograph
            for (bool outside : {false, true}) {
                QTest::addRow("%s %s grow", names[c], outside ? "outside" : "inside") << c << out << outside;
                QTest::addRow("%s %s shrink", names[c], outside ? "outside" : "inside") << c << -out << outside;
            }
        }
    }

    void cornerDraggedAgainstEveryEdgeKeepsAspect()
    {
        QFETCH(int, corner);
        QFETCH(double, dx);
        QFETCH(bool, outside);
        // 1.5 : 1 in a 1200 x 800 photograph, away from the edges.
        CropModel m(QRectF(300, 200, 450, 300), QSize(1200, 800), 1.5, outside);
        const QRectF before = m.rect();
        for (int i = 0; i < 50; ++i)
            m.dragCorner(CropModel::Corner(corner), dx / 50);
        const QRectF r = m.rect();
        QVERIFY(r.width() > 0 && r.height() > 0);
        QCOMPARE(qRound(r.width() / r.height() * 1000), 1500);
        // The opposite corner stays.
        const QPointF opposite[] = {before.bottomRight(), before.bottomLeft(), before.topRight(), before.topLeft()};
        const QPointF now[] = {r.bottomRight(), r.bottomLeft(), r.topRight(), r.topLeft()};
        QCOMPARE(now[corner], opposite[corner]);
        if (!outside)
            QVERIFY(QRectF(0, 0, 1200, 800).contains(r));
        else
            QVERIFY(QRectF(0, 0, 1200, 800).intersects(r));
        if (!outside && qAbs(dx) == 5000 && ((corner % 2 == 0) == (dx < 0))) {
            // Grown as far as the photograph allows: it touches an edge.
            QVERIFY(r.left() == 0 || r.top() == 0 || r.right() == 1200 || r.bottom() == 800);
        }
    }

    void keysStepToMultiplesOfTen()
    {
        CropModel m(QRectF(37, 40, 300, 200), QSize(1000, 800), 1.5, false);
        m.stepKey(Qt::Key_Left, false, false);
        QCOMPARE(m.rect().left(), 30.0);
        m.stepKey(Qt::Key_Left, false, false);
        QCOMPARE(m.rect().left(), 20.0);
        m.stepKey(Qt::Key_Left, false, true);
        QCOMPARE(m.rect().left(), 19.0);
        QCOMPARE(m.rect().width(), 300.0);
        m.stepKey(Qt::Key_Down, false, false);
        QCOMPARE(m.rect().top(), 50.0);
    }

    // Shift with an arrow moves the right or bottom edge; inside mode a
    // rectangle grown past the photograph's edge is moved back inside.
    void shiftResizesFromTheRightOrBottomEdge_data()
    {
        QTest::addColumn<QRectF>("start");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("key");
        QTest::addColumn<QRectF>("after");
        QTest::newRow("away from the edges") << QRectF(5, 10, 90, 60) << QSize(1000, 800) << int(Qt::Key_Right)
                                             << QRectF(5, 10, 95, 60 + 5 / 1.5);
        QTest::newRow("at the right edge") << QRectF(20, 0, 1980, 2970) << QSize(2000, 3000) << int(Qt::Key_Right)
                                           << QRectF(10, 0, 1990, 2985);
        QTest::newRow("at the bottom edge") << QRectF(0, 20, 2970, 1980) << QSize(3000, 2000) << int(Qt::Key_Down)
                                            << QRectF(0, 10, 2985, 1990);
    }

    void shiftResizesFromTheRightOrBottomEdge()
    {
        QFETCH(QRectF, start);
        QFETCH(QSize, image);
        QFETCH(int, key);
        QFETCH(QRectF, after);
        CropModel m(start, image, 1.5, false);
        m.stepKey(Qt::Key(key), true, false);
        compareRect(m.rect(), after);
    }

    void photographWithoutSizeIsRefused()
    {
        CropModel m(QRectF(0, 0, 100, 100), QSize(0, 0), 1.0, false);
        QVERIFY(!m.isValid());
        m.moveBy(10, 10);
        m.rotate();
        m.stepKey(Qt::Key_Left, true, false);
        m.dragCorner(CropModel::Corner::LeftTop, 5);
    }
};

QTEST_APPLESS_MAIN(TestCropModel)
#include "test_cropmodel.moc"
