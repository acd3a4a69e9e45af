#include "ServerFixture.h"

#include "proxim.h"

#include <stdexcept>

ServerFixture::ServerFixture(int catalogueSize, const QString &setupFile)
    : m_catalogueSize(catalogueSize)
    , m_setupFile(setupFile)
{
    start();
}

ServerFixture::~ServerFixture() = default;

void ServerFixture::start()
{
    vorpa::AppServer::Options options;
    options.database = databasePath();
    options.catalogueSize = m_catalogueSize;
    options.setupFile = m_setupFile;
    options.address = QHostAddress::LocalHost;
    options.port = 0;
    options.webPort = 0;
    options.logCalls = false;
    m_server = std::make_unique<vorpa::AppServer>(options);
    m_server->prepareStore();
    QString error;
    if (!m_server->start(&error))
        throw std::runtime_error(error.toStdString());
}

void ServerFixture::restart()
{
    m_server.reset();
    start();
}

QString ServerFixture::webRoot() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_server->webPort());
}

std::unique_ptr<vorpa::DSConnection> ServerFixture::connect() const
{
    auto connection = std::make_unique<vorpa::DSConnection>();
    connection->setHostName(QStringLiteral("127.0.0.1"));
    connection->setPort(port());
    connection->setCallTimeout(120000);
    connection->Open();
    return connection;
}

TSonucBilgisi ServerFixture::login(const QString &user) const
{
    auto connection = connect();
    TServerMethods1Client proxy(*connection);
    TSonucBilgisi session;
    const TSonucBilgisi *answer = proxy.BuyukGetir(QStringLiteral("VORPA-") + user);
    if (!answer || !answer->Varmi())
        throw std::runtime_error("no such sample user");
    session.Kopyala(*answer);
    return session;
}
