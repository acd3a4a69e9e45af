#include "EchoServer.h"
#include "FrameBuffer.h"
#include "RemoteError.h"
#include "WireWriter.h"
#include "proxim.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <functional>

using namespace vorpa;

namespace {

constexpr int Wait = 30000;

QByteArray frameOf(quint32 length, const QByteArray &rest = {})
{
    QByteArray f(4, '\0');
    qToBigEndian(length, f.data());
    return f + rest;
}

QByteArray frameBody(const QByteArray &body) { return frameOf(quint32(body.size()), body); }

/// Reads one whole frame from a blocking socket; empty on time-out or close.
QByteArray readFrame(QTcpSocket &socket, FrameBuffer &buffer)
{
    for (;;) {
        if (std::optional<QByteArray> body = buffer.next())
            return *body;
        if (!socket.waitForReadyRead(Wait))
            return {};
        buffer.append(socket.readAll());
    }
}

/// A fake server on its own thread: greets like the real one, reads one call, then does
/// whatever the test script says with the socket.
class ScriptedPeer {
public:
    using Script = std::function<void(QTcpSocket &, const CallMessage &)>;

    explicit ScriptedPeer(Script script)
    {
        std::atomic<int> port{-1};
        m_thread.reset(QThread::create([this, script, &port] {
            QTcpServer server;
            port = server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
            if (!server.waitForNewConnection(Wait))
                return;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);
            if (readFrame(*socket, buffer).isEmpty())
                return;
            socket->write(FrameCodec::encode(WelcomeMessage{FrameCodec::ProtocolVersion}));
            socket->waitForBytesWritten(Wait);
            const QByteArray call = readFrame(*socket, buffer);
            if (call.isEmpty())
                return;
            script(*socket, std::get<CallMessage>(FrameCodec::decode(call)));
        }));
        m_thread->start();
        while (port < 0)
            QThread::yieldCurrentThread();
        m_port = quint16(port);
    }
    ~ScriptedPeer() { m_thread->wait(); }

    quint16 port() const { return m_port; }

private:
    std::unique_ptr<QThread> m_thread;
    quint16 m_port = 0;
};

void sendAndHold(QTcpSocket &s, const QByteArray &bytes)
{
    s.write(bytes);
    s.waitForBytesWritten(Wait);
    // Stay until the client gives up and closes its side.
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(Wait))
        s.readAll();
}

void sendAndClose(QTcpSocket &s, const QByteArray &bytes)
{
    if (!bytes.isEmpty()) {
        s.write(bytes);
        s.waitForBytesWritten(Wait);
    }
    s.disconnectFromHost();
    if (s.state() != QAbstractSocket::UnconnectedState)
        s.waitForDisconnected(Wait);
}

QByteArray replyBody(quint32 id, const QByteArray &resultValue)
{
    WireWriter w;
    w.u8(quint8(FrameCodec::Kind::Reply));
    w.u32(id);
    w.u16(0);
    return w.take() + resultValue;
}

std::unique_ptr<DSConnection> connectTo(quint16 port, int callTimeoutMs = DSConnection::DefaultCallTimeoutMs)
{
    auto conn = std::make_unique<DSConnection>();
    conn->setHostName(QStringLiteral("127.0.0.1"));
    conn->setPort(port);
    conn->setCallTimeout(callTimeoutMs);
    conn->Open();
    return conn;
}

/// A bare client socket that has greeted the server.
std::unique_ptr<QTcpSocket> rawClient(quint16 port, bool greet = true)
{
    auto s = std::make_unique<QTcpSocket>();
    s->connectToHost(QHostAddress::LocalHost, port);
    if (!s->waitForConnected(Wait))
        return nullptr;
    if (greet) {
        s->write(FrameCodec::encode(HelloMessage{FrameCodec::ProtocolVersion}));
        FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);
        if (readFrame(*s, buffer).isEmpty())
            return nullptr;
    }
    return s;
}

QString failureText(const QByteArray &body)
{
    if (body.isEmpty())
        return QStringLiteral("<no answer>");
    const Message m = FrameCodec::decode(body);
    if (const auto *f = std::get_if<FailureMessage>(&m))
        return f->message;
    return QStringLiteral("<not a failure>");
}

} // namespace

