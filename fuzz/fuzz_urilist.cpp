#include "FuzzApp.h"

#include "library/ByteBudget.h"

#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"

#include <QBuffer>
#include <QDataStream>
#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication();
    return 0;
}

// Any bytes as "text/uri-list" data: the files named are turned into image
// records, each of which reads back whole, and dropped on the selection panel.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"), QByteArray(reinterpret_cast<const char *>(data), int(size)));
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        IconsModel::itemsFromUrls(mime.urls(), out);
    }
    QDataStream in(bytes);
    IconItem item;
    while (!in.atEnd())
        if (!readIconRecord(in, item))
            __builtin_trap();
    ByteBudget budget;
    IconsModel model(ImageListRole::Selection, false);
    model.setByteBudget(&budget);
    model.dropMimeData(&mime, Qt::CopyAction, 0, 0, QModelIndex());
    return 0;
}
