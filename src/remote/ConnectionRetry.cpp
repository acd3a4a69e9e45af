#include "ConnectionRetry.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdio>
#include <exception>
#include <thread>

namespace vorpa {

namespace {

QMutex g_mutex;
RetryMessageSink g_sink;
std::chrono::milliseconds g_delay{500};

void report(const QString &text, bool finalError)
{
    RetryMessageSink sink;
    {
        QMutexLocker lock(&g_mutex);
        sink = g_sink;
    }
    if (sink) {
        sink(text, finalError);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

void setRetryMessageSink(RetryMessageSink sink)
{
    QMutexLocker lock(&g_mutex);
    g_sink = std::move(sink);
}

void setRetryDelay(std::chrono::milliseconds delay)
{
    QMutexLocker lock(&g_mutex);
    g_delay = delay;
}

std::chrono::milliseconds retryDelay()
{
    QMutexLocker lock(&g_mutex);
    return g_delay;
}

} // namespace vorpa

bool OpenConnectionWithRetry(vorpa::DSConnection &conn, int finalMessage)
{
    conn.Close();
    for (int attempt = 0; attempt < vorpa::ConnectionAttempts; ++attempt) {
        try {
            conn.Open();
            break;
        } catch (const std::exception &e) {
            vorpa::report(QString::fromUtf8(e.what()), false);
            conn.Close();
            std::this_thread::sleep_for(vorpa::retryDelay());
        }
    }
    if (!conn.Connected() && finalMessage == 1)
        vorpa::report(vorpa::ConnectionFailedText, true);
    return conn.Connected();
}
