#pragma once

#include "AppServer.h"
#include "DSConnection.h"
#include "baglantiu.h"

#include <QTemporaryDir>

#include <memory>

/// A reference server on a fresh small sample database, listening on free loopback ports, with
/// helpers to connect to it and to log in as one of the sample users.
class ServerFixture {
public:
    explicit ServerFixture(int catalogueSize = 400, const QString &setupFile = QString());
    ~ServerFixture();

    /// Stops the server and starts a new one on the same database file.
    void restart();

    vorpa::AppServer &server() { return *m_server; }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("test.db")); }
    quint16 port() const { return m_server->port(); }
    QString webRoot() const;

    /// An open connection to the server.
    std::unique_ptr<vorpa::DSConnection> connect() const;
    /// The session record of a sample user, fetched as the login does (workstation "VORPA-" + name).
    TSonucBilgisi login(const QString &user) const;

private:
    void start();

    QTemporaryDir m_dir;
    int m_catalogueSize;
    QString m_setupFile;
    std::unique_ptr<vorpa::AppServer> m_server;
};
