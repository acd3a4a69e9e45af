#pragma once

#include "DSConnection.h"

#include <QString>

#include <chrono>
#include <functional>

namespace vorpa {

/// Where OpenConnectionWithRetry's messages go: each failed attempt's own text (finalError
/// false), then, when asked for, the closing error (finalError true). Called on the thread that
/// retries; a window layer shows them as message boxes on the user-interface thread and blocks
/// until each is closed.
using RetryMessageSink = std::function<void(const QString &text, bool finalError)>;

/// Installs the sink; an empty one restores the default, which writes to stderr.
void setRetryMessageSink(RetryMessageSink sink);
/// The pause after each failed attempt (500 ms unless changed).
void setRetryDelay(std::chrono::milliseconds delay);
std::chrono::milliseconds retryDelay();

/// The text of the closing error.
inline const QString ConnectionFailedText = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
inline constexpr int ConnectionAttempts = 11;

} // namespace vorpa

/// Closes the connection, then tries to open it up to 11 times, reporting each failure's own text
/// and pausing after it; when every attempt failed and finalMessage is 1, reports the closing
/// error. Returns whether the connection is open. Only std::exception failures are retried;
/// anything else reaches the caller unchanged.
bool OpenConnectionWithRetry(vorpa::DSConnection &conn, int finalMessage);
