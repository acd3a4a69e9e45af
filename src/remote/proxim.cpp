#include "proxim.h"

#include "RemoteError.h"

using vorpa::WireValue;

namespace {

WireValue arg(int v) { return WireValue::fromInt32(v); }
WireValue arg(double v) { return WireValue::fromDouble(v); }
WireValue arg(const QString &v) { return WireValue::fromString(v); }

// The record is marshalled from a private copy, so the caller's instance is never touched.
WireValue arg(const TSonucBilgisi *record)
{
    if (!record)
        return WireValue::null();
    TSonucBilgisi copy;
    copy.Kopyala(*record);
    return WireValue::fromRecord(copy.toJson());
}

vorpa::DSConnection *checkedConnection(vorpa::DSConnection *connection)
{
    if (!connection || !connection->Connected())
        throw vorpa::RemoteError(vorpa::RemoteError::Kind::Transport,
                                 QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    return connection;
}

} // namespace

TServerMethods1Client::TServerMethods1Client(vorpa::DSConnection *connection)
    : m_connection(checkedConnection(connection))
    , m_commands(size_t(vorpa::serverOperations().size()))
{
}

TServerMethods1Client::TServerMethods1Client(vorpa::DSConnection &connection)
    : TServerMethods1Client(&connection)
{
}

TServerMethods1Client::~TServerMethods1Client() = default;

const vorpa::ServerCommand *TServerMethods1Client::preparedCommand(const QString &operation) const
{
    const int index = vorpa::operationIndex(operation);
    return index < 0 ? nullptr : m_commands[size_t(index)].get();
}

vorpa::ServerCommand &TServerMethods1Client::run(const char *operation, const QList<WireValue> &inputs)
{
    const int index = vorpa::operationIndex(QString::fromLatin1(operation));
    Q_ASSERT(index >= 0);
    auto &slot = m_commands[size_t(index)];
    if (!slot)
        slot = std::make_unique<vorpa::ServerCommand>(*m_connection, vorpa::serverOperations()[index]);
    slot->execute(inputs);
    return *slot;
}

// Session

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    return run("BuyukGetir", {arg(idsi)}).record<TSonucBilgisi>();
}

// Catalogue, information and feeds

vorpa::DataSet TServerMethods1Client::VorpaStokAraGetir(const QString &kod, const TSonucBilgisi *bilgi)
{
    return run("VorpaStokAraGetir", {arg(kod), arg(bilgi)}).takePacket();
}

QIODevice *TServerMethods1Client::ResimVer5(int stokno, qint64 &boy)
{
    vorpa::ServerCommand &c = run("ResimVer5", {arg(stokno)});
    boy = c.outs().at(0).toInt64();
    return c.stream();
}

vorpa::DataSet TServerMethods1Client::StokHareketVer(int carino, int stokno)
{
    return run("StokHareketVer", {arg(carino), arg(stokno)}).takePacket();
}

vorpa::DataSet TServerMethods1Client::YenilerVer2(int carino) { return run("YenilerVer2", {arg(carino)}).takePacket(); }

vorpa::DataSet TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    return run("KampanyaliVer2", {arg(cario), arg(satici)}).takePacket();
}

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    return run("AcilisEkranlarVer2", {}).record<TAcilisEkranlariki>();
}

QString TServerMethods1Client::KayanYaziGetir() { return run("KayanYaziGetir", {}).result().toString(); }

QIODevice *TServerMethods1Client::BannerResimVer2(qint64 &size)
{
    vorpa::ServerCommand &c = run("BannerResimVer2", {});
    size = c.outs().at(0).toInt64();
    return c.stream();
}

QIODevice *TServerMethods1Client::BannerResimVer3(qint64 &size)
{
    vorpa::ServerCommand &c = run("BannerResimVer3", {});
    size = c.outs().at(0).toInt64();
    return c.stream();
}

vorpa::ResultReader *TServerMethods1Client::BalonGetir(const TSonucBilgisi *bil)
{
    return run("BalonGetir", {arg(bil)}).reader();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    return run("CariVadeGunGecmismiBul", {arg(carino)}).result().toString();
}

