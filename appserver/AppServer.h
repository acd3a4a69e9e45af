#pragma once

#include <QHostAddress>
#include <QString>

#include <memory>

class ServerMethods1;

namespace vorpa {

class Dispatcher;
class RemoteServer;
class Store;

/// The whole reference server in one object: the store (created with sample data when new), the
/// operations behind the remote-call port, and the web side on its own thread.
class AppServer {
public:
    struct Options {
        QString database;
        QString setupFile;
        quint32 seed = 1;
        int catalogueSize = 20000;
        QHostAddress address = QHostAddress::Any;
        quint16 port = 9090;
        quint16 webPort = 8080;
        bool logCalls = true;
    };

    explicit AppServer(const Options &options);
    ~AppServer();
    AppServer(const AppServer &) = delete;
    AppServer &operator=(const AppServer &) = delete;

    /// Creates the schema and the sample data when the database is new (true), or brings an older
    /// database up to the current indexes (false).
    bool prepareStore();
    /// Listens on both ports; false with a Turkish reason in error when either fails.
    bool start(QString *error = nullptr);
    /// Stops both sides and waits for their threads. Safe to call twice.
    void stop();

    quint16 port() const;
    quint16 webPort() const { return m_webPort; }
    Store &store() { return *m_store; }

private:
    struct WebThread;

    Options m_options;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<ServerMethods1> m_methods;
    std::unique_ptr<Dispatcher> m_dispatcher;
    std::unique_ptr<RemoteServer> m_remote;
    std::unique_ptr<WebThread> m_web;
    quint16 m_webPort = 0;
};

} // namespace vorpa
