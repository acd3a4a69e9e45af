#include "EchoServer.h"
#include "RemoteError.h"
#include "StreamRead.h"
#include "proxim.h"

#include <QBuffer>
#include <QtTest>

#include <map>

using namespace vorpa;
using Args = QList<WireValue>;

namespace {

/// What a proxy method gave back, in wire form so it can be compared with the echo's answer.
struct Outcome {
    QList<WireValue> outs;
    WireValue result;
};

std::unique_ptr<TSonucBilgisi> rec(const Args &a, int k)
{
    return a[k].isNull() ? nullptr : TSonucBilgisi::fromJson(a[k].record());
}
int I(const Args &a, int k) { return a[k].toInt32(); }
double D(const Args &a, int k) { return a[k].toDouble(); }
QString S(const Args &a, int k) { return a[k].toString(); }

Outcome fromPacket(DataSet rows) { return {{}, WireValue::packet(std::move(rows))}; }
Outcome fromReader(ResultReader *reader) { return {{}, WireValue::reader(ReaderToDataSet(*reader))}; }
template <class T>
Outcome fromRecord(const T *r)
{
    return {{}, r ? WireValue::fromRecord(r->toJson()) : WireValue::null()};
}
Outcome fromStream(QIODevice *stream, qint64 size)
{
    const std::optional<QByteArray> bytes = ReadStreamExactly(stream, size);
    return {{WireValue::fromInt64(size)}, WireValue::stream(bytes.value_or(QByteArray("<dropped>")))};
}

using Invoker = std::function<Outcome(TServerMethods1Client &, const Args &)>;

// One entry per proxy method, calling it with the arguments in declaration order.
const std::map<QString, Invoker> &invokers()
{
    static const std::map<QString, Invoker> table = {
        {"BuyukGetir", [](auto &p, const Args &a) { return fromRecord(p.BuyukGetir(S(a, 0))); }},
        {"VorpaStokAraGetir",
         [](auto &p, const Args &a) { return fromPacket(p.VorpaStokAraGetir(S(a, 0), rec(a, 1).get())); }},
        {"ResimVer5",
         [](auto &p, const Args &a) {
             qint64 boy = -1;
             QIODevice *s = p.ResimVer5(I(a, 0), boy);
             return fromStream(s, boy);
         }},
        {"StokHareketVer", [](auto &p, const Args &a) { return fromPacket(p.StokHareketVer(I(a, 0), I(a, 1))); }},
        {"YenilerVer2", [](auto &p, const Args &a) { return fromPacket(p.YenilerVer2(I(a, 0))); }},
        {"KampanyaliVer2", [](auto &p, const Args &a) { return fromPacket(p.KampanyaliVer2(I(a, 0), I(a, 1))); }},
        {"AcilisEkranlarVer2", [](auto &p, const Args &) { return fromRecord(p.AcilisEkranlarVer2()); }},
        {"KayanYaziGetir",
         [](auto &p, const Args &) { return Outcome{{}, WireValue::fromString(p.KayanYaziGetir())}; }},
        {"BannerResimVer2",
         [](auto &p, const Args &) {
             qint64 size = -1;
             QIODevice *s = p.BannerResimVer2(size);
             return fromStream(s, size);
         }},
        {"BannerResimVer3",
         [](auto &p, const Args &) {
             qint64 size = -1;
             QIODevice *s = p.BannerResimVer3(size);
             return fromStream(s, size);
         }},
        {"BalonGetir", [](auto &p, const Args &a) { return fromReader(p.BalonGetir(rec(a, 0).get())); }},
        {"CariVadeGunGecmismiBul",
         [](auto &p, const Args &a) { return Outcome{{}, WireValue::fromString(p.CariVadeGunGecmismiBul(I(a, 0)))}; }},
        {"AcilisReklamAdet",
         [](auto &p, const Args &) { return Outcome{{}, WireValue::fromInt32(p.AcilisReklamAdet())}; }},
        {"AcilisREklamVer", [](auto &p, const Args &a) { return fromRecord(p.AcilisREklamVer(I(a, 0))); }},
        {"SepetVer2", [](auto &p, const Args &a) { return fromPacket(p.SepetVer2(I(a, 0))); }},
        {"SepetEkle2",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.SepetEkle2(rec(a, 0).get(), I(a, 1), I(a, 2), S(a, 3), S(a, 4),
                                                              D(a, 5), D(a, 6), D(a, 7), D(a, 8), I(a, 9), I(a, 10),
                                                              D(a, 11), D(a, 12), D(a, 13)))};
         }},
        {"SepetGuncelle2",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.SepetGuncelle2(rec(a, 0).get(), I(a, 1), I(a, 2), S(a, 3), S(a, 4),
                                                                  D(a, 5), D(a, 6), D(a, 7), D(a, 8), I(a, 9),
                                                                  I(a, 10), D(a, 11), D(a, 12), D(a, 13)))};
         }},
        {"SepetSatirSil",
         [](auto &p, const Args &a) {
             return Outcome{{}, WireValue::fromInt32(p.SepetSatirSil(rec(a, 0).get(), I(a, 1), S(a, 2)))};
         }},
        {"SepetHepsiniSil",
         [](auto &p, const Args &a) { return Outcome{{}, WireValue::fromInt32(p.SepetHepsiniSil(rec(a, 0).get()))}; }},
        {"SepetSecimGuncelle",
         [](auto &p, const Args &a) {
             p.SepetSecimGuncelle(I(a, 0), I(a, 1));
             return Outcome{{}, WireValue::null()};
         }},
        {"SiparisKaydet",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromBool(p.SiparisKaydet(rec(a, 0).get(), I(a, 1), I(a, 2), I(a, 3), S(a, 4),
                                                                I(a, 5), I(a, 6)))};
         }},
        {"TeslimVer", [](auto &p, const Args &) { return fromReader(p.TeslimVer()); }},
        {"KargoVer", [](auto &p, const Args &) { return fromReader(p.KargoVer()); }},
        {"KargolarVer", [](auto &p, const Args &a) { return fromReader(p.KargolarVer(I(a, 0))); }},
        {"OncekiSiparisler", [](auto &p, const Args &a) { return fromReader(p.OncekiSiparisler(I(a, 0))); }},
        {"SiparisAyrintisi2",
         [](auto &p, const Args &a) { return fromReader(p.SiparisAyrintisi2(I(a, 0), I(a, 1))); }},
        {"SiparisAytintisiDip",
         [](auto &p, const Args &a) { return fromRecord(p.SiparisAytintisiDip(I(a, 0), I(a, 1))); }},
        {"CariEkstreVerVorpa", [](auto &p, const Args &a) { return fromReader(p.CariEkstreVerVorpa(I(a, 0))); }},
        {"FaturaGetir", [](auto &p, const Args &a) { return fromReader(p.FaturaGetir(I(a, 0), I(a, 1))); }},
        {"FaturaAltGetir", [](auto &p, const Args &a) { return fromReader(p.FaturaAltGetir(I(a, 0))); }},
        {"Tahsilat", [](auto &p, const Args &a) { return fromReader(p.Tahsilat(I(a, 0))); }},
        {"SanalposSiranoVer",
         [](auto &p, const Args &a) { return Outcome{{}, WireValue::fromInt32(p.SanalposSiranoVer(I(a, 0)))}; }},
        {"SAnalPosPdfVer",
         [](auto &p, const Args &a) {
             qint64 boy = -1;
             QIODevice *s = p.SAnalPosPdfVer(I(a, 0), boy);
             return fromStream(s, boy);
         }},
        {"CariDurumVer",
         [](auto &p, const Args &a) { return Outcome{{}, WireValue::fromString(p.CariDurumVer(I(a, 0)))}; }},
        {"CariAra", [](auto &p, const Args &a) { return fromReader(p.CariAra(rec(a, 0).get(), S(a, 1))); }},
        {"CariSepetVer", [](auto &p, const Args &a) { return fromReader(p.CariSepetVer(rec(a, 0).get(), I(a, 1))); }},
        {"SepetSayisi",
         [](auto &p, const Args &a) { return Outcome{{}, WireValue::fromInt32(p.SepetSayisi(rec(a, 0).get()))}; }},
        {"TusSonuclariVer", [](auto &p, const Args &a) { return fromRecord(p.TusSonuclariVer(rec(a, 0).get())); }},
        {"RaporGetir",
         [](auto &p, const Args &a) {
             qint64 size = -1;
             QIODevice *s = p.RaporGetir(I(a, 0), I(a, 1), I(a, 2), I(a, 3), S(a, 4), D(a, 5), D(a, 6), size);
             return fromStream(s, size);
         }},
        {"BakiyelerVer2", [](auto &p, const Args &a) { return fromReader(p.BakiyelerVer2(I(a, 0))); }},
        {"BakiyeDuzenle",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.BakiyeDuzenle(rec(a, 0).get(), I(a, 1), I(a, 2), I(a, 3), D(a, 4),
                                                                 D(a, 5), S(a, 6)))};
         }},
        {"BakiyeDegistir",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.BakiyeDegistir(rec(a, 0).get(), I(a, 1), I(a, 2), I(a, 3), D(a, 4),
                                                                  D(a, 5), S(a, 6)))};
         }},
        {"BakiyeFiyatDegistir",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.BakiyeFiyatDegistir(rec(a, 0).get(), I(a, 1), I(a, 2), I(a, 3),
                                                                       D(a, 4), D(a, 5), S(a, 6), D(a, 7), D(a, 8)))};
         }},
        {"TumSiparislerVer", [](auto &p, const Args &a) { return fromReader(p.TumSiparislerVer(I(a, 0), I(a, 1))); }},
        {"RaporAlinanSiparisler",
         [](auto &p, const Args &a) {
             return fromReader(p.RaporAlinanSiparisler(rec(a, 0).get(), D(a, 1), D(a, 2)));
         }},
        {"RaporEnCokSatilanStoklar",
         [](auto &p, const Args &a) {
             return fromReader(p.RaporEnCokSatilanStoklar(rec(a, 0).get(), D(a, 1), D(a, 2)));
         }},
        {"MobilCariBilgisiGetir",
         [](auto &p, const Args &a) { return fromRecord(p.MobilCariBilgisiGetir(I(a, 0), S(a, 1))); }},
        {"MailGonserCari",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.MailGonserCari(S(a, 0), S(a, 1), S(a, 2), S(a, 3), S(a, 4), S(a, 5),
                                                                  S(a, 6), S(a, 7), S(a, 8), S(a, 9), S(a, 10),
                                                                  S(a, 11), S(a, 12), S(a, 13), S(a, 14), S(a, 15)))};
         }},
        {"MailGonserCariNormal",
         [](auto &p, const Args &a) {
             return Outcome{{},
                            WireValue::fromInt32(p.MailGonserCariNormal(
                                S(a, 0), S(a, 1), S(a, 2), S(a, 3), S(a, 4), S(a, 5), S(a, 6), S(a, 7), S(a, 8),
                                S(a, 9), S(a, 10), S(a, 11), S(a, 12), S(a, 13), S(a, 14), S(a, 15), S(a, 16)))};
         }},
    };
    return table;
}

