// The stamp, logo and credit switches of the command line, run as a process:
// each changes the exported page inside the photograph only.
#include "tests/app/OutputFixture.h"

#include <QTemporaryDir>
#include <QtTest>

class TestToolsCli : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString photo;
    QImage plain;
    int runs = 0;

    struct Export
    {
        int code = -1;
        QString err;
        QImage page;
        QString base;
    };

    // One square photograph shown whole (--fit) in a 200 x 287 mm frame on
    // A4: white bands above and below it.
    Export exportWith(const QStringList &extra)
    {
        const QString name = QStringLiteral("run%1").arg(++runs);
        const QString config = dir.filePath(name + QStringLiteral("-config"));
        QDir().mkpath(config);
        Export r;
        r.base = dir.filePath(name);
        const Run run = velmora(QStringList{QStringLiteral("--export-jpeg"), r.base, QStringLiteral("--paper"),
                                            QStringLiteral("A4"), QStringLiteral("--unit"), QStringLiteral("mm"),
                                            QStringLiteral("--margins"), QStringLiteral("5"), QStringLiteral("--layout"),
                                            QStringLiteral("1-200x287 mm"), QStringLiteral("--fit")}
                                    + extra + QStringList{photo},
                                config);
        r.code = run.code;
        r.err = run.err;
        r.page = QImage(r.base + QStringLiteral("001.jpg"));
        return r;
    }

    // Where `a` and `b` differ clearly, in millimetres of the page.
    static QRectF differenceMm(const QImage &a, const QImage &b)
    {
        QRect box;
        for (int y = 0; y < a.height(); y += 3)
            for (int x = 0; x < a.width(); x += 3)
                if (qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 60
                    || qAbs(qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y))) > 60)
                    box |= QRect(x, y, 1, 1);
        const double perMm = a.width() / 210.0;
        return QRectF(box.x() / perMm, box.y() / perMm, box.width() / perMm, box.height() / perMm);
    }

    // The visible photograph: 200 x 200 mm in the middle of the frame.
    static QRectF photoMm() { return QRectF(5, 5 + 43.5, 200, 200); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        photo = dir.filePath(QStringLiteral("square.jpg"));
        QVERIFY(!writeTestJpeg(photo, 1000, 1000, QColor(200, 60, 60)).isEmpty());
        const Export r = exportWith({});
        QCOMPARE(r.code, 0);
        plain = r.page;
        QVERIFY(!plain.isNull());
    }

    void switchesChangeThePhotographOnly_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QPointF>("corner"); // near which corner of the photograph, in mm
        QTest::newRow("date") << QStringList{QStringLiteral("--stamp-date")} << QPointF(10, 53.5);
        QTest::newRow("file name") << QStringList{QStringLiteral("--stamp-file-name")} << QPointF(10, 53.5);
        QTest::newRow("logo") << QStringList{QStringLiteral("--logo"), QStringLiteral("LOGO")} << QPointF(5, 48.5);
        QTest::newRow("no credit") << QStringList{QStringLiteral("--no-credit")} << QPointF(105, 243.5);
    }

    void switchesChangeThePhotographOnly()
    {
        QFETCH(QStringList, args);
        QFETCH(QPointF, corner);
        const QString logo = dir.filePath(QStringLiteral("logo.png"));
        QImage picture(120, 60, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(logo));
        args.replaceInStrings(QStringLiteral("LOGO"), logo);
        const Export r = exportWith(args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.page.size(), plain.size());
        const QRectF changed = differenceMm(plain, r.page);
        QVERIFY(!changed.isEmpty());
        QVERIFY2(photoMm().adjusted(-0.5, -0.5, 0.5, 0.5).contains(changed),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 mm").arg(changed.x()).arg(changed.y()).arg(changed.width()).arg(changed.height())));
        QVERIFY2(QLineF(changed.center(), corner).length() < 60 || changed.contains(corner),
                 qPrintable(QStringLiteral("%1,%2").arg(changed.center().x()).arg(changed.center().y())));
    }

    void missingLogoWritesNothingAndSaysWhy_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("no such file") << false;
        QTest::newRow("not an image") << true;
    }

    void missingLogoWritesNothingAndSaysWhy()
    {
        QFETCH(bool, exists);
        const QString logo = dir.filePath(QStringLiteral("bad-logo.png"));
        QFile::remove(logo);
        if (exists) {
            QFile f(logo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("plain text");
        }
        const Export r = exportWith({QStringLiteral("--logo"), logo});
        QCOMPARE(r.code, 1);
        QVERIFY(r.page.isNull());
        QVERIFY(r.err.contains(logo));
        QVERIFY2(r.err.startsWith(QLatin1String("The logo picture cannot be read")), qPrintable(r.err));
        // The sentence, a blank line, "Cannot read file ...:" and the reason.
        QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 3);
    }
};

QTEST_MAIN(TestToolsCli)
#include "test_toolscli.moc"
