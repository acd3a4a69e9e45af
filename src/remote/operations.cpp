#include "operations.h"

namespace vorpa {

namespace {

const QString kSession = QStringLiteral("baglantiu.TSonucBilgisi");

ParamSpec i(const char *name) { return {QString::fromLatin1(name), ParamType::Integer, false, {}}; }
ParamSpec d(const char *name) { return {QString::fromLatin1(name), ParamType::Double, false, {}}; }
ParamSpec s(const char *name) { return {QString::fromLatin1(name), ParamType::String, false, {}}; }
ParamSpec outSize(const char *name) { return {QString::fromLatin1(name), ParamType::Int64, true, {}}; }
ParamSpec session(const char *name) { return {QString::fromLatin1(name), ParamType::Record, false, kSession}; }

OperationSpec op(const char *name, QList<ParamSpec> params, ResultKind result, const char *recordType = nullptr)
{
    return {QString::fromLatin1(name), std::move(params), result,
            recordType ? QString::fromLatin1(recordType) : QString()};
}

QList<OperationSpec> buildTable()
{
    using R = ResultKind;
    const QList<ParamSpec> basketLineHead = {session("bilgim"), i("carino"), i("stokno"), s("barkod"),
                                             s("stokadi"),      d("miktar"), d("kdv"),    d("fiyat"),
                                             d("ind1"),         i("verenid")};
    const QList<ParamSpec> balanceChange = {session("k"), i("stokno"), i("sepetsirano"), i("siparissirano"),
                                            d("Adet"),    d("Bakiye"), s("barkod")};
    const QList<ParamSpec> mailFields = {s("idsi"),    s("baslik"),       s("firmaadi"), s("adres1"),
                                         s("adres2"),  s("ilce"),         s("sehir"),    s("telefon"),
                                         s("fax"),     s("vd"),           s("vn"),       s("yetkili"),
                                         s("kullaniciadi"), s("sifre"),   s("mail"),     s("kargoambar")};

    return {
        // Session
        op("BuyukGetir", {s("idsi")}, R::Record, "baglantiu.TSonucBilgisi"),
        // Catalogue, information and feeds
        op("VorpaStokAraGetir", {s("kod"), session("bilgi")}, R::Packet),
        op("ResimVer5", {i("stokno"), outSize("boy")}, R::Stream),
        op("StokHareketVer", {i("carino"), i("stokno")}, R::Packet),
        op("YenilerVer2", {i("carino")}, R::Packet),
        op("KampanyaliVer2", {i("cario"), i("satici")}, R::Packet),
        op("AcilisEkranlarVer2", {}, R::Record, "mobilstokunit.TAcilisEkranlariki"),
        op("KayanYaziGetir", {}, R::String),
        op("BannerResimVer2", {outSize("size")}, R::Stream),
        op("BannerResimVer3", {outSize("size")}, R::Stream),
        op("BalonGetir", {session("bil")}, R::Reader),
        op("CariVadeGunGecmismiBul", {i("carino")}, R::String),
        op("AcilisReklamAdet", {}, R::Integer),
        op("AcilisREklamVer", {i("sira")}, R::Record, "mobilstokunit.TAcilisEkran"),
        // Basket and order sending
        op("SepetVer2", {i("carino")}, R::Packet),
        op("SepetEkle2", basketLineHead + QList<ParamSpec>{i("k"), d("ind2"), d("ind3"), d("ind4")}, R::Integer),
        op("SepetGuncelle2", basketLineHead + QList<ParamSpec>{i("_sepetsirano"), d("ind2"), d("ind3"), d("ind4")},
           R::Integer),
        op("SepetSatirSil", {session("bilgi"), i("satirno"), s("aciklamam")}, R::Integer),
        op("SepetHepsiniSil", {session("bilgi")}, R::Integer),
        op("SepetSecimGuncelle", {i("sirano"), i("secim")}, R::None),
        op("SiparisKaydet",
           {session("BB"), i("_carino"), i("_teslim"), i("_kargo"), s("_aciklama"), i("_verenid"), i("_kargoyeni")},
           R::Boolean),
        op("TeslimVer", {}, R::Reader),
        op("KargoVer", {}, R::Reader),
        op("KargolarVer", {i("gn")}, R::Reader),
        // Order history, statement and documents
        op("OncekiSiparisler", {i("carino")}, R::Reader),
        op("SiparisAyrintisi2", {i("carino"), i("idnosu")}, R::Reader),
        op("SiparisAytintisiDip", {i("carino"), i("siranosu")}, R::Record, "baglantiu.TSiparisDipAyrinti"),
        op("CariEkstreVerVorpa", {i("carino")}, R::Reader),
        op("FaturaGetir", {i("carino"), i("idnosu")}, R::Reader),
        op("FaturaAltGetir", {i("idnosu")}, R::Reader),
        op("Tahsilat", {i("idnosu")}, R::Reader),
        op("SanalposSiranoVer", {i("idnosu")}, R::Integer),
        op("SAnalPosPdfVer", {i("sirano"), outSize("boy")}, R::Stream),
        op("CariDurumVer", {i("carino")}, R::String),
        // Sales staff
        op("CariAra", {session("bil"), s("aranan")}, R::Reader),
        op("CariSepetVer", {session("bil"), i("n")}, R::Reader),
        op("SepetSayisi", {session("bil")}, R::Integer),
        op("TusSonuclariVer", {session("bil")}, R::Record, "baglantiu.TTusSonuclari"),
        op("RaporGetir",
           {i("raporno"), i("bolum"), i("idno"), i("carino"), s("saticiadi"), d("tarih1"), d("tarih2"),
            outSize("size")},
           R::Stream),
        op("BakiyelerVer2", {i("carino")}, R::Reader),
        op("BakiyeDuzenle", balanceChange, R::Integer),
        op("BakiyeDegistir", balanceChange, R::Integer),
        op("BakiyeFiyatDegistir", balanceChange + QList<ParamSpec>{d("fiyat"), d("ind")}, R::Integer),
        op("TumSiparislerVer", {i("carino"), i("stokno")}, R::Reader),
        op("RaporAlinanSiparisler", {session("bilgi"), d("tarih1"), d("tarih2")}, R::Reader),
        op("RaporEnCokSatilanStoklar", {session("bilgi"), d("tarih1"), d("tarih2")}, R::Reader),
        // Requests and mail
        op("MobilCariBilgisiGetir", {i("sirano"), s("_idsi")}, R::Record, "mobilstokunit.TMobilCariBilgisi"),
        op("MailGonserCari", mailFields, R::Integer),
        op("MailGonserCariNormal", mailFields + QList<ParamSpec>{s("konu")}, R::Integer),
    };
}

QStringView bareName(QStringView name)
{
    const QLatin1StringView prefix(ServerClassPrefix);
    if (name.startsWith(prefix))
        return name.mid(prefix.size());
    return name;
}

} // namespace

QString OperationSpec::commandText() const { return QLatin1StringView(ServerClassPrefix) + name; }

QList<ParamSpec> OperationSpec::inputs() const
{
    QList<ParamSpec> result;
    for (const ParamSpec &p : params) {
        if (!p.out)
            result.append(p);
    }
    return result;
}

QList<ParamSpec> OperationSpec::outs() const
{
    QList<ParamSpec> result;
    for (const ParamSpec &p : params) {
        if (p.out)
            result.append(p);
    }
    return result;
}

const QList<OperationSpec> &serverOperations()
{
    static const QList<OperationSpec> table = buildTable();
    return table;
}

int operationIndex(QStringView name)
{
    const QStringView bare = bareName(name);
    const QList<OperationSpec> &ops = serverOperations();
    for (int k = 0; k < ops.size(); ++k) {
        if (ops[k].name == bare)
            return k;
    }
    return -1;
}

const OperationSpec *findOperation(QStringView name)
{
    const int k = operationIndex(name);
    return k < 0 ? nullptr : &serverOperations()[k];
}

QString paramTypeName(ParamType type)
{
    switch (type) {
    case ParamType::Integer: return QStringLiteral("Integer");
    case ParamType::Double: return QStringLiteral("Double");
    case ParamType::String: return QStringLiteral("string");
    case ParamType::Int64: return QStringLiteral("Int64");
    case ParamType::Record: return QStringLiteral("kayıt");
    }
    return QStringLiteral("?");
}

QString resultKindName(ResultKind kind)
{
    switch (kind) {
    case ResultKind::Reader: return QStringLiteral("okuyucu");
    case ResultKind::Packet: return QStringLiteral("veri paketi");
    case ResultKind::Record: return QStringLiteral("kayıt");
    case ResultKind::Stream: return QStringLiteral("akış");
    case ResultKind::Integer: return QStringLiteral("Integer");
    case ResultKind::Boolean: return QStringLiteral("Boolean");
    case ResultKind::String: return QStringLiteral("string");
    case ResultKind::None: return QStringLiteral("sonuçsuz");
    }
    return QStringLiteral("?");
}

WireValue::Type wireTypeOf(ParamType type)
{
    switch (type) {
    case ParamType::Integer: return WireValue::Type::Int32;
    case ParamType::Double: return WireValue::Type::Double;
    case ParamType::String: return WireValue::Type::String;
    case ParamType::Int64: return WireValue::Type::Int64;
    case ParamType::Record: return WireValue::Type::Record;
    }
    return WireValue::Type::Null;
}

namespace {

QString checkRecord(const QJsonObject &record, const QString &expectedType)
{
    const QString type = record.value(QStringLiteral("type")).toString();
    if (type != expectedType)
        return QStringLiteral("%1 türünde kayıt bekleniyordu, %2 geldi")
            .arg(expectedType, type.isEmpty() ? QStringLiteral("türsüz kayıt") : type);
    return {};
}

} // namespace

QString checkInputs(const OperationSpec &op, const QList<WireValue> &values)
{
    const QList<ParamSpec> inputs = op.inputs();
    if (inputs.size() != values.size())
        return QStringLiteral("%1: %2 parametre bekleniyordu, %3 geldi")
            .arg(op.commandText())
            .arg(inputs.size())
            .arg(values.size());
    for (int k = 0; k < inputs.size(); ++k) {
        const ParamSpec &p = inputs[k];
        const WireValue &v = values[k];
        if (p.type == ParamType::Record && v.isNull())
            continue;
        if (v.type() != wireTypeOf(p.type))
            return QStringLiteral("%1: %2. parametre (%3) %4 olmalı, %5 geldi")
                .arg(op.commandText())
                .arg(k + 1)
                .arg(p.name, paramTypeName(p.type), WireValue::typeName(v.type()));
        if (p.type == ParamType::Record) {
            const QString why = checkRecord(v.record(), p.recordType);
            if (!why.isEmpty())
                return QStringLiteral("%1: %2. parametre (%3): %4").arg(op.commandText()).arg(k + 1).arg(p.name, why);
        }
    }
    return {};
}

QString checkAnswer(const OperationSpec &op, const QList<WireValue> &outs, const WireValue &result)
{
    const QList<ParamSpec> declared = op.outs();
    if (declared.size() != outs.size())
        return QStringLiteral("%1: %2 çıkış değeri bekleniyordu, %3 geldi")
            .arg(op.commandText())
            .arg(declared.size())
            .arg(outs.size());
    for (int k = 0; k < declared.size(); ++k) {
        if (outs[k].type() != wireTypeOf(declared[k].type))
            return QStringLiteral("%1: çıkış değeri %2 %3 olmalı, %4 geldi")
                .arg(op.commandText(), declared[k].name, paramTypeName(declared[k].type),
                     WireValue::typeName(outs[k].type()));
    }
    WireValue::Type want = WireValue::Type::Null;
    switch (op.result) {
    case ResultKind::Reader: want = WireValue::Type::Reader; break;
    case ResultKind::Packet: want = WireValue::Type::Packet; break;
    case ResultKind::Record: want = WireValue::Type::Record; break;
    case ResultKind::Stream: want = WireValue::Type::Stream; break;
    case ResultKind::Integer: want = WireValue::Type::Int32; break;
    case ResultKind::Boolean: want = WireValue::Type::Boolean; break;
    case ResultKind::String: want = WireValue::Type::String; break;
    case ResultKind::None: want = WireValue::Type::Null; break;
    }
    if (op.result == ResultKind::Record && result.isNull())
        return {};
    if (result.type() != want)
        return QStringLiteral("%1: sonuç %2 olmalı, %3 geldi")
            .arg(op.commandText(), resultKindName(op.result), WireValue::typeName(result.type()));
    if (op.result == ResultKind::Record) {
        const QString why = checkRecord(result.record(), op.recordType);
        if (!why.isEmpty())
            return QStringLiteral("%1: %2").arg(op.commandText(), why);
    }
    return {};
}

} // namespace vorpa
