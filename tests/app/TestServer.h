#pragma once

#include "AdminCommands.h"
#include "AppServer.h"
#include "ConnectionRetry.h"
#include "Store.h"
#include "SystemSources.h"
#include "app/ClientOptions.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>

// The reference server on loopback ports with a fresh small database, this client pointed at it,
// and the workstation identity fixed so the tests can register it.
class TestServer
{
public:
    static constexpr const char *Workstation = "TEST-WS-0042";

    TestServer()
    {
        m_sources.disk = QString::fromLatin1(Workstation);
        vorpa::setSystemSources(&m_sources);
        vorpa::AppServer::Options options;
        options.database = m_dir.filePath(QStringLiteral("vorpa.sqlite"));
        options.catalogueSize = 300;
        options.address = QHostAddress::LocalHost;
        options.port = 0;
        options.webPort = 0;
        options.logCalls = false;
        m_server = std::make_unique<vorpa::AppServer>(options);
        m_server->prepareStore();
        QString error;
        m_started = m_server->start(&error);
        if (!m_started)
            qWarning("test server did not start: %s", qPrintable(error));
        pointClientAtServer();
    }

    ~TestServer()
    {
        m_server->stop();
        vorpa::setSystemSources(nullptr);
    }

    bool started() const { return m_started; }
    vorpa::Store &store() { return m_server->store(); }
    quint16 port() const { return m_server->port(); }
    QString webRoot() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_server->webPort()); }

    void pointClientAtServer() { vorpa::ServerEndpoint::setCurrent({QStringLiteral("127.0.0.1"), port(), webRoot()}); }

    // Runs an administrator's subcommand; QFAIL-worthy output comes back on failure.
    bool admin(const QString &command, const vorpa::AdminCommands::Arguments &args)
    {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        const int code = vorpa::AdminCommands::run(command, args, store(), out, err);
        if (code != 0)
            qWarning("%s failed: %s", qPrintable(command), qPrintable(errText));
        return code == 0;
    }

    bool addUser(const QString &name, const QString &password, int role, int customer = 0)
    {
        vorpa::AdminCommands::Arguments args;
        args.name = name;
        args.password = password;
        args.role = QString::number(role);
        args.customer = role == 1 || role == 2 ? QString() : QString::number(customer);
        return admin(QStringLiteral("add-user"), args);
    }

    bool registerWorkstation(const QString &user)
    {
        vorpa::AdminCommands::Arguments args;
        args.workstation = QString::fromLatin1(Workstation);
        args.user = user;
        return admin(QStringLiteral("register-workstation"), args);
    }

    void execute(const QString &sql, const QVariantList &values = {})
    {
        store().write([&](QSqlDatabase &db) { vorpa::Store::run(db, sql, values); });
    }

    int firstCustomer() { return store().scalar(QStringLiteral("SELECT MIN(CARINO) FROM cari WHERE CARINO > 0")).toInt(); }

private:
    class FixedSources : public vorpa::SystemSources
    {
    public:
        QString disk;
        QString diskSerialNumber() const override { return disk; }
        QString adapterAddress() const override { return {}; }
        QString hostName() const override { return QStringLiteral("test-pc"); }
        QString userName() const override { return QStringLiteral("tester"); }
    };

    QTemporaryDir m_dir;
    FixedSources m_sources;
    std::unique_ptr<vorpa::AppServer> m_server;
    bool m_started = false;
};
