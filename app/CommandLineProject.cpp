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
    if (const Outcome read = ProjectFile::read(path, contents, 0); !read)
        return fail(read.readMessage(path));
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
    const Outcome written = ProjectFile::write(path, ProjectFile::gather(st, m_rows, document.pages()), document.source);
    if (!written)
        return fail(written.writeMessage(path));
    std::printf("%s\n", path.toLocal8Bit().constData());
    std::fflush(stdout);
    return true;
}

bool CommandLine::listProject()
{
    const QString path = m_images.first();
    ProjectContents contents;
    if (const Outcome read = ProjectFile::read(path, contents, ByteBudget::Limit + 1); !read)
        return fail(read.readMessage(path));
    const QByteArray json = QJsonDocument(ProjectJson::toJson(contents)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
    return true;
}
