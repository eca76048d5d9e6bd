// The command line's project side: a saved project as input, --save and
// --list.
#include "app/CommandLine.h"

#include "app/ProjectFile.h"
#include "app/ProjectJson.h"
#include "app/UserSettings.h"
#include "arrange/ArrangeEngine.h"

#include <QJsonDocument>

#include <cstdio>

bool CommandLine::openProject(UserSettings &st, Document &document)
{
    if (!applyQuality(st) || !configureOverlays(st))
        return false;
    const QString path = m_images.first();
    ProjectContents contents;
    QString error;
    if (!ProjectFile::read(path, contents, error, 0))
        return fail(QObject::tr("Cannot read file %1:\n%2.").arg(path, error));
    ProjectFile::adoptSettings(contents, st);
    st.shell.currentFile = path;
    document.source = ImageSource(path, contents.embedded);
    m_rows = contents.rows;
    ArrangeEngine(document).adoptLoadedPages(contents.pages);
    return photographsReadable(document);
}

bool CommandLine::saveProject(const UserSettings &st, const Document &document)
{
    const QString path = ProjectFile::withExtension(m_saveFile);
    QString error;
    if (!ProjectFile::write(path, ProjectFile::gather(st, m_rows, document.pages()), document.source, error))
        return fail(QObject::tr("Cannot write file %1:\n%2.").arg(path, error));
    std::printf("%s\n", path.toLocal8Bit().constData());
    std::fflush(stdout);
    return true;
}

bool CommandLine::listProject()
{
    const QString path = m_images.first();
    ProjectContents contents;
    QString error;
    if (!ProjectFile::read(path, contents, error, ByteBudget::Limit + 1))
        return fail(QObject::tr("Cannot read file %1:\n%2.").arg(path, error));
    const QByteArray json = QJsonDocument(ProjectJson::toJson(contents)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
    return true;
}