class tst_Robustness : public QObject {
    Q_OBJECT
private slots:
    void misbehavingServer_data();
    void misbehavingServer();
    void dispatcherRefusesBadCalls_data();
    void dispatcherRefusesBadCalls();
    void serverRefusesOversizedPrefixAndStaysUp();
    void serverAnswersGarbageAndKeepsTheConnection();
    void serverWantsGreetingFirst_data();
    void serverWantsGreetingFirst();
    void serverSurvivesTruncatedFrameAndClose();
    void manyClientsAtOnce();
    void closingTheServerDropsClients();
};

void tst_Robustness::misbehavingServer_data()
{
    QTest::addColumn<int>("script");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<bool>("stillConnected");
    QTest::newRow("oversized length prefix") << 0 << QStringLiteral("çok büyük") << false;
    QTest::newRow("truncated reply, then close") << 1 << QStringLiteral("kapattı") << false;
    QTest::newRow("closes mid-call") << 2 << QStringLiteral("kapattı") << false;
    QTest::newRow("never answers") << 3 << QStringLiteral("yanıt vermedi") << false;
    QTest::newRow("invalid JSON record") << 4 << QStringLiteral("JSON") << false;
    QTest::newRow("answer of the wrong kind") << 5 << QStringLiteral("beklenmeyen yanıt") << true;
    QTest::newRow("answer to another call") << 6 << QStringLiteral("başka bir çağrıya") << false;
}

void tst_Robustness::misbehavingServer()
{
    QFETCH(int, script);
    QFETCH(QString, mentions);
    QFETCH(bool, stillConnected);
    ScriptedPeer peer([script](QTcpSocket &s, const CallMessage &call) {
        const QByteArray packet = FrameCodec::encode(ReplyMessage{call.id, {}, WireValue::packet(DataSet())});
        switch (script) {
        case 0: sendAndHold(s, frameOf(0xfffffff0u)); break;
        case 1: sendAndClose(s, packet.left(packet.size() - 3)); break;
        case 2: sendAndClose(s, {}); break;
        case 3: sendAndHold(s, {}); break;
        case 4: sendAndHold(s, frameBody(replyBody(call.id, QByteArray::fromHex("06 00000003") + "{x}"))); break;
        case 5: sendAndHold(s, FrameCodec::encode(ReplyMessage{call.id, {}, WireValue::fromInt32(1)})); break;
        case 6: sendAndHold(s, FrameCodec::encode(ReplyMessage{call.id + 1, {}, WireValue::packet(DataSet())})); break;
        }
    });
    auto conn = connectTo(peer.port(), 1500);
    TServerMethods1Client proxy(conn.get());
    try {
        proxy.SepetVer2(1);
        QFAIL("no exception");
    } catch (const RemoteError &e) {
        QVERIFY(!e.isServerFailure());
        QVERIFY2(e.text().contains(mentions), e.what());
    }
    QCOMPARE(conn->Connected(), stillConnected);
    conn->Close(); // lets the holding peer finish
}