TSonucBilgisi fullSession()
{
    TSonucBilgisi s;
    s.setBILGISAYARID(QStringLiteral("WD-WCC4N0123456"));
    s.setSaticiMail(QStringLiteral("satici@vorpa.com.tr"));
    s.setSirano(17);
    s.setCariAdi(QStringLiteral("Özgür Oto Yedek Parça"));
    s.setSIFRE(QStringLiteral("gizli*1"));
    s.setSaticiNo(4);
    s.setCARINO(1042);
    s.setAKTIF(1);
    s.setKullanicimail(QStringLiteral("bayi@ornek.com"));
    s.setADI(QStringLiteral("AHMET"));
    s.setSaticiTelefon(QStringLiteral("0212 555 00 00"));
    s.setcarikod(QStringLiteral("120.01.042"));
    s.setVarmi(true);
    s.setSaticiAdi(QStringLiteral("Mehmet Şahin"));
    s.setBilgiSayarAdi(QStringLiteral("MAGAZA-PC"));
    s.setDisip(QStringLiteral("127.0.0.1"));
    s.setIcip(QStringLiteral("192.168.1.20"));
    s.setBilgisayarKullanici(QStringLiteral("ahmet"));
    s.setMusteriTipi(3);
    s.setVersion(5);
    return s;
}

