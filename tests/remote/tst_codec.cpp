#include "FrameBuffer.h"
#include "FrameCodec.h"
#include "ProtocolError.h"
#include "WireReader.h"
#include "WireWriter.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>

#include <limits>

using namespace vorpa;

Q_DECLARE_METATYPE(vorpa::WireValue)

namespace {

DataSet sampleTable()
{
    DataSet t({{QStringLiteral("SIRANO"), FieldType::Int32},
               {QStringLiteral("BUYUK"), FieldType::Int64},
               {QStringLiteral("FIYAT"), FieldType::Double},
               {QStringLiteral("ADI"), FieldType::String},
               {QStringLiteral("TARIH"), FieldType::DateTime},
               {QStringLiteral("SEC"), FieldType::Boolean},
               {QStringLiteral("RESIM"), FieldType::Bytes}});
    t.appendRow({-7, Q_INT64_C(9000000000), 12.5, QStringLiteral("Fren Balatası ĞÜŞİÖÇ ığüşöç"), 45000.75, true,
                 QByteArray("\x00\xff\x10", 3)});
    const int r = t.appendRow(); // a row of nulls
    Q_UNUSED(r);
    t.appendRow({std::numeric_limits<int>::min(), std::numeric_limits<qint64>::max(), -0.0, QString(), 0.0, false,
                 QByteArray()});
    return t;
}

QByteArray body(const QByteArray &frame) { return frame.mid(FrameCodec::HeaderSize); }

QByteArray frameOf(quint32 length, const QByteArray &rest = {})
{
    QByteArray f(4, '\0');
    qToBigEndian(length, f.data());
    return f + rest;
}

} // namespace

class tst_Codec : public QObject {
    Q_OBJECT
private slots:
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void messagesRoundTrip();
    void workedExampleBytes();
    void everyTruncationIsRefused();
    void malformedBodies_data();
    void malformedBodies();
    void hugeRowCountRefusedWithoutAllocating();
    void frameBufferReassemblesSplitFrames();
    void frameBufferRefusesBadLengths_data();
    void frameBufferRefusesBadLengths();
};

void tst_Codec::valuesRoundTrip_data()
{
    QTest::addColumn<WireValue>("value");
    QTest::newRow("null") << WireValue::null();
    QTest::newRow("int32 min") << WireValue::fromInt32(std::numeric_limits<qint32>::min());
    QTest::newRow("int64 max") << WireValue::fromInt64(std::numeric_limits<qint64>::max());
    QTest::newRow("double") << WireValue::fromDouble(-1234.5678e-9);
    QTest::newRow("empty string") << WireValue::fromString(QString());
    QTest::newRow("turkish string") << WireValue::fromString(QStringLiteral("İĞÜŞÖÇ ığüşöç \"#YENİ#\""));
    QTest::newRow("true") << WireValue::fromBool(true);
    QTest::newRow("false") << WireValue::fromBool(false);
    QTest::newRow("record") << WireValue::fromRecord(QJsonObject{
        {"type", "baglantiu.TTusSonuclari"}, {"id", 1}, {"fields", QJsonObject{{"FAlindi", 3}}}});
    QTest::newRow("reader") << WireValue::reader(sampleTable());
    QTest::newRow("packet") << WireValue::packet(sampleTable());
    QTest::newRow("empty table") << WireValue::packet(DataSet({{QStringLiteral("A"), FieldType::String}}));
    QTest::newRow("stream") << WireValue::stream(QByteArray(5000, 'x'));
    QTest::newRow("empty stream") << WireValue::stream(QByteArray());
}

void tst_Codec::valuesRoundTrip()
{
    QFETCH(WireValue, value);
    WireWriter w;
    w.value(value);
    WireReader r(w.data());
    const WireValue back = r.value();
    QVERIFY(r.atEnd());
    QVERIFY(back == value);
}

