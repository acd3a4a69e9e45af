#pragma once

#include <QHostAddress>
#include <QString>

#include <memory>

class QHttpServer;

namespace vorpa {

class Store;

/// The server's web side: stock pictures, the card payment page, the access request form, the
/// client setup download and a home page. Lives on the thread that creates it.
class WebSite {
public:
    /// setupFile: what "/exe/VorpaSetup.exe" serves; empty for none.
    WebSite(Store &store, const QString &setupFile);
    ~WebSite();

    /// The port listened on, 0 when listening failed.
    quint16 listen(const QHostAddress &address, quint16 port);

private:
    void addRoutes();

    Store &m_store;
    QString m_setupFile;
    std::unique_ptr<QHttpServer> m_server;
};

} // namespace vorpa
