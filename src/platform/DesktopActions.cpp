#include "DesktopActions.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace vorpa {

namespace {

std::mutex handlerMutex;
ShellOpenHandler shellOpenHandler;
BeepHandler beepHandler;
ExitHandler exitHandler;

template<typename Handler>
Handler swapHandler(Handler &slot, Handler handler)
{
    std::lock_guard lock(handlerMutex);
    std::swap(slot, handler);
    return handler;
}

template<typename Handler>
Handler currentHandler(const Handler &slot)
{
    std::lock_guard lock(handlerMutex);
    return slot;
}

bool defaultShellOpen(const QString &target, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return QProcess::startDetached(target, arguments);
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

} // namespace

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler)
{
    return swapHandler(shellOpenHandler, std::move(handler));
}

BeepHandler setBeepHandler(BeepHandler handler)
{
    return swapHandler(beepHandler, std::move(handler));
}

ExitHandler setExitHandler(ExitHandler handler)
{
    return swapHandler(exitHandler, std::move(handler));
}

bool ShellOpen(const QString &target, const QStringList &arguments)
{
    if (const auto handler = currentHandler(shellOpenHandler))
        return handler(target, arguments);
    return defaultShellOpen(target, arguments);
}

void Beep(BeepKind kind)
{
    if (const auto handler = currentHandler(beepHandler))
        handler(kind);
}

void EndProcess(int exitCode)
{
    if (const auto handler = currentHandler(exitHandler)) {
        handler(exitCode);
        return;
    }
    // Whatever was written must reach the disk and the terminal; nothing else runs.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace vorpa