/// Distinct arguments for an operation, so a swapped pair would show.
Args argumentsFor(const OperationSpec &op, int opIndex)
{
    Args args;
    const QList<ParamSpec> inputs = op.inputs();
    for (int k = 0; k < inputs.size(); ++k) {
        const ParamSpec &p = inputs[k];
        switch (p.type) {
        case ParamType::Integer: args << WireValue::fromInt32(opIndex * 100 + k); break;
        case ParamType::Double: args << WireValue::fromDouble(k + 0.25); break;
        case ParamType::String: args << WireValue::fromString(QStringLiteral("ş%1-%2İ").arg(p.name).arg(k)); break;
        case ParamType::Record: args << WireValue::fromRecord(fullSession().toJson()); break;
        case ParamType::Int64: break;
        }
    }
    return args;
}

} // namespace

class tst_Proxy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void invokersMatchTheOperationTable();
    void everyOperation_data();
    void everyOperation();
    void readerIsForwardOnly();
    void serverFailureArrivesWithItsText();
    void nullRecordBothWays();
    void sessionRecordTravelsWholeAndStaysUntouched();
    void secondCallReusesCommandAndKeepsCallersCopy();
    void streamSizeMustMatch_data();
    void streamSizeMustMatch();
    void constructionNeedsOpenConnection();

