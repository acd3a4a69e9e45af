#pragma once

#include "DSConnection.h"
#include "ResultReader.h"
#include "ServerCommand.h"
#include "baglantiu.h"
#include "mobilstokunit.h"

#include <QIODevice>
#include <QString>

#include <memory>

/// The client proxy of the application server: one method per server operation, parameters in
/// the server's order. Each operation's command is prepared on first use and reused by this
/// proxy. Record arguments are sent as copies (the caller's record is never touched; a null
/// pointer sends a null record). Readers, streams and records it returns belong to the proxy and
/// stay valid until the same operation runs again on it or it is destroyed; dataset packets and
/// plain values are returned by value. Failures raise vorpa::RemoteError with their own text.
class TServerMethods1Client {
public:
    /// Raises vorpa::RemoteError "Connection cannot be nil.  Make sure the connection has been
    /// opened." unless the connection is open.
    explicit TServerMethods1Client(vorpa::DSConnection *connection);
    explicit TServerMethods1Client(vorpa::DSConnection &connection);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    /// The prepared command of an operation, or nullptr while it has not been called.
    const vorpa::ServerCommand *preparedCommand(const QString &operation) const;

    // Session
    TSonucBilgisi *BuyukGetir(const QString &idsi);

    // Catalogue, information and feeds
    vorpa::DataSet VorpaStokAraGetir(const QString &kod, const TSonucBilgisi *bilgi);
    QIODevice *ResimVer5(int stokno, qint64 &boy);
    vorpa::DataSet StokHareketVer(int carino, int stokno);
    vorpa::DataSet YenilerVer2(int carino);
    vorpa::DataSet KampanyaliVer2(int cario, int satici);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    QString KayanYaziGetir();
    QIODevice *BannerResimVer2(qint64 &size);
    QIODevice *BannerResimVer3(qint64 &size);
    vorpa::ResultReader *BalonGetir(const TSonucBilgisi *bil);
    QString CariVadeGunGecmismiBul(int carino);
    int AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(int sira);

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
    vorpa::ResultReader *TeslimVer();
    vorpa::ResultReader *KargoVer();
    vorpa::ResultReader *KargolarVer(int gn);

    // Order history, statement and documents
    vorpa::ResultReader *OncekiSiparisler(int carino);
    vorpa::ResultReader *SiparisAyrintisi2(int carino, int idnosu);
    TSiparisDipAyrinti *SiparisAytintisiDip(int carino, int siranosu);
    vorpa::ResultReader *CariEkstreVerVorpa(int carino);
    vorpa::ResultReader *FaturaGetir(int carino, int idnosu);
    vorpa::ResultReader *FaturaAltGetir(int idnosu);
    vorpa::ResultReader *Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QIODevice *SAnalPosPdfVer(int sirano, qint64 &boy);
    QString CariDurumVer(int carino);

    // Sales staff
    vorpa::ResultReader *CariAra(const TSonucBilgisi *bil, const QString &aranan);
    vorpa::ResultReader *CariSepetVer(const TSonucBilgisi *bil, int n);
    int SepetSayisi(const TSonucBilgisi *bil);
    TTusSonuclari *TusSonuclariVer(const TSonucBilgisi *bil);
    QIODevice *RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi, double tarih1,
                          double tarih2, qint64 &size);
    vorpa::ResultReader *BakiyelerVer2(int carino);
    int BakiyeDuzenle(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                      double Bakiye, const QString &barkod);
    int BakiyeDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                       double Bakiye, const QString &barkod);
    int BakiyeFiyatDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                            double Bakiye, const QString &barkod, double fiyat, double ind);
    vorpa::ResultReader *TumSiparislerVer(int carino, int stokno);
    vorpa::ResultReader *RaporAlinanSiparisler(const TSonucBilgisi *bilgi, double tarih1, double tarih2);
    vorpa::ResultReader *RaporEnCokSatilanStoklar(const TSonucBilgisi *bilgi, double tarih1, double tarih2);

    // Requests and mail
    TMobilCariBilgisi *MobilCariBilgisiGetir(int sirano, const QString &_idsi);
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
    vorpa::ServerCommand &run(const char *operation, const QList<vorpa::WireValue> &inputs);

    vorpa::DSConnection *m_connection;
    std::vector<std::unique_ptr<vorpa::ServerCommand>> m_commands; // one slot per operation
};
