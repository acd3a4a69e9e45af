#include "RecordError.h"
#include "baglantiu.h"
#include "mobilstokunit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <functional>

namespace {

enum class Kind { Text, Int, Real, Flag };
using FieldList = QList<std::pair<const char *, Kind>>;

// The fields each record carries on the wire, in declaration order, written out independently of
// the record classes so that a misspelt or missing member shows up.
const FieldList sonucFields = {
    {"FBILGISAYARID", Kind::Text}, {"FSaticiMail", Kind::Text}, {"FSirano", Kind::Int},
    {"FCariAdi", Kind::Text}, {"FSIFRE", Kind::Text}, {"FSaticiNo", Kind::Int}, {"FCARINO", Kind::Int},
    {"FAKTIF", Kind::Int}, {"FKullanicimail", Kind::Text}, {"FADI", Kind::Text},
    {"FSaticiTelefon", Kind::Text}, {"Fcarikod", Kind::Text}, {"FVarmi", Kind::Flag},
    {"FSaticiAdi", Kind::Text}, {"FBilgiSayarAdi", Kind::Text}, {"FDisip", Kind::Text},
    {"FIcip", Kind::Text}, {"FBilgisayarKullanici", Kind::Text}, {"FMusteriTipi", Kind::Int},
    {"FVersion", Kind::Int}};
const FieldList dipFields = {
    {"FSizinMesaj", Kind::Text}, {"FDurumu", Kind::Text}, {"FVeren", Kind::Text}, {"FKargo", Kind::Text},
    {"FBizimMesaj", Kind::Text}, {"FTeslimCinsi", Kind::Text}, {"FKargoCinsi", Kind::Text},
    {"FSaticiNotu", Kind::Text}};
const FieldList tusFields = {{"FAlindi", Kind::Int}, {"FOnaylandi", Kind::Int},
                             {"FParcaliHazirlandi", Kind::Int}, {"FSevkEdildi", Kind::Int},
                             {"FHazirlandi", Kind::Int}, {"FGoruldu", Kind::Int}};
const FieldList cariFields = {
    {"FCARINO", Kind::Int}, {"FCARIKOD", Kind::Text}, {"FCARIADI", Kind::Text}, {"FOzelKod", Kind::Text},
    {"FAnaGrup", Kind::Text}, {"FAltGrup", Kind::Text}, {"FADRES1", Kind::Text}, {"FADRES2", Kind::Text},
    {"FILCE", Kind::Text}, {"FTEL1", Kind::Text}, {"FTEL2", Kind::Text}, {"FFAX1", Kind::Text},
    {"FFAX2", Kind::Text}, {"FGSM", Kind::Text}, {"FEMAIL", Kind::Text}, {"FYETKILI", Kind::Text},
    {"FSEHIR", Kind::Text}, {"FULKE", Kind::Text}, {"FSATICIADI", Kind::Text},
    {"FSATICITELEFON", Kind::Text}, {"FSATICIMAIL", Kind::Text}, {"FVERGIDAIRESI", Kind::Text},
    {"FVERGINO", Kind::Text}, {"FTLBORC", Kind::Real}, {"FTLALACAK", Kind::Real}, {"FTLBAKIYE", Kind::Real},
    {"FKULLANICIADI", Kind::Text}, {"FSIFRE", Kind::Text}, {"FMAIL", Kind::Text},
    {"FBILGISAYARID", Kind::Text}};
const FieldList ekranFields = {
    {"FSiraNo", Kind::Int}, {"FResim", Kind::Text}, {"FBaslik", Kind::Text}, {"FArama", Kind::Text}};

/// A value for every field, different from every other field's and from the defaults.
QJsonObject distinctFields(const FieldList &fields)
{
    QJsonObject o;
    int i = 0;
    for (const auto &[name, kind] : fields) {
        ++i;
        switch (kind) {
        case Kind::Text: o.insert(name, QStringLiteral("%1 değer ğüşıöç \"%2\"").arg(QLatin1String(name)).arg(i)); break;
        case Kind::Int: o.insert(name, -1000 * i - 7); break;
        case Kind::Real: o.insert(name, 1234567.25 * i); break;
        case Kind::Flag: o.insert(name, true); break;
        }
    }
    return o;
}

QJsonObject message(const char *type, const QJsonObject &fields, int id = 1)
{
    return QJsonObject{{"type", QLatin1String(type)}, {"id", id}, {"fields", fields}};
}

/// What the tests do with one record class, independent of which class it is.
struct RecordOps {
    const char *typeName;
    FieldList fields;
    std::function<QJsonObject()> defaultJson;                   // a fresh record's JSON
    std::function<QJsonObject(const QJsonValue &)> reparse;     // fromJson, then toJson
    std::function<QJsonObject(const QJsonValue &)> copyOf;      // fromJson, Kopyala into a fresh one, toJson
    std::function<bool(const QJsonValue &)> readsAsNull;        // fromJson gives nullptr
};

template <class T>
RecordOps opsFor(const FieldList &fields)
{
    RecordOps ops;
    ops.typeName = T::TypeName;
    ops.fields = fields;
    ops.defaultJson = [] { return T().toJson(); };
    ops.reparse = [](const QJsonValue &v) { return T::fromJson(v)->toJson(); };
    ops.copyOf = [](const QJsonValue &v) {
        const auto source = T::fromJson(v);
        T copy;
        copy.Kopyala(*source);
        return copy.toJson();
    };
    ops.readsAsNull = [](const QJsonValue &v) { return T::fromJson(v) == nullptr; };
    return ops;
}

template <>
RecordOps opsFor<TAcilisEkran>(const FieldList &fields)
{
    RecordOps ops;
    ops.typeName = TAcilisEkran::TypeName;
    ops.fields = fields;
    ops.defaultJson = [] { return TAcilisEkran().toJson(); };
    ops.reparse = [](const QJsonValue &v) { return TAcilisEkran::fromJson(v)->toJson(); };
    ops.readsAsNull = [](const QJsonValue &v) { return TAcilisEkran::fromJson(v) == nullptr; };
    return ops;
}

RecordOps ops(const QString &name)
{
    if (name == "TSonucBilgisi")
        return opsFor<TSonucBilgisi>(sonucFields);
    if (name == "TSiparisDipAyrinti")
        return opsFor<TSiparisDipAyrinti>(dipFields);
    if (name == "TTusSonuclari")
        return opsFor<TTusSonuclari>(tusFields);
    if (name == "TMobilCariBilgisi")
        return opsFor<TMobilCariBilgisi>(cariFields);
    return opsFor<TAcilisEkran>(ekranFields);
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const vorpa::RecordError &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void defaults_data() { roundTrip_data(); }
    void defaults();
    void nullIsAbsentRecord_data() { roundTrip_data(); }
    void nullIsAbsentRecord();
    void sessionDefaultsAndAccessors();
    void missingMemberKeepsDefault();
    void badMessages_data();
    void badMessages();
    void openingScreens();
};

void TestRecords::roundTrip_data()
{
    QTest::addColumn<QString>("record");
    for (const char *name : {"TSonucBilgisi", "TSiparisDipAyrinti", "TTusSonuclari", "TMobilCariBilgisi", "TAcilisEkran"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestRecords::roundTrip()
{
    QFETCH(QString, record);
    const RecordOps r = ops(record);
    const QJsonObject fields = distinctFields(r.fields);
    const QJsonObject in = message(r.typeName, fields);

    // Every member is read into its own field and written back under the same name and JSON type.
    const QJsonObject out = r.reparse(in);
    QCOMPARE(out.value("type").toString(), QString::fromLatin1(r.typeName));
    QCOMPARE(out.value("id").toInt(), 1);
    QCOMPARE(out.value("fields").toObject(), fields);

    if (r.copyOf)
        QCOMPARE(r.copyOf(in).value("fields").toObject(), fields);
}

void TestRecords::defaults()
{
    QFETCH(QString, record);
    const RecordOps r = ops(record);
    const QJsonObject fields = r.defaultJson().value("fields").toObject();
    for (const auto &[name, kind] : r.fields) {
        const QJsonValue v = fields.value(name);
        switch (kind) {
        case Kind::Text: QCOMPARE(v, QJsonValue(QString())); break;
        case Kind::Real: QCOMPARE(v, QJsonValue(0.0)); break;
        case Kind::Flag: QCOMPARE(v, QJsonValue(false)); break;
        case Kind::Int: {
            const bool startsAtOne = record == "TSonucBilgisi"
                && (QLatin1String(name) == "FMusteriTipi" || QLatin1String(name) == "FVersion");
            QCOMPARE(v, QJsonValue(startsAtOne ? 1 : 0));
            break;
        }
        }
    }
    // A message with no members gives exactly a fresh record.
    QCOMPARE(r.reparse(message(r.typeName, {})), r.defaultJson());
}

void TestRecords::nullIsAbsentRecord()
{
    QFETCH(QString, record);
    QVERIFY(ops(record).readsAsNull(QJsonValue(QJsonValue::Null)));
}

void TestRecords::sessionDefaultsAndAccessors()
{
    TSonucBilgisi s;
    QCOMPARE(s.MusteriTipi(), 1);
    QCOMPARE(s.Version(), 1);
    QCOMPARE(s.Varmi(), false);
    QCOMPARE(s.ADI(), QString());

    s.setADI("ali");
    s.setcarikod("120.01.001");
    s.setMusteriTipi(3);
    s.setVarmi(true);
    s.setCARINO(42);
    const QJsonObject f = s.toJson(5).value("fields").toObject();
    QCOMPARE(s.toJson(5).value("id").toInt(), 5);
    QCOMPARE(f.value("FADI").toString(), "ali");
    QCOMPARE(f.value("Fcarikod").toString(), "120.01.001");
    QCOMPARE(f.value("FMusteriTipi").toInt(), 3);
    QCOMPARE(f.value("FVarmi"), QJsonValue(true));
    QCOMPARE(f.value("FCARINO").toInt(), 42);

    // The copy sent to the server is independent of the live record.
    TSonucBilgisi copy;
    copy.Kopyala(s);
    QVERIFY(copy == s);
    copy.setADI("veli");
    QCOMPARE(s.ADI(), "ali");
}

void TestRecords::missingMemberKeepsDefault()
{
    const auto s = TSonucBilgisi::fromJson(message(TSonucBilgisi::TypeName, {{"FADI", "ayşe"}, {"FBilinmeyen", 5}}));
    QCOMPARE(s->ADI(), "ayşe");
    QCOMPARE(s->MusteriTipi(), 1);
    QCOMPARE(s->Version(), 1);
    QCOMPARE(s->CARINO(), 0);

    // A member sent as JSON null carries nothing either.
    const auto c = TMobilCariBilgisi::fromJson(message(TMobilCariBilgisi::TypeName, {{"FTLBAKIYE", QJsonValue()}}));
    QCOMPARE(c->TLBAKIYE(), 0.0);
}

void TestRecords::badMessages_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QJsonValue>("json");
    QTest::addColumn<QString>("expected");

    const QJsonObject sonucFields{{"FADI", "x"}};
    QTest::newRow("text, not an object") << "TSonucBilgisi" << QJsonValue("FADI") << "JSON object";
    QTest::newRow("array") << "TSonucBilgisi" << QJsonValue(QJsonArray{1}) << "JSON object";
    QTest::newRow("no type") << "TSonucBilgisi" << QJsonValue(QJsonObject{{"fields", sonucFields}}) << "no type";
    QTest::newRow("other record's type")
        << "TSonucBilgisi" << QJsonValue(message(TSiparisDipAyrinti::TypeName, sonucFields))
        << "expected a record of type baglantiu.TSonucBilgisi, got baglantiu.TSiparisDipAyrinti";
    QTest::newRow("type without module")
        << "TTusSonuclari" << QJsonValue(message("TTusSonuclari", {})) << "expected a record of type";
    QTest::newRow("fields not an object")
        << "TSonucBilgisi"
        << QJsonValue(QJsonObject{{"type", TSonucBilgisi::TypeName}, {"id", 1}, {"fields", QJsonArray{}}})
        << "\"fields\" must be a JSON object";
    QTest::newRow("fields missing")
        << "TTusSonuclari" << QJsonValue(QJsonObject{{"type", TTusSonuclari::TypeName}, {"id", 1}})
        << "\"fields\" must be a JSON object";
    QTest::newRow("string for integer")
        << "TSonucBilgisi" << QJsonValue(message(TSonucBilgisi::TypeName, {{"FCARINO", "12"}}))
        << "member \"FCARINO\" must be a 32-bit integer, not a string";
    QTest::newRow("fraction for integer")
        << "TTusSonuclari" << QJsonValue(message(TTusSonuclari::TypeName, {{"FAlindi", 1.5}}))
        << "member \"FAlindi\" must be a 32-bit integer, not 1.5";
    QTest::newRow("integer past 32 bits")
        << "TSonucBilgisi" << QJsonValue(message(TSonucBilgisi::TypeName, {{"FSirano", 2147483648.0}}))
        << "member \"FSirano\" must be a 32-bit integer";
    QTest::newRow("number for text")
        << "TSonucBilgisi" << QJsonValue(message(TSonucBilgisi::TypeName, {{"FADI", 5}}))
        << "member \"FADI\" must be a string, not a number";
    QTest::newRow("number for Boolean")
        << "TSonucBilgisi" << QJsonValue(message(TSonucBilgisi::TypeName, {{"FVarmi", 1}}))
        << "member \"FVarmi\" must be true or false";
    QTest::newRow("text for double")
        << "TMobilCariBilgisi" << QJsonValue(message(TMobilCariBilgisi::TypeName, {{"FTLBORC", "1,5"}}))
        << "member \"FTLBORC\" must be a number, not a string";
    QTest::newRow("object for text")
        << "TAcilisEkran" << QJsonValue(message(TAcilisEkran::TypeName, {{"FResim", QJsonObject{}}}))
        << "member \"FResim\" must be a string, not an object";
}

void TestRecords::badMessages()
{
    QFETCH(QString, record);
    QFETCH(QJsonValue, json);
    QFETCH(QString, expected);
    const RecordOps r = ops(record);
    const QString error = errorOf([&] { r.reparse(json); });
    QVERIFY2(error.contains(expected), qPrintable(error));
}

void TestRecords::openingScreens()
{
    TAcilisEkran first;
    first.setSiraNo(1);
    first.setBaslik("Kampanya");
    first.setArama("#KAMPANYA#");
    first.setResim("FFD8FF");
    TAcilisEkran second;
    second.setBaslik("Yeni ürünler");
    second.setArama("#YENİ#");

    TAcilisEkranlariki all;
    all.addEkran(first);
    all.addEkran(second);

    // Entries travel as marshalled objects numbered after their container.
    const QJsonObject json = all.toJson(7);
    QCOMPARE(json.value("type").toString(), "mobilstokunit.TAcilisEkranlariki");
    const QJsonArray entries = json.value("fields").toObject().value("FEkranlar").toArray();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).toObject().value("type").toString(), "mobilstokunit.TAcilisEkran");
    QCOMPARE(entries.at(0).toObject().value("id").toInt(), 8);
    QCOMPARE(entries.at(1).toObject().value("id").toInt(), 9);
    QCOMPARE(entries.at(1).toObject().value("fields").toObject().value("FArama").toString(), "#YENİ#");

    const auto back = TAcilisEkranlariki::fromJson(QJsonDocument::fromJson(QJsonDocument(json).toJson()).object());
    QVERIFY(back);
    QVERIFY(*back == all);
    QCOMPARE(back->Ekranlar().at(1).Resim(), QString());
    QCOMPARE(back->Ekranlar().at(0).Resim(), "FFD8FF");

    // No entries is a valid answer; so is a message without the member.
    const auto empty = TAcilisEkranlariki::fromJson(TAcilisEkranlariki().toJson());
    QVERIFY(empty && empty->Ekranlar().empty());
    QVERIFY(TAcilisEkranlariki::fromJson(message(TAcilisEkranlariki::TypeName, {}))->Ekranlar().empty());
    QVERIFY(TAcilisEkranlariki::fromJson(QJsonValue(QJsonValue::Null)) == nullptr);

    // A null entry carries nothing and is skipped; a wrong one fails the whole message.
    const auto withNull = TAcilisEkranlariki::fromJson(
        message(TAcilisEkranlariki::TypeName, {{"FEkranlar", QJsonArray{QJsonValue(), first.toJson(2)}}}));
    QCOMPARE(withNull->Ekranlar().size(), size_t(1));
    QCOMPARE(withNull->Ekranlar().at(0).Baslik(), "Kampanya");

    QVERIFY(errorOf([] {
                TAcilisEkranlariki::fromJson(message(TAcilisEkranlariki::TypeName, {{"FEkranlar", QJsonObject{}}}));
            }).contains("\"FEkranlar\" must be an array"));
    QVERIFY(errorOf([] {
                TAcilisEkranlariki::fromJson(message(TAcilisEkranlariki::TypeName,
                                                     {{"FEkranlar", QJsonArray{TSonucBilgisi().toJson()}}}));
            }).contains("expected a record of type mobilstokunit.TAcilisEkran"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
