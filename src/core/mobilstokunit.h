#pragma once

// Records the server sends about customer accounts and the opening screens.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <memory>
#include <vector>

/// A customer account's details: address, contacts, tax data, balances and its login.
class TMobilCariBilgisi {
public:
    static constexpr const char *TypeName = "mobilstokunit.TMobilCariBilgisi";

    int CARINO() const { return FCARINO; }
    QString CARIKOD() const { return FCARIKOD; }
    QString CARIADI() const { return FCARIADI; }
    QString OzelKod() const { return FOzelKod; }
    QString AnaGrup() const { return FAnaGrup; }
    QString AltGrup() const { return FAltGrup; }
    QString ADRES1() const { return FADRES1; }
    QString ADRES2() const { return FADRES2; }
    QString ILCE() const { return FILCE; }
    QString TEL1() const { return FTEL1; }
    QString TEL2() const { return FTEL2; }
    QString FAX1() const { return FFAX1; }
    QString FAX2() const { return FFAX2; }
    QString GSM() const { return FGSM; }
    QString EMAIL() const { return FEMAIL; }
    QString YETKILI() const { return FYETKILI; }
    QString SEHIR() const { return FSEHIR; }
    QString ULKE() const { return FULKE; }
    QString SATICIADI() const { return FSATICIADI; }
    QString SATICITELEFON() const { return FSATICITELEFON; }
    QString SATICIMAIL() const { return FSATICIMAIL; }
    QString VERGIDAIRESI() const { return FVERGIDAIRESI; }
    QString VERGINO() const { return FVERGINO; }
    double TLBORC() const { return FTLBORC; }
    double TLALACAK() const { return FTLALACAK; }
    double TLBAKIYE() const { return FTLBAKIYE; }
    QString KULLANICIADI() const { return FKULLANICIADI; }
    QString SIFRE() const { return FSIFRE; }
    QString MAIL() const { return FMAIL; }
    QString BILGISAYARID() const { return FBILGISAYARID; }

    void setCARINO(int value) { FCARINO = value; }
    void setCARIKOD(const QString &value) { FCARIKOD = value; }
    void setCARIADI(const QString &value) { FCARIADI = value; }
    void setOzelKod(const QString &value) { FOzelKod = value; }
    void setAnaGrup(const QString &value) { FAnaGrup = value; }
    void setAltGrup(const QString &value) { FAltGrup = value; }
    void setADRES1(const QString &value) { FADRES1 = value; }
    void setADRES2(const QString &value) { FADRES2 = value; }
    void setILCE(const QString &value) { FILCE = value; }
    void setTEL1(const QString &value) { FTEL1 = value; }
    void setTEL2(const QString &value) { FTEL2 = value; }
    void setFAX1(const QString &value) { FFAX1 = value; }
    void setFAX2(const QString &value) { FFAX2 = value; }
    void setGSM(const QString &value) { FGSM = value; }
    void setEMAIL(const QString &value) { FEMAIL = value; }
    void setYETKILI(const QString &value) { FYETKILI = value; }
    void setSEHIR(const QString &value) { FSEHIR = value; }
    void setULKE(const QString &value) { FULKE = value; }
    void setSATICIADI(const QString &value) { FSATICIADI = value; }
    void setSATICITELEFON(const QString &value) { FSATICITELEFON = value; }
    void setSATICIMAIL(const QString &value) { FSATICIMAIL = value; }
    void setVERGIDAIRESI(const QString &value) { FVERGIDAIRESI = value; }
    void setVERGINO(const QString &value) { FVERGINO = value; }
    void setTLBORC(double value) { FTLBORC = value; }
    void setTLALACAK(double value) { FTLALACAK = value; }
    void setTLBAKIYE(double value) { FTLBAKIYE = value; }
    void setKULLANICIADI(const QString &value) { FKULLANICIADI = value; }
    void setSIFRE(const QString &value) { FSIFRE = value; }
    void setMAIL(const QString &value) { FMAIL = value; }
    void setBILGISAYARID(const QString &value) { FBILGISAYARID = value; }

    /// Copies every field of source into this record.
    void Kopyala(const TMobilCariBilgisi &source);
    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    static std::unique_ptr<TMobilCariBilgisi> fromJson(const QJsonValue &v);

    bool operator==(const TMobilCariBilgisi &other) const = default;

private:
    int FCARINO = 0;
    QString FCARIKOD;
    QString FCARIADI;
    QString FOzelKod;
    QString FAnaGrup;
    QString FAltGrup;
    QString FADRES1;
    QString FADRES2;
    QString FILCE;
    QString FTEL1;
    QString FTEL2;
    QString FFAX1;
    QString FFAX2;
    QString FGSM;
    QString FEMAIL;
    QString FYETKILI;
    QString FSEHIR;
    QString FULKE;
    QString FSATICIADI;
    QString FSATICITELEFON;
    QString FSATICIMAIL;
    QString FVERGIDAIRESI;
    QString FVERGINO;
    double FTLBORC = 0.0;
    double FTLALACAK = 0.0;
    double FTLBAKIYE = 0.0;
    QString FKULLANICIADI;
    QString FSIFRE;
    QString FMAIL;
    QString FBILGISAYARID;
};

/// One opening-screen entry: a title, its picture as picture text and what choosing it does.
class TAcilisEkran {
public:
    static constexpr const char *TypeName = "mobilstokunit.TAcilisEkran";

    int SiraNo() const { return FSiraNo; }
    QString Resim() const { return FResim; }
    QString Baslik() const { return FBaslik; }
    QString Arama() const { return FArama; }

    void setSiraNo(int value) { FSiraNo = value; }
    void setResim(const QString &value) { FResim = value; }
    void setBaslik(const QString &value) { FBaslik = value; }
    void setArama(const QString &value) { FArama = value; }

    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    static std::unique_ptr<TAcilisEkran> fromJson(const QJsonValue &v);

    bool operator==(const TAcilisEkran &other) const = default;

private:
    int FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;
};
/// All opening-screen entries in the order they are shown; it owns its entries.
class TAcilisEkranlariki {
public:
    static constexpr const char *TypeName = "mobilstokunit.TAcilisEkranlariki";

    const std::vector<TAcilisEkran> &Ekranlar() const { return FEkranlar; }
    void setEkranlar(std::vector<TAcilisEkran> value) { FEkranlar = std::move(value); }
    void addEkran(TAcilisEkran entry) { FEkranlar.push_back(std::move(entry)); }

    /// The entries are numbered after the container: id + 1, id + 2, ...
    QJsonObject toJson(int id = 1) const;
    /// nullptr for JSON null (no record); RecordError for anything that is not this record.
    /// A null entry in the array carries nothing and is skipped.
    static std::unique_ptr<TAcilisEkranlariki> fromJson(const QJsonValue &v);

    bool operator==(const TAcilisEkranlariki &other) const = default;

private:
    std::vector<TAcilisEkran> FEkranlar;
};
