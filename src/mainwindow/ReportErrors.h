#pragma once

#include <functional>

namespace vorpa {

/// Runs work from an event handler; an error that escapes it is shown in the application's
/// standard error box with its own text instead of unwinding through the event loop.
void ReportErrors(const std::function<void()> &work);

} // namespace vorpa