void tst_Robustness::dispatcherRefusesBadCalls_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QList<WireValue>>("params");
    QTest::addColumn<QString>("text");
    const auto i = [](int v) { return WireValue::fromInt32(v); };
    QTest::newRow("unknown operation") << QStringLiteral("TServerMethods1.Yok") << QList<WireValue>{}
                                       << QStringLiteral("Bilinmeyen işlem: TServerMethods1.Yok");
    QTest::newRow("name without class") << QStringLiteral("SepetVer2") << QList<WireValue>{i(1)}
                                        << QStringLiteral("Bilinmeyen işlem: SepetVer2");
    QTest::newRow("too few parameters") << QStringLiteral("TServerMethods1.SepetVer2") << QList<WireValue>{}
                                        << QStringLiteral("TServerMethods1.SepetVer2: 1 parametre bekleniyordu, 0 geldi");
    QTest::newRow("wrong type") << QStringLiteral("TServerMethods1.StokHareketVer")
                                << QList<WireValue>{i(1), WireValue::fromDouble(2)}
                                << QStringLiteral("TServerMethods1.StokHareketVer: 2. parametre (stokno) Integer "
                                                  "olmalı, Double geldi");
    QTest::newRow("record of another class")
        << QStringLiteral("TServerMethods1.SepetSayisi") << QList<WireValue>{WireValue::fromRecord(TTusSonuclari().toJson())}
        << QStringLiteral("TServerMethods1.SepetSayisi: 1. parametre (bil): baglantiu.TSonucBilgisi türünde kayıt "
                          "bekleniyordu, baglantiu.TTusSonuclari geldi");
    QTest::newRow("handler throws") << QStringLiteral("TServerMethods1.YenilerVer2") << QList<WireValue>{i(1)}
                                    << QStringLiteral("Yeni ürün listesi alınamadı");
    QTest::newRow("handler throws something odd") << QStringLiteral("TServerMethods1.KargoVer") << QList<WireValue>{}
                                                  << QStringLiteral("TServerMethods1.KargoVer: sunucuda beklenmeyen bir hata oluştu");
    QTest::newRow("answer of the wrong kind") << QStringLiteral("TServerMethods1.SepetVer2") << QList<WireValue>{i(1)}
                                              << QStringLiteral("Sunucu hatası: TServerMethods1.SepetVer2: sonuç veri "
                                                                "paketi olmalı, Integer geldi");
    QTest::newRow("unknown parameter name") << QStringLiteral("TServerMethods1.TeslimVer") << QList<WireValue>{}
                                            << QStringLiteral("TServerMethods1.TeslimVer: yok adında parametre yok");
    QTest::newRow("no handler") << QStringLiteral("TServerMethods1.Tahsilat") << QList<WireValue>{i(1)}
                                << QStringLiteral("TServerMethods1.Tahsilat bu sunucuda tanımlı değil");
}

void tst_Robustness::dispatcherRefusesBadCalls()
{
    QFETCH(QString, method);
    QFETCH(QList<WireValue>, params);
    QFETCH(QString, text);
    Dispatcher d;
    d.registerOperation("SepetVer2", [](const CallParams &) { return CallResult::integer(1); });
    d.registerOperation("StokHareketVer", [](const CallParams &) { return CallResult::packet(DataSet()); });
    d.registerOperation("SepetSayisi", [](const CallParams &) { return CallResult::integer(1); });
    d.registerOperation("YenilerVer2", [](const CallParams &) -> CallResult {
        throw std::runtime_error("Yeni ürün listesi alınamadı");
    });
    d.registerOperation("KargoVer", [](const CallParams &) -> CallResult { throw 42; });
    d.registerOperation("TeslimVer", [](const CallParams &p) { return CallResult::integer(p.integer("yok")); });
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, d.registerOperation("Yok", {}));

    const auto outcome = d.dispatch(CallMessage{12, method, params});
    QVERIFY(std::holds_alternative<FailureMessage>(outcome));
    QCOMPARE(std::get<FailureMessage>(outcome).id, 12u);
    QCOMPARE(std::get<FailureMessage>(outcome).message, text);
}

void tst_Robustness::serverRefusesOversizedPrefixAndStaysUp()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto raw = rawClient(server.port());
    QVERIFY(raw);
    raw->write(frameOf(FrameCodec::DefaultMaxMessageSize + 1));
    FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);
    QVERIFY(failureText(readFrame(*raw, buffer)).contains(QStringLiteral("çok büyük")));
    QVERIFY(raw->state() == QAbstractSocket::UnconnectedState || raw->waitForDisconnected(Wait));

    auto conn = connectTo(server.port());
    TServerMethods1Client proxy(conn.get());
    QCOMPARE(proxy.AcilisReklamAdet(), 1000);
}

