#include "ConnectionRetry.h"
#include "EchoServer.h"
#include "RemoteError.h"
#include "proxim.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace vorpa;
using namespace std::chrono_literals;

namespace {

/// A loopback port nothing listens on.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

struct Sunk {
    QString text;
    bool finalError;
};

/// Collects what OpenConnectionWithRetry reports and restores the defaults afterwards.
class SinkGuard {
public:
    explicit SinkGuard(std::chrono::milliseconds delay, std::function<void(int)> onMessage = {})
    {
        setRetryDelay(delay);
        setRetryMessageSink([this, onMessage](const QString &text, bool finalError) {
            messages.append({text, finalError});
            if (onMessage)
                onMessage(int(messages.size()));
        });
    }
    ~SinkGuard()
    {
        setRetryMessageSink({});
        setRetryDelay(500ms);
    }
    QList<Sunk> messages;
};

} // namespace

class tst_Connection : public QObject {
    Q_OBJECT
private slots:
    void defaultSettings_data();
    void defaultSettings();
    void cloneHasSameSettingsAndIsNotOpen();
    void openFailures_data();
    void openFailures();
    void silentPeerTimesOutDuringGreeting();
    void droppedServerReadsAsNotConnected();
    void retryGivesUpAfterElevenAttemptsWithRealDelay();
    void retryMessages_data();
    void retryMessages();
    void retrySucceedsOnceTheServerComesUp();
};

void tst_Connection::defaultSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("ConnectionName") << "ConnectionName" << "DataSnapCONNECTION";
    QTest::newRow("DriverName") << "DriverName" << "DataSnap";
    QTest::newRow("CommunicationProtocol") << "CommunicationProtocol" << "tcp/ip";
    QTest::newRow("Port") << "Port" << "9090";
    QTest::newRow("DSContext") << "DSContext" << "datasnap/";
    QTest::newRow("Filters") << "Filters" << "{}";
}

void tst_Connection::defaultSettings()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    DSConnection c;
    QCOMPARE(c.param(name), value);
    QVERIFY(!c.LoginPrompt());
    QVERIFY(!c.Connected());
    QCOMPARE(c.connectTimeout(), 10000);
    QCOMPARE(c.callTimeout(), 60000);
}

void tst_Connection::cloneHasSameSettingsAndIsNotOpen()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    DSConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(server.port());
    bagc.setCallTimeout(1234);
    bagc.Open();
    QVERIFY(bagc.Connected());

    std::unique_ptr<DSConnection> copy = bagc.CloneConnection();
    QVERIFY(!copy->Connected());
    QCOMPARE(copy->params(), bagc.params());
    QCOMPARE(copy->callTimeout(), 1234);
    copy->Open();
    TServerMethods1Client proxy(copy.get());
    QCOMPARE(proxy.SanalposSiranoVer(7), 1007);
    copy->setHostName(QStringLiteral("baska.sunucu"));
    QCOMPARE(bagc.HostName(), QStringLiteral("127.0.0.1"));
    QVERIFY(bagc.Connected());
}

void tst_Connection::openFailures_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("text");
    QTest::newRow("no host") << "" << "9090" << "Sunucu adresi belirtilmemiş";
    QTest::newRow("port not a number") << "127.0.0.1" << "dokuz" << "Geçersiz sunucu portu: \"dokuz\"";
    QTest::newRow("port out of range") << "127.0.0.1" << "70000" << "Geçersiz sunucu portu: \"70000\"";
    const QString refused = QString::number(closedPort());
    QTest::newRow("refused") << "127.0.0.1" << refused
                             << QStringLiteral("Sunucuya bağlanılamadı (127.0.0.1:%1): ").arg(refused);
}

void tst_Connection::openFailures()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, text);
    DSConnection c;
    c.setHostName(host);
    c.setPort(port);
    try {
        c.Open();
        QFAIL("opened");
    } catch (const RemoteError &e) {
        QVERIFY2(e.text().startsWith(text), e.what());
    }
    QVERIFY(!c.Connected());
}

