#include "AppServer.h"

#include "Dispatcher.h"
#include "OperationBindings.h"
#include "RemoteServer.h"
#include "SampleData.h"
#include "ServerMethods1.h"
#include "Store.h"
#include "WebSite.h"

#include <QDateTime>
#include <QFileInfo>
#include <QObject>
#include <QThread>

#include <cstdio>

namespace vorpa {

/// The thread the web side runs on, so that it answers while the owner's thread is busy.
struct AppServer::WebThread {
    QThread thread;
    QObject context;
    std::unique_ptr<WebSite> site;
};

AppServer::AppServer(const Options &options)
    : m_options(options)
    , m_store(std::make_unique<Store>(options.database))
    , m_methods(std::make_unique<ServerMethods1>(*m_store))
    , m_dispatcher(std::make_unique<Dispatcher>())
{
    registerOperations(*m_dispatcher, *m_methods);
    if (options.logCalls) {
        m_dispatcher->setCallObserver([](const QString &method, qint64 microseconds, const QString &failure) {
            const QString line = QStringLiteral("%1 %2 %3 ms %4\n")
                                     .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), method)
                                     .arg(microseconds / 1000.0, 0, 'f', 2)
                                     .arg(failure.isEmpty() ? QStringLiteral("tamam") : QStringLiteral("HATA: ") + failure);
            std::fputs(line.toUtf8().constData(), stderr);
        });
    }
}

AppServer::~AppServer()
{
    stop();
}

bool AppServer::prepareStore()
{
    if (m_store->hasSchema()) {
        m_store->ensureSearchIndex();
        return false;
    }
    m_store->createSchema();
    SampleData::generate(*m_store, {m_options.seed, m_options.catalogueSize});
    return true;
}

bool AppServer::start(QString *error)
{
    Store &store = *m_store;
    m_remote = std::make_unique<RemoteServer>(*m_dispatcher);
    m_remote->setThreadHooks([] {}, [&store] { store.closeThreadConnection(); });
    if (!m_remote->listen(m_options.address, m_options.port)) {
        if (error)
            *error = QStringLiteral("TCP portu açılamadı (%1): %2").arg(m_options.port).arg(m_remote->errorString());
        m_remote.reset();
        return false;
    }

    m_web = std::make_unique<WebThread>();
    m_web->context.moveToThread(&m_web->thread);
    m_web->thread.start();
    QMetaObject::invokeMethod(&m_web->context, [this, &store] {
        m_web->site = std::make_unique<WebSite>(store, m_options.setupFile);
        m_webPort = m_web->site->listen(m_options.address, m_options.webPort);
    }, Qt::BlockingQueuedConnection);
    if (m_webPort == 0) {
        if (error)
            *error = QStringLiteral("Web portu açılamadı (%1).").arg(m_options.webPort);
        stop();
        return false;
    }
    return true;
}

void AppServer::stop()
{
    if (m_remote) {
        m_remote->close();
        m_remote.reset();
    }
    if (m_web) {
        Store &store = *m_store;
        QMetaObject::invokeMethod(&m_web->context, [this, &store] {
            m_web->site.reset();
            store.closeThreadConnection();
        }, Qt::BlockingQueuedConnection);
        m_web->thread.quit();
        m_web->thread.wait();
        m_web.reset();
        m_webPort = 0;
    }
}

quint16 AppServer::port() const
{
    return m_remote ? m_remote->port() : 0;
}

} // namespace vorpa
