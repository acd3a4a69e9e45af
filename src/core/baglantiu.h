#pragma once

// Records exchanged with the application server about the session and orders.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <memory>

/// The session record: who is logged in, which customer account is served, and this workstation.
class TSonucBilgisi {
public:
    static constexpr const char *TypeName = "baglantiu.TSonucBilgisi";

    QString BILGISAYARID() const { return FBILGISAYARID; }
    QString SaticiMail() const { return FSaticiMail; }
    int Sirano() const { return FSirano; }
    QString CariAdi() const { return FCariAdi; }
    QString SIFRE() const { return FSIFRE; }
    int SaticiNo() const { return FSaticiNo; }
    int CARINO() const { return FCARINO; }
    int AKTIF() const { return FAKTIF; }
    QString Kullanicimail() const { return FKullanicimail; }
    QString ADI() const { return FADI; }
    QString SaticiTelefon() const { return FSaticiTelefon; }
    QString carikod() const { return Fcarikod; }
    bool Varmi() const { return FVarmi; }
    QString SaticiAdi() const { return FSaticiAdi; }
    QString BilgiSayarAdi() const { return FBilgiSayarAdi; }
    QString Disip() const { return FDisip; }
    QString Icip() const { return FIcip; }
    QString BilgisayarKullanici() const { return FBilgisayarKullanici; }
    int MusteriTipi() const { return FMusteriTipi; }
    int Version() const { return FVersion; }

    void setBILGISAYARID(const QString &value) { FBILGISAYARID = value; }
    void setSaticiMail(const QString &value) { FSaticiMail = value; }
    void setSirano(int value) { FSirano = value; }
    void setCariAdi(const QString &value) { FCariAdi = value; }
    void setSIFRE(const QString &value) { FSIFRE = value; }
    void setSaticiNo(int value) { FSaticiNo = value; }
    void setCARINO(int value) { FCARINO = value; }
    void setAKTIF(int value) { FAKTIF = value; }
    void setKullanicimail(const QString &value) { FKullanicimail = value; }
    void setADI(const QString &value) { FADI = value; }
    void setSaticiTelefon(const QString &value) { FSaticiTelefon = value; }
    void setcarikod(const QString &value) { Fcarikod = value; }
    void setVarmi(bool value) { FVarmi = value; }
    void setSaticiAdi(const QString &value) { FSaticiAdi = value; }
    void setBilgiSayarAdi(const QString &value) { FBilgiSayarAdi = value; }
    void setDisip(const QString &value) { FDisip = value; }
    void setIcip(const QString &value) { FIcip = value; }
    void setBilgisayarKullanici(const QString &value) { FBilgisayarKullanici = value; }
    void setMusteriTipi(int value) { FMusteriTipi = value; }
    void setVersion(int value) { FVersion = value; }

    /// Copies every field of source into this record.
    void Kopyala(const TSonucBilgisi &source);
    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    static std::unique_ptr<TSonucBilgisi> fromJson(const QJsonValue &v);

    bool operator==(const TSonucBilgisi &other) const = default;

private:
    QString FBILGISAYARID;
    QString FSaticiMail;
    int FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    int FSaticiNo = 0;
    int FCARINO = 0;
    int FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    int FMusteriTipi = 1;
    int FVersion = 1;
};

/// The footer of one order: messages, status, who placed it and how it travels.
class TSiparisDipAyrinti {
public:
    static constexpr const char *TypeName = "baglantiu.TSiparisDipAyrinti";

    QString SizinMesaj() const { return FSizinMesaj; }
    QString Durumu() const { return FDurumu; }
    QString Veren() const { return FVeren; }
    QString Kargo() const { return FKargo; }
    QString BizimMesaj() const { return FBizimMesaj; }
    QString TeslimCinsi() const { return FTeslimCinsi; }
    QString KargoCinsi() const { return FKargoCinsi; }
    QString SaticiNotu() const { return FSaticiNotu; }

    void setSizinMesaj(const QString &value) { FSizinMesaj = value; }
    void setDurumu(const QString &value) { FDurumu = value; }
    void setVeren(const QString &value) { FVeren = value; }
    void setKargo(const QString &value) { FKargo = value; }
    void setBizimMesaj(const QString &value) { FBizimMesaj = value; }
    void setTeslimCinsi(const QString &value) { FTeslimCinsi = value; }
    void setKargoCinsi(const QString &value) { FKargoCinsi = value; }
    void setSaticiNotu(const QString &value) { FSaticiNotu = value; }

    /// Copies every field of source into this record.
    void Kopyala(const TSiparisDipAyrinti &source);
    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    static std::unique_ptr<TSiparisDipAyrinti> fromJson(const QJsonValue &v);

    bool operator==(const TSiparisDipAyrinti &other) const = default;

private:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;
};

/// Order counts per status, shown on the staff window's status buttons.
class TTusSonuclari {
public:
    static constexpr const char *TypeName = "baglantiu.TTusSonuclari";

    int Alindi() const { return FAlindi; }
    int Onaylandi() const { return FOnaylandi; }
    int ParcaliHazirlandi() const { return FParcaliHazirlandi; }
    int SevkEdildi() const { return FSevkEdildi; }
    int Hazirlandi() const { return FHazirlandi; }
    int Goruldu() const { return FGoruldu; }

    void setAlindi(int value) { FAlindi = value; }
    void setOnaylandi(int value) { FOnaylandi = value; }
    void setParcaliHazirlandi(int value) { FParcaliHazirlandi = value; }
    void setSevkEdildi(int value) { FSevkEdildi = value; }
    void setHazirlandi(int value) { FHazirlandi = value; }
    void setGoruldu(int value) { FGoruldu = value; }

    /// Copies every field of source into this record.
    void Kopyala(const TTusSonuclari &source);
    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    static std::unique_ptr<TTusSonuclari> fromJson(const QJsonValue &v);

    bool operator==(const TTusSonuclari &other) const = default;

private:
    int FAlindi = 0;
    int FOnaylandi = 0;
    int FParcaliHazirlandi = 0;
    int FSevkEdildi = 0;
    int FHazirlandi = 0;
    int FGoruldu = 0;
};
