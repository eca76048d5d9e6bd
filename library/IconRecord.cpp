#include "library/IconRecord.h"

#include "library/IconItem.h"

void writeIconRecord(QDataStream &out, const IconItem &item)
{
    out << item.state << item.imageWidth << item.imageHeight << item.rotation << item.useCount
        << item.icon << item.preview << item.fileName << item.fileTime << item.shotTime
        << item.fileSize << item.fileData;
}

bool readIconRecord(QDataStream &in, IconItem &item)
{
    in >> item.state >> item.imageWidth >> item.imageHeight >> item.rotation >> item.useCount
        >> item.icon >> item.preview >> item.fileName >> item.fileTime >> item.shotTime
        >> item.fileSize >> item.fileData;
    return in.status() == QDataStream::Ok;
}