void tst_Robustness::serverAnswersGarbageAndKeepsTheConnection()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto raw = rawClient(server.port());
    QVERIFY(raw);
    FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);

    // A call whose record is not JSON: answered under its own id, connection kept.
    const QByteArray badCall = QByteArray::fromHex("03 00000009 0000001c") + "TServerMethods1.SepetSayisi"
        + QByteArray::fromHex("0001 06 00000002") + "{[";
    raw->write(frameBody(badCall));
    const Message answer = FrameCodec::decode(readFrame(*raw, buffer));
    QVERIFY(std::holds_alternative<FailureMessage>(answer));
    QCOMPARE(std::get<FailureMessage>(answer).id, 9u);
    QVERIFY(std::get<FailureMessage>(answer).message.contains(QStringLiteral("Geçersiz ileti")));

    raw->write(FrameCodec::encode(CallMessage{10, QStringLiteral("TServerMethods1.AcilisReklamAdet"), {}}));
    const Message good = FrameCodec::decode(readFrame(*raw, buffer));
    QVERIFY(std::holds_alternative<ReplyMessage>(good));
    QCOMPARE(std::get<ReplyMessage>(good).result.toInt32(), 1000);
}

void tst_Robustness::serverWantsGreetingFirst_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("call before greeting")
        << FrameCodec::encode(CallMessage{1, QStringLiteral("TServerMethods1.KargoVer"), {}})
        << QStringLiteral("el sıkışma");
    QTest::newRow("other protocol version") << FrameCodec::encode(HelloMessage{99}) << QStringLiteral("sürüm");
    QTest::newRow("garbage") << frameBody("\x01xyz") << QStringLiteral("Geçersiz ileti");
}

void tst_Robustness::serverWantsGreetingFirst()
{
    QFETCH(QByteArray, first);
    QFETCH(QString, mentions);
    echo::EchoServer server;
    QVERIFY(server.start());
    auto raw = rawClient(server.port(), false);
    QVERIFY(raw);
    raw->write(first);
    FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);
    const QString text = failureText(readFrame(*raw, buffer));
    QVERIFY2(text.contains(mentions), qPrintable(text));
    QVERIFY(raw->state() == QAbstractSocket::UnconnectedState || raw->waitForDisconnected(Wait));
    QVERIFY(server.calls().isEmpty());
}

void tst_Robustness::serverSurvivesTruncatedFrameAndClose()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    {
        auto raw = rawClient(server.port());
        QVERIFY(raw);
        const QByteArray call = FrameCodec::encode(CallMessage{1, QStringLiteral("TServerMethods1.SepetVer2"),
                                                               {WireValue::fromInt32(5)}});
        raw->write(call.left(call.size() - 2));
        raw->waitForBytesWritten(Wait);
        QTRY_COMPARE_WITH_TIMEOUT(server.server().connectionCount(), 1, Wait);
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.server().connectionCount(), 0, Wait);
    QVERIFY(server.calls().isEmpty());
    auto conn = connectTo(server.port());
    TServerMethods1Client proxy(conn.get());
    QCOMPARE(proxy.SepetVer2(5).intValue(0, 1), 5);
}

void tst_Robustness::manyClientsAtOnce()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    constexpr int Clients = 8;
    constexpr int Calls = 25;
    std::atomic<int> good{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int c = 0; c < Clients; ++c) {
        threads.emplace_back(QThread::create([&, c] {
            try {
                auto conn = connectTo(server.port());
                TServerMethods1Client proxy(conn.get());
                for (int k = 0; k < Calls; ++k) {
                    const int carino = c * 1000 + k;
                    if (proxy.SepetVer2(carino).intValue(0, 1) == carino)
                        ++good;
                }
            } catch (const std::exception &) {
            }
        }));
        threads.back()->start();
    }
    for (auto &t : threads)
        QVERIFY(t->wait(120000));
    QCOMPARE(good.load(), Clients * Calls);
}

void tst_Robustness::closingTheServerDropsClients()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto a = connectTo(server.port());
    auto b = connectTo(server.port());
    QTRY_COMPARE_WITH_TIMEOUT(server.server().connectionCount(), 2, Wait);
    server.server().close();
    QCOMPARE(server.server().connectionCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!a->Connected(), Wait);
    // Whether the drop is noticed when the proxy is made or during the call, it is a transport error.
    try {
        TServerMethods1Client p(b.get());
        p.KargoVer();
        QFAIL("a call on a dropped connection succeeded");
    } catch (const RemoteError &e) {
        QVERIFY(!e.isServerFailure());
    }
    QVERIFY(!b->Connected());
}

QTEST_GUILESS_MAIN(tst_Robustness)
#include "tst_robustness.moc"
