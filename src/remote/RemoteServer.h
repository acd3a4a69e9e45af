#pragma once

#include "FrameCodec.h"

#include <QHostAddress>
#include <QString>

#include <functional>
#include <memory>

namespace vorpa {

class Dispatcher;

/// Accepts client connections on a TCP port and serves each one on a thread of its own through
/// a Dispatcher (see Dispatcher.h for how to use it). Listening runs on an internal thread, so
/// the owner's thread may block (a test calling through the client proxy, for instance).
class RemoteServer {
public:
    /// The dispatcher must outlive the server and not change while it listens.
    explicit RemoteServer(const Dispatcher &dispatcher);
    ~RemoteServer();
    RemoteServer(const RemoteServer &) = delete;
    RemoteServer &operator=(const RemoteServer &) = delete;

    /// Run on each connection's thread when it starts and when it ends (set before listen()).
    void setThreadHooks(std::function<void()> started, std::function<void()> finished);
    /// Larger length prefixes are refused and the connection closed (default 256 MiB).
    void setMaxMessageSize(quint32 bytes);

    /// Port 0 picks a free port; port() tells which.
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    bool isListening() const;
    quint16 port() const;
    QString errorString() const;
    /// Connections being served right now.
    int connectionCount() const;
    /// Stops accepting, drops every connection (a running handler finishes first) and waits
    /// for their threads. Safe to call twice.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vorpa