int TServerMethods1Client::AcilisReklamAdet() { return run("AcilisReklamAdet", {}).result().toInt32(); }

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(int sira)
{
    return run("AcilisREklamVer", {arg(sira)}).record<TAcilisEkran>();
}

// Basket and order sending

vorpa::DataSet TServerMethods1Client::SepetVer2(int carino) { return run("SepetVer2", {arg(carino)}).takePacket(); }

int TServerMethods1Client::SepetEkle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod,
                                      const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                                      int verenid, int k, double ind2, double ind3, double ind4)
{
    return run("SepetEkle2",
               {arg(bilgim), arg(carino), arg(stokno), arg(barkod), arg(stokadi), arg(miktar), arg(kdv), arg(fiyat),
                arg(ind1), arg(verenid), arg(k), arg(ind2), arg(ind3), arg(ind4)})
        .result()
        .toInt32();
}

int TServerMethods1Client::SepetGuncelle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod,
                                          const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                                          int verenid, int _sepetsirano, double ind2, double ind3, double ind4)
{
    return run("SepetGuncelle2",
               {arg(bilgim), arg(carino), arg(stokno), arg(barkod), arg(stokadi), arg(miktar), arg(kdv), arg(fiyat),
                arg(ind1), arg(verenid), arg(_sepetsirano), arg(ind2), arg(ind3), arg(ind4)})
        .result()
        .toInt32();
}

int TServerMethods1Client::SepetSatirSil(const TSonucBilgisi *bilgi, int satirno, const QString &aciklamam)
{
    return run("SepetSatirSil", {arg(bilgi), arg(satirno), arg(aciklamam)}).result().toInt32();
}

int TServerMethods1Client::SepetHepsiniSil(const TSonucBilgisi *bilgi)
{
    return run("SepetHepsiniSil", {arg(bilgi)}).result().toInt32();
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    run("SepetSecimGuncelle", {arg(sirano), arg(secim)});
}

bool TServerMethods1Client::SiparisKaydet(const TSonucBilgisi *BB, int _carino, int _teslim, int _kargo,
                                          const QString &_aciklama, int _verenid, int _kargoyeni)
{
    return run("SiparisKaydet",
               {arg(BB), arg(_carino), arg(_teslim), arg(_kargo), arg(_aciklama), arg(_verenid), arg(_kargoyeni)})
        .result()
        .toBool();
}

vorpa::ResultReader *TServerMethods1Client::TeslimVer() { return run("TeslimVer", {}).reader(); }

vorpa::ResultReader *TServerMethods1Client::KargoVer() { return run("KargoVer", {}).reader(); }

vorpa::ResultReader *TServerMethods1Client::KargolarVer(int gn) { return run("KargolarVer", {arg(gn)}).reader(); }

// Order history, statement and documents