private:
    std::unique_ptr<DSConnection> connect(quint16 port);
};

std::unique_ptr<DSConnection> tst_Proxy::connect(quint16 port)
{
    auto conn = std::make_unique<DSConnection>();
    conn->setHostName(QStringLiteral("127.0.0.1"));
    conn->setPort(port);
    conn->Open();
    return conn;
}

void tst_Proxy::initTestCase() { QCOMPARE(serverOperations().size(), 49); }

void tst_Proxy::invokersMatchTheOperationTable()
{
    QStringList names;
    for (const OperationSpec &op : serverOperations())
        names << op.name;
    QStringList invoked;
    for (const auto &entry : invokers())
        invoked << entry.first;
    names.sort();
    QCOMPARE(invoked, names);
}

void tst_Proxy::everyOperation_data()
{
    QTest::addColumn<int>("index");
    for (int k = 0; k < serverOperations().size(); ++k)
        QTest::newRow(qPrintable(serverOperations()[k].name)) << k;
}

void tst_Proxy::everyOperation()
{
    QFETCH(int, index);
    const OperationSpec &op = serverOperations()[index];
    echo::EchoServer server;
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());

    const Args args = argumentsFor(op, index);
    const Outcome got = invokers().at(op.name)(proxy, args);

    const echo::ReceivedCall received = server.lastCall();
    QCOMPARE(received.method, QStringLiteral("TServerMethods1.") + op.name);
    QCOMPARE(received.params.size(), args.size());
    for (int k = 0; k < args.size(); ++k)
        QVERIFY2(received.params[k] == args[k], qPrintable(op.inputs()[k].name));

    const CallResult expected = echo::answerFor(op, args);
    QVERIFY(got.outs == expected.outs());
    QVERIFY2(got.result == expected.value(), qPrintable(WireValue::typeName(got.result.type())));
    if (op.result == ResultKind::Reader || op.result == ResultKind::Packet) {
        // Column names come from the server's parameter names: the order on the wire is the declared one.
        const DataSet &t = got.result.table();
        for (int k = 0; k < op.inputs().size(); ++k)
            QCOMPARE(t.field(k + 1).name, op.inputs()[k].name);
    }
}

void tst_Proxy::readerIsForwardOnly()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());
    ResultReader *reader = proxy.KargolarVer(3);
    QCOMPARE(reader->columnCount(), 2);
    QCOMPARE(reader->columnName(1), QStringLiteral("gn"));
    QCOMPARE(reader->columnType(1), FieldType::Int32);
    QVERIFY_THROWS_EXCEPTION(DataSetError, reader->intValue(1)); // before the first next()
    QVERIFY(reader->next());
    QCOMPARE(reader->intValue(1), 3);
    QCOMPARE(reader->stringValue(0), QStringLiteral("KargolarVer"));
    // What is left after the first row: the row of nulls.
    DataSet rest = ReaderToDataSet(*reader);
    QCOMPARE(rest.recordCount(), 1);
    QVERIFY(rest.isNull(0, 1));
    QVERIFY(!reader->next());
}

void tst_Proxy::serverFailureArrivesWithItsText()
{
    echo::EchoServer server;
    server.override("SepetVer2", [](const CallParams &p) -> CallResult {
        throw std::runtime_error(QStringLiteral("Cari %1 için sepet bulunamadı").arg(p.integer("carino")).toStdString());
    });
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());
    try {
        proxy.SepetVer2(1042);
        QFAIL("no exception");
    } catch (const RemoteError &e) {
        QVERIFY(e.isServerFailure());
        QCOMPARE(e.text(), QStringLiteral("Cari 1042 için sepet bulunamadı"));
    }
    // A server failure leaves the connection and the proxy usable.
    QVERIFY(conn->Connected());
    QCOMPARE(proxy.AcilisReklamAdet(), 1000);
}

void tst_Proxy::nullRecordBothWays()
{
    echo::EchoServer server;
    server.override("BuyukGetir", [](const CallParams &) { return CallResult::nullRecord(); });
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());

    QVERIFY(proxy.BuyukGetir(QStringLiteral("BILINMEYEN")) == nullptr);

    const DataSet rows = proxy.VorpaStokAraGetir(QStringLiteral("FREN"), nullptr);
    QVERIFY(server.lastCall().params[1].isNull());
    QCOMPARE(rows.stringValue(0, 1), QStringLiteral("FREN"));
    QVERIFY(rows.isNull(0, 2));
}