void tst_Codec::messagesRoundTrip()
{
    const CallMessage call{77, QStringLiteral("TServerMethods1.SepetEkle2"),
                           {WireValue::null(), WireValue::fromInt32(5), WireValue::fromDouble(2.5),
                            WireValue::fromString(QStringLiteral("ABC"))}};
    const auto decodedCall = std::get<CallMessage>(FrameCodec::decode(body(FrameCodec::encode(call))));
    QCOMPARE(decodedCall.id, 77u);
    QCOMPARE(decodedCall.method, call.method);
    QVERIFY(decodedCall.params == call.params);

    const ReplyMessage reply{78, {WireValue::fromInt64(11)}, WireValue::stream("0123456789")};
    const auto decodedReply = std::get<ReplyMessage>(FrameCodec::decode(body(FrameCodec::encode(reply))));
    QCOMPARE(decodedReply.id, 78u);
    QVERIFY(decodedReply.outs == reply.outs);
    QVERIFY(decodedReply.result == reply.result);

    const auto failure = std::get<FailureMessage>(
        FrameCodec::decode(body(FrameCodec::encode(FailureMessage{9, QStringLiteral("Stok bulunamadı")}))));
    QCOMPARE(failure.id, 9u);
    QCOMPARE(failure.message, QStringLiteral("Stok bulunamadı"));

    QCOMPARE(std::get<HelloMessage>(FrameCodec::decode(body(FrameCodec::encode(HelloMessage{1})))).version, 1);
    QCOMPARE(std::get<WelcomeMessage>(FrameCodec::decode(body(FrameCodec::encode(WelcomeMessage{1})))).version, 1);
}

// The same bytes are shown in docs/protocol.md; this keeps the document honest.
void tst_Codec::workedExampleBytes()
{
    const QByteArray call = FrameCodec::encode(
        CallMessage{1, QStringLiteral("TServerMethods1.KargolarVer"), {WireValue::fromInt32(2)}});
    QCOMPARE(call.toHex(' '),
             QByteArray("00 00 00 2b 03 00 00 00 01 00 00 00 1b 54 53 65 72 76 65 72 4d 65 74 68 6f 64 73 31 2e 4b 61 "
                        "72 67 6f 6c 61 72 56 65 72 00 01 01 00 00 00 02"));

    DataSet rows({{QStringLiteral("ADI"), FieldType::String}, {QStringLiteral("SIRANO"), FieldType::Int32}});
    rows.appendRow({QStringLiteral("Aras Kargo"), 5});
    const QByteArray reply = FrameCodec::encode(ReplyMessage{1, {}, WireValue::reader(rows)});
    QCOMPARE(reply.toHex(' '),
             QByteArray("00 00 00 35 04 00 00 00 01 00 00 07 00 02 00 00 00 03 41 44 49 04 00 00 00 06 53 49 52 41 4e "
                        "4f 01 00 00 00 01 01 00 00 00 0a 41 72 61 73 20 4b 61 72 67 6f 01 00 00 00 05"));

    QCOMPARE(FrameCodec::encode(HelloMessage{1}).toHex(' '), QByteArray("00 00 00 07 01 56 52 50 41 00 01"));
}

void tst_Codec::everyTruncationIsRefused()
{
    const QList<QByteArray> bodies = {
        body(FrameCodec::encode(CallMessage{3, QStringLiteral("TServerMethods1.CariAra"),
                                            {WireValue::fromRecord(QJsonObject{{"type", "x"}}),
                                             WireValue::fromString(QStringLiteral("ışık"))}})),
        body(FrameCodec::encode(ReplyMessage{4, {WireValue::fromInt64(3)}, WireValue::packet(sampleTable())})),
        body(FrameCodec::encode(FailureMessage{5, QStringLiteral("hata")})),
    };
    for (const QByteArray &whole : bodies) {
        for (int n = 0; n < whole.size(); ++n)
            QVERIFY_THROWS_EXCEPTION(ProtocolError, FrameCodec::decode(whole.left(n)));
        QVERIFY_THROWS_EXCEPTION(ProtocolError, FrameCodec::decode(whole + '\0'));
    }
}

