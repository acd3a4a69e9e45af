#include "baglantiu.h"

#include "RecordJson.h"

void TSonucBilgisi::Kopyala(const TSonucBilgisi &source)
{
    setBILGISAYARID(source.BILGISAYARID());
    setSaticiMail(source.SaticiMail());
    setSirano(source.Sirano());
    setCariAdi(source.CariAdi());
    setSIFRE(source.SIFRE());
    setSaticiNo(source.SaticiNo());
    setCARINO(source.CARINO());
    setAKTIF(source.AKTIF());
    setKullanicimail(source.Kullanicimail());
    setADI(source.ADI());
    setSaticiTelefon(source.SaticiTelefon());
    setcarikod(source.carikod());
    setVarmi(source.Varmi());
    setSaticiAdi(source.SaticiAdi());
    setBilgiSayarAdi(source.BilgiSayarAdi());
    setDisip(source.Disip());
    setIcip(source.Icip());
    setBilgisayarKullanici(source.BilgisayarKullanici());
    setMusteriTipi(source.MusteriTipi());
    setVersion(source.Version());
}

QJsonObject TSonucBilgisi::toJson(int id) const
{
    QJsonObject fields;
    fields.insert(QStringLiteral("FBILGISAYARID"), FBILGISAYARID);
    fields.insert(QStringLiteral("FSaticiMail"), FSaticiMail);
    fields.insert(QStringLiteral("FSirano"), FSirano);
    fields.insert(QStringLiteral("FCariAdi"), FCariAdi);
    fields.insert(QStringLiteral("FSIFRE"), FSIFRE);
    fields.insert(QStringLiteral("FSaticiNo"), FSaticiNo);
    fields.insert(QStringLiteral("FCARINO"), FCARINO);
    fields.insert(QStringLiteral("FAKTIF"), FAKTIF);
    fields.insert(QStringLiteral("FKullanicimail"), FKullanicimail);
    fields.insert(QStringLiteral("FADI"), FADI);
    fields.insert(QStringLiteral("FSaticiTelefon"), FSaticiTelefon);
    fields.insert(QStringLiteral("Fcarikod"), Fcarikod);
    fields.insert(QStringLiteral("FVarmi"), FVarmi);
    fields.insert(QStringLiteral("FSaticiAdi"), FSaticiAdi);
    fields.insert(QStringLiteral("FBilgiSayarAdi"), FBilgiSayarAdi);
    fields.insert(QStringLiteral("FDisip"), FDisip);
    fields.insert(QStringLiteral("FIcip"), FIcip);
    fields.insert(QStringLiteral("FBilgisayarKullanici"), FBilgisayarKullanici);
    fields.insert(QStringLiteral("FMusteriTipi"), FMusteriTipi);
    fields.insert(QStringLiteral("FVersion"), FVersion);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TSonucBilgisi> TSonucBilgisi::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TSonucBilgisi>();
    vorpa::RecordJson::read(fields, TypeName, "FBILGISAYARID", record->FBILGISAYARID);
    vorpa::RecordJson::read(fields, TypeName, "FSaticiMail", record->FSaticiMail);
    vorpa::RecordJson::read(fields, TypeName, "FSirano", record->FSirano);
    vorpa::RecordJson::read(fields, TypeName, "FCariAdi", record->FCariAdi);
    vorpa::RecordJson::read(fields, TypeName, "FSIFRE", record->FSIFRE);
    vorpa::RecordJson::read(fields, TypeName, "FSaticiNo", record->FSaticiNo);
    vorpa::RecordJson::read(fields, TypeName, "FCARINO", record->FCARINO);
    vorpa::RecordJson::read(fields, TypeName, "FAKTIF", record->FAKTIF);
    vorpa::RecordJson::read(fields, TypeName, "FKullanicimail", record->FKullanicimail);
    vorpa::RecordJson::read(fields, TypeName, "FADI", record->FADI);
    vorpa::RecordJson::read(fields, TypeName, "FSaticiTelefon", record->FSaticiTelefon);
    vorpa::RecordJson::read(fields, TypeName, "Fcarikod", record->Fcarikod);
    vorpa::RecordJson::read(fields, TypeName, "FVarmi", record->FVarmi);
    vorpa::RecordJson::read(fields, TypeName, "FSaticiAdi", record->FSaticiAdi);
    vorpa::RecordJson::read(fields, TypeName, "FBilgiSayarAdi", record->FBilgiSayarAdi);
    vorpa::RecordJson::read(fields, TypeName, "FDisip", record->FDisip);
    vorpa::RecordJson::read(fields, TypeName, "FIcip", record->FIcip);
    vorpa::RecordJson::read(fields, TypeName, "FBilgisayarKullanici", record->FBilgisayarKullanici);
    vorpa::RecordJson::read(fields, TypeName, "FMusteriTipi", record->FMusteriTipi);
    vorpa::RecordJson::read(fields, TypeName, "FVersion", record->FVersion);
    return record;
}