vorpa::ResultReader *TServerMethods1Client::OncekiSiparisler(int carino)
{
    return run("OncekiSiparisler", {arg(carino)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    return run("SiparisAyrintisi2", {arg(carino), arg(idnosu)}).reader();
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    return run("SiparisAytintisiDip", {arg(carino), arg(siranosu)}).record<TSiparisDipAyrinti>();
}

vorpa::ResultReader *TServerMethods1Client::CariEkstreVerVorpa(int carino)
{
    return run("CariEkstreVerVorpa", {arg(carino)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return run("FaturaGetir", {arg(carino), arg(idnosu)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    return run("FaturaAltGetir", {arg(idnosu)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::Tahsilat(int idnosu) { return run("Tahsilat", {arg(idnosu)}).reader(); }

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    return run("SanalposSiranoVer", {arg(idnosu)}).result().toInt32();
}

QIODevice *TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    vorpa::ServerCommand &c = run("SAnalPosPdfVer", {arg(sirano)});
    boy = c.outs().at(0).toInt64();
    return c.stream();
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    return run("CariDurumVer", {arg(carino)}).result().toString();
}

// Sales staff

vorpa::ResultReader *TServerMethods1Client::CariAra(const TSonucBilgisi *bil, const QString &aranan)
{
    return run("CariAra", {arg(bil), arg(aranan)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::CariSepetVer(const TSonucBilgisi *bil, int n)
{
    return run("CariSepetVer", {arg(bil), arg(n)}).reader();
}

int TServerMethods1Client::SepetSayisi(const TSonucBilgisi *bil)
{
    return run("SepetSayisi", {arg(bil)}).result().toInt32();
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(const TSonucBilgisi *bil)
{
    return run("TusSonuclariVer", {arg(bil)}).record<TTusSonuclari>();
}

QIODevice *TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                                             double tarih1, double tarih2, qint64 &size)
{
    vorpa::ServerCommand &c = run(
        "RaporGetir", {arg(raporno), arg(bolum), arg(idno), arg(carino), arg(saticiadi), arg(tarih1), arg(tarih2)});
    size = c.outs().at(0).toInt64();
    return c.stream();
}

vorpa::ResultReader *TServerMethods1Client::BakiyelerVer2(int carino)
{
    return run("BakiyelerVer2", {arg(carino)}).reader();
}

int TServerMethods1Client::BakiyeDuzenle(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano,
                                         double Adet, double Bakiye, const QString &barkod)
{
    return run("BakiyeDuzenle",
               {arg(k), arg(stokno), arg(sepetsirano), arg(siparissirano), arg(Adet), arg(Bakiye), arg(barkod)})
        .result()
        .toInt32();
}

int TServerMethods1Client::BakiyeDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano,
                                          double Adet, double Bakiye, const QString &barkod)
{
    return run("BakiyeDegistir",
               {arg(k), arg(stokno), arg(sepetsirano), arg(siparissirano), arg(Adet), arg(Bakiye), arg(barkod)})
        .result()
        .toInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano,
                                               int siparissirano, double Adet, double Bakiye, const QString &barkod,
                                               double fiyat, double ind)
{
    return run("BakiyeFiyatDegistir", {arg(k), arg(stokno), arg(sepetsirano), arg(siparissirano), arg(Adet),
                                       arg(Bakiye), arg(barkod), arg(fiyat), arg(ind)})
        .result()
        .toInt32();
}

vorpa::ResultReader *TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return run("TumSiparislerVer", {arg(carino), arg(stokno)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::RaporAlinanSiparisler(const TSonucBilgisi *bilgi, double tarih1,
                                                                  double tarih2)
{
    return run("RaporAlinanSiparisler", {arg(bilgi), arg(tarih1), arg(tarih2)}).reader();
}

vorpa::ResultReader *TServerMethods1Client::RaporEnCokSatilanStoklar(const TSonucBilgisi *bilgi, double tarih1,
                                                                     double tarih2)
{
    return run("RaporEnCokSatilanStoklar", {arg(bilgi), arg(tarih1), arg(tarih2)}).reader();
}

// Requests and mail

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    return run("MobilCariBilgisiGetir", {arg(sirano), arg(_idsi)}).record<TMobilCariBilgisi>();
}

int TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                          const QString &adres1, const QString &adres2, const QString &ilce,
                                          const QString &sehir, const QString &telefon, const QString &fax,
                                          const QString &vd, const QString &vn, const QString &yetkili,
                                          const QString &kullaniciadi, const QString &sifre, const QString &mail,
                                          const QString &kargoambar)
{
    return run("MailGonserCari",
               {arg(idsi), arg(baslik), arg(firmaadi), arg(adres1), arg(adres2), arg(ilce), arg(sehir), arg(telefon),
                arg(fax), arg(vd), arg(vn), arg(yetkili), arg(kullaniciadi), arg(sifre), arg(mail), arg(kargoambar)})
        .result()
        .toInt32();
}

int TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                                const QString &adres1, const QString &adres2, const QString &ilce,
                                                const QString &sehir, const QString &telefon, const QString &fax,
                                                const QString &vd, const QString &vn, const QString &yetkili,
                                                const QString &kullaniciadi, const QString &sifre,
                                                const QString &mail, const QString &kargoambar, const QString &konu)
{
    return run("MailGonserCariNormal",
               {arg(idsi), arg(baslik), arg(firmaadi), arg(adres1), arg(adres2), arg(ilce), arg(sehir), arg(telefon),
                arg(fax), arg(vd), arg(vn), arg(yetkili), arg(kullaniciadi), arg(sifre), arg(mail), arg(kargoambar),
                arg(konu)})
        .result()
        .toInt32();
}
