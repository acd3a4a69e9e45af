#include "mobilstokunit.h"

#include "RecordError.h"
#include "RecordJson.h"

#include <QJsonArray>

void TMobilCariBilgisi::Kopyala(const TMobilCariBilgisi &source)
{
    setCARINO(source.CARINO());
    setCARIKOD(source.CARIKOD());
    setCARIADI(source.CARIADI());
    setOzelKod(source.OzelKod());
    setAnaGrup(source.AnaGrup());
    setAltGrup(source.AltGrup());
    setADRES1(source.ADRES1());
    setADRES2(source.ADRES2());
    setILCE(source.ILCE());
    setTEL1(source.TEL1());
    setTEL2(source.TEL2());
    setFAX1(source.FAX1());
    setFAX2(source.FAX2());
    setGSM(source.GSM());
    setEMAIL(source.EMAIL());
    setYETKILI(source.YETKILI());
    setSEHIR(source.SEHIR());
    setULKE(source.ULKE());
    setSATICIADI(source.SATICIADI());
    setSATICITELEFON(source.SATICITELEFON());
    setSATICIMAIL(source.SATICIMAIL());
    setVERGIDAIRESI(source.VERGIDAIRESI());
    setVERGINO(source.VERGINO());
    setTLBORC(source.TLBORC());
    setTLALACAK(source.TLALACAK());
    setTLBAKIYE(source.TLBAKIYE());
    setKULLANICIADI(source.KULLANICIADI());
    setSIFRE(source.SIFRE());
    setMAIL(source.MAIL());
    setBILGISAYARID(source.BILGISAYARID());
}

QJsonObject TMobilCariBilgisi::toJson(int id) const
{
    QJsonObject fields;
    fields.insert(QStringLiteral("FCARINO"), FCARINO);
    fields.insert(QStringLiteral("FCARIKOD"), FCARIKOD);
    fields.insert(QStringLiteral("FCARIADI"), FCARIADI);
    fields.insert(QStringLiteral("FOzelKod"), FOzelKod);
    fields.insert(QStringLiteral("FAnaGrup"), FAnaGrup);
    fields.insert(QStringLiteral("FAltGrup"), FAltGrup);
    fields.insert(QStringLiteral("FADRES1"), FADRES1);
    fields.insert(QStringLiteral("FADRES2"), FADRES2);
    fields.insert(QStringLiteral("FILCE"), FILCE);
    fields.insert(QStringLiteral("FTEL1"), FTEL1);
    fields.insert(QStringLiteral("FTEL2"), FTEL2);
    fields.insert(QStringLiteral("FFAX1"), FFAX1);
    fields.insert(QStringLiteral("FFAX2"), FFAX2);
    fields.insert(QStringLiteral("FGSM"), FGSM);
    fields.insert(QStringLiteral("FEMAIL"), FEMAIL);
    fields.insert(QStringLiteral("FYETKILI"), FYETKILI);
    fields.insert(QStringLiteral("FSEHIR"), FSEHIR);
    fields.insert(QStringLiteral("FULKE"), FULKE);
    fields.insert(QStringLiteral("FSATICIADI"), FSATICIADI);
    fields.insert(QStringLiteral("FSATICITELEFON"), FSATICITELEFON);
    fields.insert(QStringLiteral("FSATICIMAIL"), FSATICIMAIL);
    fields.insert(QStringLiteral("FVERGIDAIRESI"), FVERGIDAIRESI);
    fields.insert(QStringLiteral("FVERGINO"), FVERGINO);
    fields.insert(QStringLiteral("FTLBORC"), FTLBORC);
    fields.insert(QStringLiteral("FTLALACAK"), FTLALACAK);
    fields.insert(QStringLiteral("FTLBAKIYE"), FTLBAKIYE);
    fields.insert(QStringLiteral("FKULLANICIADI"), FKULLANICIADI);
    fields.insert(QStringLiteral("FSIFRE"), FSIFRE);
    fields.insert(QStringLiteral("FMAIL"), FMAIL);
    fields.insert(QStringLiteral("FBILGISAYARID"), FBILGISAYARID);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TMobilCariBilgisi> TMobilCariBilgisi::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TMobilCariBilgisi>();
    vorpa::RecordJson::read(fields, TypeName, "FCARINO", record->FCARINO);
    vorpa::RecordJson::read(fields, TypeName, "FCARIKOD", record->FCARIKOD);
    vorpa::RecordJson::read(fields, TypeName, "FCARIADI", record->FCARIADI);
    vorpa::RecordJson::read(fields, TypeName, "FOzelKod", record->FOzelKod);
    vorpa::RecordJson::read(fields, TypeName, "FAnaGrup", record->FAnaGrup);
    vorpa::RecordJson::read(fields, TypeName, "FAltGrup", record->FAltGrup);
    vorpa::RecordJson::read(fields, TypeName, "FADRES1", record->FADRES1);
    vorpa::RecordJson::read(fields, TypeName, "FADRES2", record->FADRES2);
    vorpa::RecordJson::read(fields, TypeName, "FILCE", record->FILCE);
    vorpa::RecordJson::read(fields, TypeName, "FTEL1", record->FTEL1);
    vorpa::RecordJson::read(fields, TypeName, "FTEL2", record->FTEL2);
    vorpa::RecordJson::read(fields, TypeName, "FFAX1", record->FFAX1);
    vorpa::RecordJson::read(fields, TypeName, "FFAX2", record->FFAX2);
    vorpa::RecordJson::read(fields, TypeName, "FGSM", record->FGSM);
    vorpa::RecordJson::read(fields, TypeName, "FEMAIL", record->FEMAIL);
    vorpa::RecordJson::read(fields, TypeName, "FYETKILI", record->FYETKILI);
    vorpa::RecordJson::read(fields, TypeName, "FSEHIR", record->FSEHIR);
    vorpa::RecordJson::read(fields, TypeName, "FULKE", record->FULKE);
    vorpa::RecordJson::read(fields, TypeName, "FSATICIADI", record->FSATICIADI);
    vorpa::RecordJson::read(fields, TypeName, "FSATICITELEFON", record->FSATICITELEFON);
    vorpa::RecordJson::read(fields, TypeName, "FSATICIMAIL", record->FSATICIMAIL);
    vorpa::RecordJson::read(fields, TypeName, "FVERGIDAIRESI", record->FVERGIDAIRESI);
    vorpa::RecordJson::read(fields, TypeName, "FVERGINO", record->FVERGINO);
    vorpa::RecordJson::read(fields, TypeName, "FTLBORC", record->FTLBORC);
    vorpa::RecordJson::read(fields, TypeName, "FTLALACAK", record->FTLALACAK);
    vorpa::RecordJson::read(fields, TypeName, "FTLBAKIYE", record->FTLBAKIYE);
    vorpa::RecordJson::read(fields, TypeName, "FKULLANICIADI", record->FKULLANICIADI);
    vorpa::RecordJson::read(fields, TypeName, "FSIFRE", record->FSIFRE);
    vorpa::RecordJson::read(fields, TypeName, "FMAIL", record->FMAIL);
    vorpa::RecordJson::read(fields, TypeName, "FBILGISAYARID", record->FBILGISAYARID);
    return record;
}

