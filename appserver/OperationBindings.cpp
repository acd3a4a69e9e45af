#include "OperationBindings.h"

#include "Dispatcher.h"
#include "ServerMethods1.h"

namespace vorpa {

void registerOperations(Dispatcher &d, ServerMethods1 &m)
{
    using P = const CallParams &;
    auto session = [](P p, int i) { return p.record<TSonucBilgisi>(i); };

    d.registerOperation(QStringLiteral("BuyukGetir"), [&m](P p) {
        return CallResult::record(m.BuyukGetir(p.string(0)).get());
    });
    d.registerOperation(QStringLiteral("VorpaStokAraGetir"), [&m, session](P p) {
        return CallResult::packet(m.VorpaStokAraGetir(p.string(0), session(p, 1).get()));
    });
    d.registerOperation(QStringLiteral("ResimVer5"), [&m](P p) { return CallResult::stream(m.ResimVer5(p.integer(0))); });
    d.registerOperation(QStringLiteral("StokHareketVer"), [&m](P p) {
        return CallResult::packet(m.StokHareketVer(p.integer(0), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("YenilerVer2"), [&m](P p) { return CallResult::packet(m.YenilerVer2(p.integer(0))); });
    d.registerOperation(QStringLiteral("KampanyaliVer2"), [&m](P p) {
        return CallResult::packet(m.KampanyaliVer2(p.integer(0), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("AcilisEkranlarVer2"), [&m](P) {
        return CallResult::record(m.AcilisEkranlarVer2().get());
    });
    d.registerOperation(QStringLiteral("KayanYaziGetir"), [&m](P) { return CallResult::string(m.KayanYaziGetir()); });
    d.registerOperation(QStringLiteral("BannerResimVer2"), [&m](P) { return CallResult::stream(m.BannerResimVer2()); });
    d.registerOperation(QStringLiteral("BannerResimVer3"), [&m](P) { return CallResult::stream(m.BannerResimVer3()); });
    d.registerOperation(QStringLiteral("BalonGetir"), [&m, session](P p) {
        return CallResult::reader(m.BalonGetir(session(p, 0).get()));
    });
    d.registerOperation(QStringLiteral("CariVadeGunGecmismiBul"), [&m](P p) {
        return CallResult::string(m.CariVadeGunGecmismiBul(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("AcilisReklamAdet"), [&m](P) { return CallResult::integer(m.AcilisReklamAdet()); });
    d.registerOperation(QStringLiteral("AcilisREklamVer"), [&m](P p) {
        return CallResult::record(m.AcilisREklamVer(p.integer(0)).get());
    });

    d.registerOperation(QStringLiteral("SepetVer2"), [&m](P p) { return CallResult::packet(m.SepetVer2(p.integer(0))); });
    d.registerOperation(QStringLiteral("SepetEkle2"), [&m, session](P p) {
        return CallResult::integer(m.SepetEkle2(session(p, 0).get(), p.integer(1), p.integer(2), p.string(3), p.string(4),
                                                p.real(5), p.real(6), p.real(7), p.real(8), p.integer(9), p.integer(10),
                                                p.real(11), p.real(12), p.real(13)));
    });
    d.registerOperation(QStringLiteral("SepetGuncelle2"), [&m, session](P p) {
        return CallResult::integer(m.SepetGuncelle2(session(p, 0).get(), p.integer(1), p.integer(2), p.string(3),
                                                    p.string(4), p.real(5), p.real(6), p.real(7), p.real(8),
                                                    p.integer(9), p.integer(10), p.real(11), p.real(12), p.real(13)));
    });
    d.registerOperation(QStringLiteral("SepetSatirSil"), [&m, session](P p) {
        return CallResult::integer(m.SepetSatirSil(session(p, 0).get(), p.integer(1), p.string(2)));
    });
    d.registerOperation(QStringLiteral("SepetHepsiniSil"), [&m, session](P p) {
        return CallResult::integer(m.SepetHepsiniSil(session(p, 0).get()));
    });
    d.registerOperation(QStringLiteral("SepetSecimGuncelle"), [&m](P p) {
        m.SepetSecimGuncelle(p.integer(0), p.integer(1));
        return CallResult::none();
    });
    d.registerOperation(QStringLiteral("SiparisKaydet"), [&m, session](P p) {
        return CallResult::boolean(m.SiparisKaydet(session(p, 0).get(), p.integer(1), p.integer(2), p.integer(3),
                                                   p.string(4), p.integer(5), p.integer(6)));
    });
    d.registerOperation(QStringLiteral("TeslimVer"), [&m](P) { return CallResult::reader(m.TeslimVer()); });
    d.registerOperation(QStringLiteral("KargoVer"), [&m](P) { return CallResult::reader(m.KargoVer()); });
    d.registerOperation(QStringLiteral("KargolarVer"), [&m](P p) { return CallResult::reader(m.KargolarVer(p.integer(0))); });

    d.registerOperation(QStringLiteral("OncekiSiparisler"), [&m](P p) {
        return CallResult::reader(m.OncekiSiparisler(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("SiparisAyrintisi2"), [&m](P p) {
        return CallResult::reader(m.SiparisAyrintisi2(p.integer(0), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("SiparisAytintisiDip"), [&m](P p) {
        return CallResult::record(m.SiparisAytintisiDip(p.integer(0), p.integer(1)).get());
    });
    d.registerOperation(QStringLiteral("CariEkstreVerVorpa"), [&m](P p) {
        return CallResult::reader(m.CariEkstreVerVorpa(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("FaturaGetir"), [&m](P p) {
        return CallResult::reader(m.FaturaGetir(p.integer(0), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("FaturaAltGetir"), [&m](P p) {
        return CallResult::reader(m.FaturaAltGetir(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("Tahsilat"), [&m](P p) { return CallResult::reader(m.Tahsilat(p.integer(0))); });
    d.registerOperation(QStringLiteral("SanalposSiranoVer"), [&m](P p) {
        return CallResult::integer(m.SanalposSiranoVer(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("SAnalPosPdfVer"), [&m](P p) {
        return CallResult::stream(m.SAnalPosPdfVer(p.integer(0)));
    });
    d.registerOperation(QStringLiteral("CariDurumVer"), [&m](P p) { return CallResult::string(m.CariDurumVer(p.integer(0))); });

    d.registerOperation(QStringLiteral("CariAra"), [&m, session](P p) {
        return CallResult::reader(m.CariAra(session(p, 0).get(), p.string(1)));
    });
    d.registerOperation(QStringLiteral("CariSepetVer"), [&m, session](P p) {
        return CallResult::reader(m.CariSepetVer(session(p, 0).get(), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("SepetSayisi"), [&m, session](P p) {
        return CallResult::integer(m.SepetSayisi(session(p, 0).get()));
    });
    d.registerOperation(QStringLiteral("TusSonuclariVer"), [&m, session](P p) {
        return CallResult::record(m.TusSonuclariVer(session(p, 0).get()).get());
    });
    d.registerOperation(QStringLiteral("RaporGetir"), [&m](P p) {
        return CallResult::stream(m.RaporGetir(p.integer(0), p.integer(1), p.integer(2), p.integer(3), p.string(4),
                                               p.real(5), p.real(6)));
    });
    d.registerOperation(QStringLiteral("BakiyelerVer2"), [&m](P p) { return CallResult::reader(m.BakiyelerVer2(p.integer(0))); });
    d.registerOperation(QStringLiteral("BakiyeDuzenle"), [&m, session](P p) {
        return CallResult::integer(m.BakiyeDuzenle(session(p, 0).get(), p.integer(1), p.integer(2), p.integer(3),
                                                   p.real(4), p.real(5), p.string(6)));
    });
    d.registerOperation(QStringLiteral("BakiyeDegistir"), [&m, session](P p) {
        return CallResult::integer(m.BakiyeDegistir(session(p, 0).get(), p.integer(1), p.integer(2), p.integer(3),
                                                    p.real(4), p.real(5), p.string(6)));
    });
    d.registerOperation(QStringLiteral("BakiyeFiyatDegistir"), [&m, session](P p) {
        return CallResult::integer(m.BakiyeFiyatDegistir(session(p, 0).get(), p.integer(1), p.integer(2), p.integer(3),
                                                         p.real(4), p.real(5), p.string(6), p.real(7), p.real(8)));
    });
    d.registerOperation(QStringLiteral("TumSiparislerVer"), [&m](P p) {
        return CallResult::reader(m.TumSiparislerVer(p.integer(0), p.integer(1)));
    });
    d.registerOperation(QStringLiteral("RaporAlinanSiparisler"), [&m, session](P p) {
        return CallResult::reader(m.RaporAlinanSiparisler(session(p, 0).get(), p.real(1), p.real(2)));
    });
    d.registerOperation(QStringLiteral("RaporEnCokSatilanStoklar"), [&m, session](P p) {
        return CallResult::reader(m.RaporEnCokSatilanStoklar(session(p, 0).get(), p.real(1), p.real(2)));
    });

    d.registerOperation(QStringLiteral("MobilCariBilgisiGetir"), [&m](P p) {
        return CallResult::record(m.MobilCariBilgisiGetir(p.integer(0), p.string(1)).get());
    });
    d.registerOperation(QStringLiteral("MailGonserCari"), [&m](P p) {
        return CallResult::integer(m.MailGonserCari(p.string(0), p.string(1), p.string(2), p.string(3), p.string(4),
                                                    p.string(5), p.string(6), p.string(7), p.string(8), p.string(9),
                                                    p.string(10), p.string(11), p.string(12), p.string(13), p.string(14),
                                                    p.string(15)));
    });
    d.registerOperation(QStringLiteral("MailGonserCariNormal"), [&m](P p) {
        return CallResult::integer(m.MailGonserCariNormal(p.string(0), p.string(1), p.string(2), p.string(3),
                                                          p.string(4), p.string(5), p.string(6), p.string(7),
                                                          p.string(8), p.string(9), p.string(10), p.string(11),
                                                          p.string(12), p.string(13), p.string(14), p.string(15),
                                                          p.string(16)));
    });
}

} // namespace vorpa
