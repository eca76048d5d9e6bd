#include "arrange/KeyListView.h"
#include "formats/Page.h"
#include "arrange/PageItemModel.h"
#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "tests/TestPhoto.h"

#include <QAbstractItemModelTester>
#include <QImageWriter>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

Page pageWith(int frames, int filled)
{
    Page p;
    p.title = QStringLiteral("Page 1\nx");
    p.frames.resize(frames);
    for (int i = 0; i < filled; ++i)
        p.frames[i].fileName = QStringLiteral("/f%1.jpg").arg(i);
    return p;
}

} // namespace

class TestPageList : public QObject
{
    Q_OBJECT
private:
    // Records read back from the stream handed over by a drop.
    QStringList received;
    int receivedPage = -2;

private slots:
    void itemsFollowThePages()
    {
        PageItemModel model;
        QAbstractItemModelTester tester(&model);
        model.appendRow(PageItemModel::makeItem(pageWith(2, 1), QIcon()));
        model.appendRow(PageItemModel::makeItem(pageWith(2, 2), QIcon()));
        QCOMPARE(model.index(0, 0).data().toString(), QString("Page 1\nx"));
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QString("Page 1\nx"));
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsDropEnabled);
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsDropEnabled));
        QCOMPARE(model.mimeTypes(), QStringList({"image/Velmora", "text/uri-list"}));
    }

    void dropsHandTheRecordsOver()
    {
        PageItemModel model;
        model.appendRow(PageItemModel::makeItem(pageWith(2, 0), QIcon()));
        connect(&model, &PageItemModel::fillPageFrames, this, [this](QByteArray records, int page) {
            receivedPage = page;
            received.clear();
            IconItem item;
            QDataStream in(&records, QIODevice::ReadOnly);
            while (!in.atEnd() && readIconRecord(in, item))
                received << item.fileName;
        });

        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            IconItem a;
            a.fileName = "/a.jpg";
            IconItem b;
            b.fileName = "/b.jpg";
            writeIconRecord(out, a);
            writeIconRecord(out, b);
        }
        QMimeData mime;
        mime.setData("image/Velmora", bytes);
        QVERIFY(model.dropMimeData(&mime, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(receivedPage, 0);
        QCOMPARE(received, QStringList({"/a.jpg", "/b.jpg"}));

        QTemporaryDir dir;
        const QString jpg = dir.filePath("c.jpg");
        QVERIFY(!writeTestJpeg(jpg, 40, 30, Qt::green).isEmpty());
        QMimeData urls;
        urls.setUrls({QUrl::fromLocalFile(jpg)});
        QVERIFY(model.dropMimeData(&urls, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(received, QStringList({jpg}));

        QMimeData text;
        text.setText("nothing");
        receivedPage = -2;
        QVERIFY(!model.dropMimeData(&text, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(receivedPage, -2);
    }

    void deleteKey()
    {
        KeyListView view;
        QSignalSpy spy(&view, &KeyListView::keyDelete);
        QTest::keyClick(&view, Qt::Key_Delete);
        QTest::keyClick(&view, Qt::Key_A);
        QCOMPARE(spy.size(), 1);
    }
};

QTEST_MAIN(TestPageList)
#include "test_pagelist.moc"
