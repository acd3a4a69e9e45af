#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The few things the program asks the desktop to do: open a file or address with its associated
// program, sound a system beep, end the process at once. Each goes through a replaceable handler so
// tests can observe it instead of it happening.

namespace vorpa {

enum class BeepKind { Exclamation, Hand, Asterisk, Question };

// target: a local file path or a URL; arguments: passed to a program that is started directly.
using ShellOpenHandler = std::function<bool(const QString &target, const QStringList &arguments)>;
using BeepHandler = std::function<void(BeepKind kind)>;
using ExitHandler = std::function<void(int exitCode)>;

// Each setter returns the handler it replaced; an empty handler restores the default.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);
BeepHandler setBeepHandler(BeepHandler handler);
ExitHandler setExitHandler(ExitHandler handler);

// Opens a file or address with the program associated with it; a file given arguments is started
// as a program with them. Returns whether the desktop accepted the request.
bool ShellOpen(const QString &target, const QStringList &arguments = {});

// Sounds a system beep. The default is silent until the widget layer installs the desktop's beep.
void Beep(BeepKind kind);

// Ends the process at once: no close queries, no saving, no destructors. Only the installed test
// handler makes it return, so callers must return right after calling it.
void EndProcess(int exitCode = 0);

} // namespace vorpa