void tst_Connection::silentPeerTimesOutDuringGreeting()
{
    QTcpServer silent; // accepts (the kernel does) and never says a word
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    DSConnection c;
    c.setHostName(QStringLiteral("127.0.0.1"));
    c.setPort(silent.serverPort());
    c.setConnectTimeout(300);
    try {
        c.Open();
        QFAIL("opened");
    } catch (const RemoteError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("300 ms içinde yanıt vermedi")), e.what());
    }
    QVERIFY(!c.Connected());
}

void tst_Connection::droppedServerReadsAsNotConnected()
{
    auto server = std::make_unique<echo::EchoServer>();
    QVERIFY(server->start());
    const quint16 port = server->port();
    DSConnection c;
    c.setHostName(QStringLiteral("127.0.0.1"));
    c.setPort(port);
    c.Open();
    QVERIFY(c.Connected());
    server.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!c.Connected(), 30000);

    // The same component opens again once a server is back.
    echo::EchoServer again;
    QVERIFY(again.start());
    c.setPort(again.port());
    c.Open();
    TServerMethods1Client proxy(c);
    QCOMPARE(proxy.KayanYaziGetir(), QStringLiteral("KayanYaziGetir:"));
}

// The one test that waits for real: 11 failed attempts, 500 ms apart.
void tst_Connection::retryGivesUpAfterElevenAttemptsWithRealDelay()
{
    setRetryDelay(500ms);
    QList<Sunk> messages;
    setRetryMessageSink([&](const QString &text, bool finalError) { messages.append({text, finalError}); });
    DSConnection c;
    c.setHostName(QStringLiteral("127.0.0.1"));
    c.setPort(closedPort());
    QElapsedTimer t;
    t.start();
    const bool open = OpenConnectionWithRetry(c, 1);
    const qint64 elapsed = t.elapsed();
    setRetryMessageSink({});
    QVERIFY(!open);
    QCOMPARE(messages.size(), 12);
    QVERIFY2(elapsed >= 5400, qPrintable(QString::number(elapsed)));
    QCOMPARE(messages.last().text, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
}

void tst_Connection::retryMessages_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("expected");
    QTest::newRow("final message wanted") << 1 << 12;
    QTest::newRow("no final message") << 0 << 11;
    QTest::newRow("any other flag is no") << 2 << 11;
}

void tst_Connection::retryMessages()
{
    QFETCH(int, flag);
    QFETCH(int, expected);
    SinkGuard sink(0ms);
    DSConnection c;
    c.setHostName(QStringLiteral("127.0.0.1"));
    const quint16 port = closedPort();
    c.setPort(port);
    QVERIFY(!OpenConnectionWithRetry(c, flag));
    QCOMPARE(sink.messages.size(), expected);
    for (int k = 0; k < 11; ++k) {
        QVERIFY(!sink.messages[k].finalError);
        QVERIFY2(sink.messages[k].text.startsWith(QStringLiteral("Sunucuya bağlanılamadı (127.0.0.1:%1)").arg(port)),
                 qPrintable(sink.messages[k].text));
    }
    if (expected == 12) {
        QVERIFY(sink.messages.last().finalError);
        QCOMPARE(sink.messages.last().text, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    }
    QVERIFY(!c.Connected());
}

void tst_Connection::retrySucceedsOnceTheServerComesUp()
{
    const quint16 port = closedPort();
    echo::EchoServer server;
    SinkGuard sink(0ms, [&](int count) {
        if (count == 3)
            QVERIFY(server.server().listen(QHostAddress::LocalHost, port));
    });
    DSConnection c;
    c.setHostName(QStringLiteral("127.0.0.1"));
    c.setPort(port);
    QVERIFY(OpenConnectionWithRetry(c, 1));
    QCOMPARE(sink.messages.size(), 3);
    QVERIFY(c.Connected());

    // Already open: closed first, then opened again without a message.
    QVERIFY(OpenConnectionWithRetry(c, 1));
    QCOMPARE(sink.messages.size(), 3);
    TServerMethods1Client proxy(c);
    QCOMPARE(proxy.AcilisReklamAdet(), 1000);
}

QTEST_GUILESS_MAIN(tst_Connection)
#include "tst_connection.moc"
