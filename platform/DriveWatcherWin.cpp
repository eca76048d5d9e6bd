// The Windows drive watcher: a hidden native window that receives the
// system's device-change broadcasts.
#include "platform/DriveWatcher.h"

#ifdef Q_OS_WIN

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QtGlobal>

#include <qt_windows.h>

Q_LOGGING_CATEGORY(lcPlatform, "velmora.platform", QtWarningMsg)

namespace {

LRESULT CALLBACK driveWatcherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // DBT_DEVICEARRIVAL (0x8000) to DBT_DEVICEREMOVECOMPLETE (0x8004).
    if (message == WM_DEVICECHANGE && wParam >= 0x8000 && wParam <= 0x8004) {
        auto *watcher = reinterpret_cast<DriveWatcher *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (watcher)
            Q_EMIT watcher->driveChanged();
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

DriveWatcher::DriveWatcher(QObject *parent) : QObject(parent)
{
    startWatching(QString());
}

DriveWatcher::DriveWatcher(const QString &, QObject *parent) : DriveWatcher(parent) {}

DriveWatcher::~DriveWatcher()
{
    if (m_window)
        DestroyWindow(static_cast<HWND>(m_window));
    UnregisterClassW(reinterpret_cast<LPCWSTR>(m_className.utf16()), GetModuleHandleW(nullptr));
}

void DriveWatcher::startWatching(const QString &)
{
    m_className = QStringLiteral("DriveWatcherWidget")
                  + QString::number(reinterpret_cast<quintptr>(&driveWatcherProc));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = driveWatcherProc;
    wc.hInstance = instance;
    wc.lpszClassName = reinterpret_cast<LPCWSTR>(m_className.utf16());
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, wc.lpszClassName, 0, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd) {
        qCWarning(lcPlatform) << "DriveWatcher: no window for drive changes, error" << int(GetLastError());
        return;
    }
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_window = hwnd;
}

bool DriveWatcher::isWatching() const
{
    return m_window != nullptr;
}

#endif
