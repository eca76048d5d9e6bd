#include "platform/RecycleBin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace RecycleBin {

bool moveToTrash(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
#ifdef Q_OS_WIN
    // The shell wants a list of names ended by two zero characters.
    std::wstring from = QDir::toNativeSeparators(fileName).toStdWString();
    from.push_back(L'\0');
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.hwnd = nullptr;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.pTo = nullptr;
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI; // 0x0450
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
#else
    // Without the user's data folder the toolkit makes "files" and "info"
    // in the current folder instead of the trash: make the trash first.
    if (QFileInfo::exists(fileName)) {
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!dataHome.isEmpty())
            QDir().mkpath(dataHome + QStringLiteral("/Trash"));
    }
    return QFile::moveToTrash(fileName);
#endif
}

} // namespace RecycleBin
