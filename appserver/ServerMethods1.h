#pragma once

#include "DataSet.h"
#include "baglantiu.h"
#include "mobilstokunit.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace vorpa {
class PdfDocument;
class Store;
}

/// The application server's operations, one method per operation with the parameters in the
/// order the client sends them. Readers and packets come back as datasets, records as owned
/// objects, streams as their bytes. Every parameter is checked; a refused call raises
/// vorpa::StoreError with a Turkish text and leaves the store unchanged.
class ServerMethods1 {
public:
    explicit ServerMethods1(vorpa::Store &store);

    // Session
    std::unique_ptr<TSonucBilgisi> BuyukGetir(const QString &idsi);

    // Catalogue, information and feeds
    vorpa::DataSet VorpaStokAraGetir(const QString &kod, const TSonucBilgisi *bilgi);
    QByteArray ResimVer5(int stokno);
    vorpa::DataSet StokHareketVer(int carino, int stokno);
    vorpa::DataSet YenilerVer2(int carino);
    vorpa::DataSet KampanyaliVer2(int cario, int satici);
    std::unique_ptr<TAcilisEkranlariki> AcilisEkranlarVer2();
    QString KayanYaziGetir();
    QByteArray BannerResimVer2();
    QByteArray BannerResimVer3();
    vorpa::DataSet BalonGetir(const TSonucBilgisi *bil);
    QString CariVadeGunGecmismiBul(int carino);
    int AcilisReklamAdet();
    std::unique_ptr<TAcilisEkran> AcilisREklamVer(int sira);

    // Basket and order sending
    vorpa::DataSet SepetVer2(int carino);
    int SepetEkle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod, const QString &stokadi,
                   double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2, double ind3,
                   double ind4);
    int SepetGuncelle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod,
                       const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid,
                       int _sepetsirano, double ind2, double ind3, double ind4);
    int SepetSatirSil(const TSonucBilgisi *bilgi, int satirno, const QString &aciklamam);
    int SepetHepsiniSil(const TSonucBilgisi *bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    bool SiparisKaydet(const TSonucBilgisi *BB, int _carino, int _teslim, int _kargo, const QString &_aciklama,
                       int _verenid, int _kargoyeni);
    vorpa::DataSet TeslimVer();
    vorpa::DataSet KargoVer();
    vorpa::DataSet KargolarVer(int gn);

    // Order history, statement and documents
    vorpa::DataSet OncekiSiparisler(int carino);
    vorpa::DataSet SiparisAyrintisi2(int carino, int idnosu);
    std::unique_ptr<TSiparisDipAyrinti> SiparisAytintisiDip(int carino, int siranosu);
    vorpa::DataSet CariEkstreVerVorpa(int carino);
    vorpa::DataSet FaturaGetir(int carino, int idnosu);
    vorpa::DataSet FaturaAltGetir(int idnosu);
    vorpa::DataSet Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QByteArray SAnalPosPdfVer(int sirano);
    QString CariDurumVer(int carino);

    // Sales staff
    vorpa::DataSet CariAra(const TSonucBilgisi *bil, const QString &aranan);
    vorpa::DataSet CariSepetVer(const TSonucBilgisi *bil, int n);
    int SepetSayisi(const TSonucBilgisi *bil);
    std::unique_ptr<TTusSonuclari> TusSonuclariVer(const TSonucBilgisi *bil);
    QByteArray RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi, double tarih1,
                          double tarih2);
    vorpa::DataSet BakiyelerVer2(int carino);
    int BakiyeDuzenle(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                      double Bakiye, const QString &barkod);
    int BakiyeDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                       double Bakiye, const QString &barkod);
    int BakiyeFiyatDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                            double Bakiye, const QString &barkod, double fiyat, double ind);
    vorpa::DataSet TumSiparislerVer(int carino, int stokno);
    vorpa::DataSet RaporAlinanSiparisler(const TSonucBilgisi *bilgi, double tarih1, double tarih2);
    vorpa::DataSet RaporEnCokSatilanStoklar(const TSonucBilgisi *bilgi, double tarih1, double tarih2);

    // Requests and mail
    std::unique_ptr<TMobilCariBilgisi> MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    int MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1,
                       const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon,
                       const QString &fax, const QString &vd, const QString &vn, const QString &yetkili,
                       const QString &kullaniciadi, const QString &sifre, const QString &mail,
                       const QString &kargoambar);
    int MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                             const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir,
                             const QString &telefon, const QString &fax, const QString &vd, const QString &vn,
                             const QString &yetkili, const QString &kullaniciadi, const QString &sifre,
                             const QString &mail, const QString &kargoambar, const QString &konu);

private:
    /// The user a session record stands for, as the store knows it.
    struct Caller {
        int sirano = 0;
        int carino = 0;  // the customer served (the record's, checked against the user's rights)
        int role = 0;
        int saticiNo = 0;
        QString adi;
        bool isStaff() const { return role == 1 || role == 2; }
        /// The salesperson whose customers a staff user sees: a salesperson sees only their own,
        /// the manager (0) every one.
        int sellerFilter() const { return role == 1 ? saticiNo : 0; }
    };

    /// Checks that the record names an active user with its stored password and, for a customer
    /// user, that the customer in it is the user's own.
    Caller requireSession(const TSonucBilgisi *record) const;
    /// As requireSession, for the staff operations.
    Caller requireStaff(const TSonucBilgisi *record) const;
    void requireCustomer(int carino) const;
    double customerBalance(int carino) const;
    /// The customer of invoice idnosu; refuses when idnosu names no invoice.
    int invoiceCustomer(int idnosu) const;
    /// A report document on one customer, headed with its name, its code and the salesperson.
    vorpa::PdfDocument customerReport(const QString &title, int carino, const QString &saticiadi) const;
    vorpa::DataSet stockQuery(const QString &where, const QVariantList &values, int limit) const;
    vorpa::DataSet orderLines(const QString &where, const QVariantList &values) const;
    vorpa::DataSet customerList(const Caller &caller, const QString &where, const QVariantList &values) const;
    int storeMail(const QString &idsi, const QString &baslik, const QStringList &lines);

    vorpa::Store &m_store;
};