void TSiparisDipAyrinti::Kopyala(const TSiparisDipAyrinti &source)
{
    setSizinMesaj(source.SizinMesaj());
    setDurumu(source.Durumu());
    setVeren(source.Veren());
    setKargo(source.Kargo());
    setBizimMesaj(source.BizimMesaj());
    setTeslimCinsi(source.TeslimCinsi());
    setKargoCinsi(source.KargoCinsi());
    setSaticiNotu(source.SaticiNotu());
}

QJsonObject TSiparisDipAyrinti::toJson(int id) const
{
    QJsonObject fields;
    fields.insert(QStringLiteral("FSizinMesaj"), FSizinMesaj);
    fields.insert(QStringLiteral("FDurumu"), FDurumu);
    fields.insert(QStringLiteral("FVeren"), FVeren);
    fields.insert(QStringLiteral("FKargo"), FKargo);
    fields.insert(QStringLiteral("FBizimMesaj"), FBizimMesaj);
    fields.insert(QStringLiteral("FTeslimCinsi"), FTeslimCinsi);
    fields.insert(QStringLiteral("FKargoCinsi"), FKargoCinsi);
    fields.insert(QStringLiteral("FSaticiNotu"), FSaticiNotu);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TSiparisDipAyrinti> TSiparisDipAyrinti::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TSiparisDipAyrinti>();
    vorpa::RecordJson::read(fields, TypeName, "FSizinMesaj", record->FSizinMesaj);
    vorpa::RecordJson::read(fields, TypeName, "FDurumu", record->FDurumu);
    vorpa::RecordJson::read(fields, TypeName, "FVeren", record->FVeren);
    vorpa::RecordJson::read(fields, TypeName, "FKargo", record->FKargo);
    vorpa::RecordJson::read(fields, TypeName, "FBizimMesaj", record->FBizimMesaj);
    vorpa::RecordJson::read(fields, TypeName, "FTeslimCinsi", record->FTeslimCinsi);
    vorpa::RecordJson::read(fields, TypeName, "FKargoCinsi", record->FKargoCinsi);
    vorpa::RecordJson::read(fields, TypeName, "FSaticiNotu", record->FSaticiNotu);
    return record;
}

void TTusSonuclari::Kopyala(const TTusSonuclari &source)
{
    setAlindi(source.Alindi());
    setOnaylandi(source.Onaylandi());
    setParcaliHazirlandi(source.ParcaliHazirlandi());
    setSevkEdildi(source.SevkEdildi());
    setHazirlandi(source.Hazirlandi());
    setGoruldu(source.Goruldu());
}

QJsonObject TTusSonuclari::toJson(int id) const
{
    QJsonObject fields;
    fields.insert(QStringLiteral("FAlindi"), FAlindi);
    fields.insert(QStringLiteral("FOnaylandi"), FOnaylandi);
    fields.insert(QStringLiteral("FParcaliHazirlandi"), FParcaliHazirlandi);
    fields.insert(QStringLiteral("FSevkEdildi"), FSevkEdildi);
    fields.insert(QStringLiteral("FHazirlandi"), FHazirlandi);
    fields.insert(QStringLiteral("FGoruldu"), FGoruldu);
    return vorpa::RecordJson::envelope(TypeName, id, fields);
}

std::unique_ptr<TTusSonuclari> TTusSonuclari::fromJson(const QJsonValue &v)
{
    if (v.isNull())
        return nullptr;
    const QJsonObject fields = vorpa::RecordJson::fieldsOf(v, TypeName);
    auto record = std::make_unique<TTusSonuclari>();
    vorpa::RecordJson::read(fields, TypeName, "FAlindi", record->FAlindi);
    vorpa::RecordJson::read(fields, TypeName, "FOnaylandi", record->FOnaylandi);
    vorpa::RecordJson::read(fields, TypeName, "FParcaliHazirlandi", record->FParcaliHazirlandi);
    vorpa::RecordJson::read(fields, TypeName, "FSevkEdildi", record->FSevkEdildi);
    vorpa::RecordJson::read(fields, TypeName, "FHazirlandi", record->FHazirlandi);
    vorpa::RecordJson::read(fields, TypeName, "FGoruldu", record->FGoruldu);
    return record;
}
