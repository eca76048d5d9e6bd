#include "app/ProjectPreviews.h"

#include "library/Exif.h"

#include "library/PoolMap.h"

#include <functional>

ProjectPreviews::ProjectPreviews(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<Result>::resultReadyAt, this, &ProjectPreviews::deliver);
}

ProjectPreviews::~ProjectPreviews()
{
    cancel();
}

ProjectPreviews::Result ProjectPreviews::decode(const ImageSource &source, const QString &fileName,
                                                const PreviewRule &rule)
{
    Result r;
    r.fileName = fileName;
    QByteArray bytes;
    source.embeddedBytes(fileName, bytes);
    if (bytes.isEmpty())
        ImageSource::readPlainFile(fileName, bytes);
    r.image = decodePreview(bytes, rule, &r.fullSize);
    exifRead(bytes, r.date);
    return r;
}

void ProjectPreviews::start(const ImageSource &source, const QStringList &names, const PreviewRule &rule)
{
    cancel();
    m_delivered.clear();
    std::function<Result(const QString &)> one = [source, rule](const QString &name) {
        return decode(source, name, rule);
    };
    m_watcher.setFuture(mappedOnPool(m_pool, names, one));
}

void ProjectPreviews::cancel()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
    m_watcher.setFuture(QFuture<Result>());
    m_delivered.clear();
}

void ProjectPreviews::finish()
{
    QFuture<Result> future = m_watcher.future();
    future.waitForFinished();
    for (int i = 0; i < future.resultCount(); ++i)
        deliver(i);
}

void ProjectPreviews::deliver(int index)
{
    QFuture<Result> future = m_watcher.future();
    if (m_delivered.contains(index) || !future.isResultReadyAt(index))
        return;
    m_delivered.insert(index);
    emit decoded(future.resultAt(index));
}