void tst_Codec::malformedBodies_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mentions");
    const QByteArray callHead = QByteArray::fromHex("03 00000001 00000003") + "abc" + QByteArray::fromHex("0001");
    QTest::newRow("unknown message kind") << QByteArray::fromHex("63") << QStringLiteral("ileti türü");
    QTest::newRow("unknown value tag") << callHead + QByteArray::fromHex("2a") << QStringLiteral("değer türü");
    QTest::newRow("Boolean other than 0 or 1") << callHead + QByteArray::fromHex("05 02") << QStringLiteral("Boolean");
    QTest::newRow("string longer than message") << callHead + QByteArray::fromHex("04 7fffffff 41")
                                                << QStringLiteral("bildirildi");
    QTest::newRow("invalid JSON record") << callHead + QByteArray::fromHex("06 00000005") + "{\"a\":"
                                         << QStringLiteral("JSON");
    QTest::newRow("JSON array as record") << callHead + QByteArray::fromHex("06 00000002") + "[]"
                                          << QStringLiteral("nesnesi");
    QTest::newRow("unknown column type") << callHead + QByteArray::fromHex("08 0001 00000001 41 09 00000000")
                                         << QStringLiteral("sütun türü");
    QTest::newRow("bad null flag") << callHead + QByteArray::fromHex("08 0001 00000001 41 01 00000001 07 00000001")
                                   << QStringLiteral("hücre");
    QTest::newRow("rows without columns") << callHead + QByteArray::fromHex("08 0000 00000001")
                                          << QStringLiteral("satır");
    QTest::newRow("more parameters than bytes") << QByteArray::fromHex("03 00000001 00000000 ffff 00")
                                                << QStringLiteral("parametre");
    QTest::newRow("bad greeting magic") << QByteArray::fromHex("01 58585858 0001") << QStringLiteral("Vorpa");
}

void tst_Codec::malformedBodies()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mentions);
    try {
        FrameCodec::decode(bytes);
        QFAIL("decoded without complaint");
    } catch (const ProtocolError &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(mentions), e.what());
    }
}

void tst_Codec::hugeRowCountRefusedWithoutAllocating()
{
    // 65535 columns and 4 billion rows announced in a few hundred kilobytes: refused at once.
    WireWriter w;
    w.u8(quint8(FrameCodec::Kind::Reply));
    w.u32(1);
    w.u16(0);
    w.u8(quint8(WireValue::Type::Packet));
    w.u16(0xffff);
    for (int c = 0; c < 0xffff; ++c) {
        w.string(QStringLiteral("C"));
        w.u8(quint8(FieldType::String));
    }
    w.u32(0xffffffffu);
    QElapsedTimer t;
    t.start();
    QVERIFY_THROWS_EXCEPTION(ProtocolError, FrameCodec::decode(w.data()));
    QVERIFY(t.elapsed() < 5000);
}

void tst_Codec::frameBufferReassemblesSplitFrames()
{
    const QByteArray a = FrameCodec::encode(FailureMessage{1, QStringLiteral("bir")});
    const QByteArray b = FrameCodec::encode(ReplyMessage{2, {}, WireValue::packet(sampleTable())});
    const QByteArray stream = a + b + a;
    FrameBuffer buffer(FrameCodec::DefaultMaxMessageSize);
    QList<QByteArray> got;
    for (char byte : stream) {
        buffer.append(QByteArray(1, byte));
        while (auto m = buffer.next())
            got.append(*m);
    }
    QCOMPARE(got.size(), 3);
    QCOMPARE(got[0], body(a));
    QCOMPARE(got[1], body(b));
    QCOMPARE(got[2], body(a));
    QCOMPARE(buffer.pending(), 0);
}

void tst_Codec::frameBufferRefusesBadLengths_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero length") << frameOf(0);
    QTest::newRow("one over the limit, header only") << frameOf(1024 + 1);
    QTest::newRow("4 GiB prefix") << frameOf(0xffffffffu, "xyz");
}

void tst_Codec::frameBufferRefusesBadLengths()
{
    QFETCH(QByteArray, bytes);
    FrameBuffer buffer(1024);
    buffer.append(bytes);
    QVERIFY_THROWS_EXCEPTION(ProtocolError, buffer.next());

    FrameBuffer exact(1024);
    exact.append(frameOf(1024, QByteArray(1024, 'a')));
    QCOMPARE(exact.next()->size(), 1024);
}

QTEST_GUILESS_MAIN(tst_Codec)
#include "tst_codec.moc"