QJsonObject TAcilisEkran::toJson(int id) const
{
    QJsonObject fields;
    fields.insert(QStringLiteral("FSiraNo"), FSiraNo);
    fields.insert(QStringLiteral("FResim"), FResim);
    fields.insert(QStringLiteral("FBaslik"), FBaslik);
    fields.insert(QStringLiteral("FArama"), FArama);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TAcilisEkran> TAcilisEkran::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TAcilisEkran>();
    vorpa::RecordJson::read(fields, TypeName, "FSiraNo", record->FSiraNo);
    vorpa::RecordJson::read(fields, TypeName, "FResim", record->FResim);
    vorpa::RecordJson::read(fields, TypeName, "FBaslik", record->FBaslik);
    vorpa::RecordJson::read(fields, TypeName, "FArama", record->FArama);
    return record;
}
QJsonObject TAcilisEkranlariki::toJson(int id) const
{
    QJsonArray entries;
    int nextId = id;
    for (const TAcilisEkran &entry : FEkranlar)
        entries.append(entry.toJson(++nextId));
    QJsonObject fields;
    fields.insert(QStringLiteral("FEkranlar"), entries);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TAcilisEkranlariki> TAcilisEkranlariki::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TAcilisEkranlariki>();
    const QJsonValue entries = fields.value(QStringLiteral("FEkranlar"));
    if (entries.isUndefined() || entries.isNull())
        return record;
    if (!entries.isArray())
        throw vorpa::RecordError(QStringLiteral("%1: member \"FEkranlar\" must be an array")
                                     .arg(QLatin1String(TypeName))
                                     .toStdString());
    const QJsonArray array = entries.toArray();
    record->FEkranlar.reserve(size_t(array.size()));
    for (const QJsonValue &entry : array) {
        if (auto parsed = TAcilisEkran::fromJson(entry))
            record->FEkranlar.push_back(std::move(*parsed));
    }
    return record;
}