void tst_Proxy::sessionRecordTravelsWholeAndStaysUntouched()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());

    const TSonucBilgisi session = fullSession();
    TSonucBilgisi live;
    live.Kopyala(session);
    QCOMPARE(proxy.SepetHepsiniSil(&live), 1000);
    QVERIFY(live == session);

    const QJsonObject sent = server.lastCall().params[0].record();
    QCOMPARE(sent.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    const QJsonObject fields = sent.value("fields").toObject();
    const QStringList names = {"FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE",
                               "FSaticiNo", "FCARINO", "FAKTIF", "FKullanicimail", "FADI",
                               "FSaticiTelefon", "Fcarikod", "FVarmi", "FSaticiAdi", "FBilgiSayarAdi",
                               "FDisip", "FIcip", "FBilgisayarKullanici", "FMusteriTipi", "FVersion"};
    QCOMPARE(fields.size(), names.size());
    for (const QString &n : names)
        QVERIFY2(fields.contains(n), qPrintable(n));
    QCOMPARE(fields.value("FSIFRE").toString(), QStringLiteral("gizli*1"));
    QCOMPARE(fields.value("FVarmi").toBool(), true);
    QVERIFY(*TSonucBilgisi::fromJson(sent) == session);
}

void tst_Proxy::secondCallReusesCommandAndKeepsCallersCopy()
{
    echo::EchoServer server;
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());
    QVERIFY(proxy.preparedCommand("BuyukGetir") == nullptr);

    TSonucBilgisi mine;
    mine.Kopyala(*proxy.BuyukGetir(QStringLiteral("ILK")));
    const ServerCommand *command = proxy.preparedCommand("BuyukGetir");
    QVERIFY(command);

    TSonucBilgisi *second = proxy.BuyukGetir(QStringLiteral("IKINCI"));
    QCOMPARE(second->ADI(), QStringLiteral("IKINCI"));
    QCOMPARE(mine.ADI(), QStringLiteral("ILK"));
    QCOMPARE(mine.Version(), 5);
    QCOMPARE(proxy.preparedCommand("BuyukGetir"), command);
    QCOMPARE(command->executionCount(), 2);
    QCOMPARE(command->text(), QStringLiteral("TServerMethods1.BuyukGetir"));

    // A packet is the caller's own: a second call does not touch the first one.
    DataSet first = proxy.SepetVer2(1);
    DataSet again = proxy.SepetVer2(2);
    QCOMPARE(first.intValue(0, 1), 1);
    QCOMPARE(again.intValue(0, 1), 2);
}

void tst_Proxy::streamSizeMustMatch_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exact") << 1500 << qint64(1500) << true;
    QTest::newRow("exact, whole blocks") << 2048 << qint64(2048) << true;
    QTest::newRow("one byte short") << 1499 << qint64(1500) << false;
    QTest::newRow("one byte over") << 1025 << qint64(1024) << false;
    QTest::newRow("announced 0 reads nothing") << 10 << qint64(0) << true;
    QTest::newRow("nothing announced as something") << 0 << qint64(1) << false;
    QTest::newRow("negative size") << 10 << qint64(-1) << false;
}

void tst_Proxy::streamSizeMustMatch()
{
    QFETCH(int, bytes);
    QFETCH(qint64, announced);
    QFETCH(bool, kept);
    QByteArray data(bytes, '\0');
    for (int k = 0; k < bytes; ++k)
        data[k] = char(k * 7);

    echo::EchoServer server;
    server.override("ResimVer5", [&](const CallParams &) { return CallResult::stream(data, announced); });
    QVERIFY(server.start());
    auto conn = connect(server.port());
    TServerMethods1Client proxy(conn.get());
    qint64 boy = -2;
    QIODevice *stream = proxy.ResimVer5(5, boy);
    QCOMPARE(boy, announced);
    const std::optional<QByteArray> got = ReadStreamExactly(stream, boy);
    QCOMPARE(got.has_value(), kept);
    if (announced == 0) {
        QVERIFY(got->isEmpty());
        QCOMPARE(stream->pos(), 0);
    } else if (kept) {
        QCOMPARE(*got, data);
    }
}

void tst_Proxy::constructionNeedsOpenConnection()
{
    const QString text = QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened.");
    DSConnection closed;
    try {
        TServerMethods1Client proxy(closed);
        QFAIL("constructed on a closed connection");
    } catch (const RemoteError &e) {
        QCOMPARE(e.text(), text);
    }
    try {
        TServerMethods1Client proxy(static_cast<DSConnection *>(nullptr));
        QFAIL("constructed on no connection");
    } catch (const RemoteError &e) {
        QCOMPARE(e.text(), text);
    }
}

QTEST_GUILESS_MAIN(tst_Proxy)
#include "tst_proxy.moc"
