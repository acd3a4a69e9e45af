#pragma once

#include "DSConnection.h"
#include "Dispatcher.h"
#include "OperationBindings.h"
#include "RemoteServer.h"
#include "SampleData.h"
#include "ServerMethods1.h"
#include "Store.h"
#include "baglantiu.h"
#include "proxim.h"

#include <QMutex>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The reference server's operations over a small sample database on a loopback port, with a log
// of the basket and search calls it received. Tests may replace operations before it listens.
class ReferenceServer {
public:
    struct BasketCall {
        QString operation; // "SepetEkle2" or "SepetGuncelle2"
        int stokno = 0;
        QString barkod;
        double miktar = 0;
        double kdv = 0;
        double fiyat = 0;
        double ind[4] = {0, 0, 0, 0};
        int k = 0;       // SepetEkle2
        int sirano = 0;  // SepetGuncelle2
    };
    using Customise = std::function<void(vorpa::Dispatcher &, ServerMethods1 &)>;

    explicit ReferenceServer(const Customise &customise = {}, int catalogueSize = 300)
        : m_store(m_dir.filePath(QStringLiteral("vorpa.db"))), m_methods(m_store)
    {
        m_store.createSchema();
        vorpa::SampleData::generate(m_store, {7, catalogueSize});
        vorpa::registerOperations(m_dispatcher, m_methods);
        using P = const vorpa::CallParams &;
        m_dispatcher.registerOperation(QStringLiteral("VorpaStokAraGetir"), [this](P p) {
            log([&] { m_searches << p.string(0); });
            return vorpa::CallResult::packet(
                m_methods.VorpaStokAraGetir(p.string(0), p.record<TSonucBilgisi>(1).get()));
        });
        m_dispatcher.registerOperation(QStringLiteral("SepetVer2"), [this](P p) {
            log([&] { ++m_basketLoads; });
            return vorpa::CallResult::packet(m_methods.SepetVer2(p.integer(0)));
        });
        m_dispatcher.registerOperation(QStringLiteral("SepetEkle2"), [this](P p) {
            BasketCall call{QStringLiteral("SepetEkle2"), p.integer(2), p.string(3), p.real(5), p.real(6), p.real(7),
                            {p.real(8), p.real(11), p.real(12), p.real(13)}, p.integer(10), 0};
            log([&] { m_basketCalls << call; });
            return vorpa::CallResult::integer(m_methods.SepetEkle2(
                p.record<TSonucBilgisi>(0).get(), p.integer(1), p.integer(2), p.string(3), p.string(4), p.real(5),
                p.real(6), p.real(7), p.real(8), p.integer(9), p.integer(10), p.real(11), p.real(12), p.real(13)));
        });
        m_dispatcher.registerOperation(QStringLiteral("SepetGuncelle2"), [this](P p) {
            BasketCall call{QStringLiteral("SepetGuncelle2"), p.integer(2), p.string(3), p.real(5), p.real(6),
                            p.real(7), {p.real(8), p.real(11), p.real(12), p.real(13)}, 0, p.integer(10)};
            log([&] { m_basketCalls << call; });
            return vorpa::CallResult::integer(m_methods.SepetGuncelle2(
                p.record<TSonucBilgisi>(0).get(), p.integer(1), p.integer(2), p.string(3), p.string(4), p.real(5),
                p.real(6), p.real(7), p.real(8), p.integer(9), p.integer(10), p.real(11), p.real(12), p.real(13)));
        });
        if (customise)
            customise(m_dispatcher, m_methods);
        m_server = std::make_unique<vorpa::RemoteServer>(m_dispatcher);
        m_server->setThreadHooks([] {}, [this] { m_store.closeThreadConnection(); });
        if (!m_server->listen(QHostAddress::LocalHost, 0))
            qFatal("reference server did not listen");
    }
    ~ReferenceServer() { m_server->close(); }

    quint16 port() const { return m_server->port(); }
    void pointAt(vorpa::DSConnection &connection) const
    {
        connection.setHostName(QStringLiteral("127.0.0.1"));
        connection.setPort(port());
    }
    // The session record the login would have fetched for a sample workstation.
    TSonucBilgisi session(const QString &workstation = QString::fromLatin1(vorpa::SampleData::DemoWorkstation)) const
    {
        vorpa::DSConnection connection;
        pointAt(connection);
        connection.Open();
        TServerMethods1Client proxy(connection);
        TSonucBilgisi record;
        record.Kopyala(*proxy.BuyukGetir(workstation));
        return record;
    }
    vorpa::Store &store() { return m_store; }
    ServerMethods1 &methods() { return m_methods; }

    QStringList searches() const
    {
        QMutexLocker lock(&m_mutex);
        return m_searches;
    }
    QList<BasketCall> basketCalls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_basketCalls;
    }
    int basketLoads() const
    {
        QMutexLocker lock(&m_mutex);
        return m_basketLoads;
    }

private:
    template <typename F>
    void log(F f)
    {
        QMutexLocker lock(&m_mutex);
        f();
    }

    QTemporaryDir m_dir;
    vorpa::Store m_store;
    ServerMethods1 m_methods;
    vorpa::Dispatcher m_dispatcher;
    std::unique_ptr<vorpa::RemoteServer> m_server;
    mutable QMutex m_mutex;
    QStringList m_searches;
    QList<BasketCall> m_basketCalls;
    int m_basketLoads = 0;
};
