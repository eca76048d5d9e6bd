#include "FuzzApp.h"

#include "arrange/ArrangeEngine.h"
#include "library/ByteBudget.h"
#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"
#include "tests/TestPages.h"

#include <QDataStream>
#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication();
    return 0;
}

// Any bytes as "image/Velmora" data: read record by record, dropped on the
// selection panel, and dropped on the first frame of a page.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    {
        QDataStream in(bytes);
        IconItem item;
        while (!in.atEnd() && readIconRecord(in, item)) {
        }
    }
    {
        ByteBudget budget;
        IconsModel model(ImageListRole::Selection, false);
        QMimeData mime;
        model.setByteBudget(&budget);
        mime.setData(velmoraMimeType(), bytes);
        model.dropMimeData(&mime, Qt::CopyAction, 0, 0, QModelIndex());
    }
    {
        Document doc;
        doc.templatePage = smallFramesPage(4, QStringLiteral(" 4-50x70 mm"));
        ArrangeEngine engine(doc);
        engine.addPages(1);
        QDataStream in(bytes);
        engine.fill(in, 0, 0, true, 0, QString());
        engine.clear();
    }
    return 0;
}
