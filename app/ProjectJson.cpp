#include "app/ProjectJson.h"

#include "app/ProjectContents.h"
#include "app/ProjectFile.h"

#include <QJsonArray>

#include <algorithm>

namespace ProjectJson {

namespace {

QJsonObject rect(int x, int y, int w, int h)
{
    return {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}, {QStringLiteral("width"), w}, {QStringLiteral("height"), h}};
}

QString time(const QDateTime &t)
{
    return t.isValid() ? t.toString(Qt::ISODate) : QString();
}

QJsonObject pageSetup(const PageSetup &d)
{
    static const char *const units[] = {"in", "mm", "cm"};
    return {{QStringLiteral("unit"), QLatin1String(units[qBound(0, int(d.unit), 2)])},
            {QStringLiteral("orientation"), d.orientation == 1 ? QStringLiteral("landscape") : QStringLiteral("portrait")},
            {QStringLiteral("paperIndex"), d.paperSize},
            {QStringLiteral("borderless"), d.borderless},
            {QStringLiteral("width"), d.width},
            {QStringLiteral("height"), d.height},
            {QStringLiteral("margins"),
             QJsonObject{{QStringLiteral("top"), d.top}, {QStringLiteral("bottom"), d.bottom},
                         {QStringLiteral("left"), d.left}, {QStringLiteral("right"), d.right}}}};
}

QJsonObject frame(const PhotoFrame &f)
{
    QJsonObject o{{QStringLiteral("rect"), rect(f.x, f.y, f.width, f.height)},
                  {QStringLiteral("file"), f.fileName},
                  {QStringLiteral("rotation"), f.rotation},
                  {QStringLiteral("turned"), f.turned},
                  {QStringLiteral("imageWidth"), f.imageWidth},
                  {QStringLiteral("imageHeight"), f.imageHeight},
                  {QStringLiteral("crop"), rect(f.cropX, f.cropY, f.cropWidth, f.cropHeight)},
                  {QStringLiteral("shotTime"), time(f.shotTime)},
                  {QStringLiteral("stamps"),
                   QJsonObject{{QStringLiteral("date"), f.stamp.printDateStamp},
                               {QStringLiteral("fileName"), f.stamp.printFileName},
                               {QStringLiteral("position"), qint32(f.stamp.position)},
                               {QStringLiteral("font"), f.stamp.font.toString()},
                               {QStringLiteral("color"), f.stamp.color.isValid() ? f.stamp.color.name() : QString()}}}};
    if (f.logo.printLogo)
        o.insert(QStringLiteral("logo"),
                 QJsonObject{{QStringLiteral("file"), f.logo.fileName},
                             {QStringLiteral("horizontal"), qint32(f.logo.horizontal)},
                             {QStringLiteral("vertical"), qint32(f.logo.vertical)},
                             {QStringLiteral("size"), double(f.logo.size)},
                             {QStringLiteral("x"), double(f.logo.posX)},
                             {QStringLiteral("y"), double(f.logo.posY)}});
    else
        o.insert(QStringLiteral("logo"), QJsonValue::Null);
    return o;
}

} // namespace

QJsonObject toJson(const ProjectContents &c)
{
    QJsonArray images;
    for (const IconItem &row : c.rows)
        images.append(QJsonObject{{QStringLiteral("file"), row.fileName},
                                  {QStringLiteral("width"), row.imageWidth},
                                  {QStringLiteral("height"), row.imageHeight},
                                  {QStringLiteral("rotation"), row.rotation},
                                  {QStringLiteral("uses"), row.useCount},
                                  {QStringLiteral("fileTime"), time(row.fileTime)},
                                  {QStringLiteral("shotTime"), time(row.shotTime)},
                                  {QStringLiteral("fileSize"), row.fileSize}});
    QJsonArray pages;
    for (const Page &p : c.pages) {
        QJsonArray frames;
        for (const PhotoFrame &f : p.frames)
            frames.append(frame(f));
        pages.append(QJsonObject{{QStringLiteral("title"), p.title},
                                 {QStringLiteral("width"), p.width},
                                 {QStringLiteral("height"), p.height},
                                 {QStringLiteral("margins"),
                                  QJsonObject{{QStringLiteral("top"), p.top}, {QStringLiteral("bottom"), p.bottom},
                                              {QStringLiteral("left"), p.left}, {QStringLiteral("right"), p.right}}},
                                 {QStringLiteral("frames"), frames}});
    }
    QStringList names = c.embedded.keys();
    std::sort(names.begin(), names.end());
    QJsonArray embedded;
    for (const QString &name : names) {
        const EmbeddedFile &e = c.embedded[name];
        embedded.append(QJsonObject{{QStringLiteral("file"), name},
                                    {QStringLiteral("size"), double(e.size)},
                                    {QStringLiteral("position"), double(e.position)}});
    }
    return {{QStringLiteral("format"),
             c.format == ProjectContents::Format::Current ? ProjectFile::magic() : ProjectFile::oldMagic()},
            {QStringLiteral("pageSetup"), pageSetup(c.pageSetup)},
            {QStringLiteral("paperName"), c.paperName},
            {QStringLiteral("unitScale"), c.unitScale},
            {QStringLiteral("unitSuffix"), c.unitSuffix},
            {QStringLiteral("layout"), c.pageFormatName},
            {QStringLiteral("images"), images},
            {QStringLiteral("pages"), pages},
            {QStringLiteral("embedded"), embedded}};
}

} // namespace ProjectJson
