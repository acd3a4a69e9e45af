#include "ServerMethods1.h"

#include "DateText.h"
#include "LineAmounts.h"
#include "QueryTable.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QSqlQuery>

#include <array>
#include <cmath>

using vorpa::DataSet;
using vorpa::LineAmounts;
using vorpa::Store;
using vorpa::StoreError;
using vorpa::refuse;
using vorpa::dateField;
using vorpa::doubleField;
using vorpa::intField;
using vorpa::textField;

namespace {

void checkQuantity(double miktar)
{
    if (!std::isfinite(miktar) || miktar <= 0 || miktar > 100000)
        refuse(QStringLiteral("Geçersiz miktar: miktar 0'dan büyük ve en çok 100000 olmalıdır."));
}

void checkPrice(double fiyat)
{
    if (!std::isfinite(fiyat) || fiyat < 0 || fiyat > 100000000)
        refuse(QStringLiteral("Geçersiz birim fiyat."));
}

void checkRates(const std::array<double, 4> &rates)
{
    for (const double r : rates) {
        if (!std::isfinite(r) || r < 0 || r > 100)
            refuse(QStringLiteral("Geçersiz indirim oranı: oranlar 0 ile 100 arasında olmalıdır."));
    }
}

void checkVat(double kdv)
{
    if (!std::isfinite(kdv) || kdv < 0 || kdv > 100)
        refuse(QStringLiteral("Geçersiz KDV oranı."));
}

/// Writes a basket line's price, rates and the amounts computed from them.
void storeLineAmounts(QSqlDatabase &db, int lineNo, double quantity, double price, const std::array<double, 4> &rates,
                      double vat)
{
    const LineAmounts a = LineAmounts::compute(quantity, price, rates, vat);
    Store::run(db, QStringLiteral(
        "UPDATE sepet SET MIKTAR = ?, BIRIMFIYAT = ?, INDIRIMORANI1 = ?, INDIRIMORANI2 = ?, INDIRIMORANI3 = ?,"
        " INDIRIMORANI4 = ?, INDIRIMYAZI = ?, KDV = ?, TUTAR = ?, INDIRIMTUTAR = ?, VERGITUTARI = ?, NETBIRIMFIYAT = ?,"
        " NETTUTAR = ? WHERE SIRANO = ?"),
        {quantity, price, rates[0], rates[1], rates[2], rates[3],
         vorpa::text::discountText(rates[0], rates[1], rates[2], rates[3]), vat, a.tutar, a.indirimTutar,
         a.vergiTutari, a.netBirimFiyat, a.netTutar, lineNo});
}

} // namespace

DataSet ServerMethods1::SepetVer2(int carino)
{
    requireCustomer(carino);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT b.SEC, b.TARIH, b.BARKOD, s.FINISHKOD, s.OEMNO, b.STOKADI, b.MIKTAR, b.BIRIMFIYAT, b.TUTAR,"
        " b.INDIRIMYAZI, b.NETBIRIMFIYAT, b.KDV, b.VERGITUTARI, b.NETTUTAR, COALESCE(u.ADI, ''), s.DURUM,"
        " b.SIRANO, 0, b.CARINO, b.TARIH, 0, b.STOKNO, b.INDIRIMORANI1, b.INDIRIMORANI2, b.INDIRIMORANI3,"
        " b.INDIRIMTUTAR, 'TL', 1, b.VERENIDNO, substr(b.TARIH, 12, 5), 0, 0, '', b.SIRANO, b.VERENIDNO,"
        " c.CARIKOD, c.CARIADI, s.OEM1, s.OEM2, s.OEM3, s.OEM4, b.STOKNO, s.URETICIKODU, s.DIGERADI, s.DPKOD,"
        " s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.PKOD, s.ELDEKI, b.INDIRIMORANI4, b.K"
        " FROM sepet b JOIN stok s ON s.STOKNO = b.STOKNO JOIN cari c ON c.CARINO = b.CARINO"
        " LEFT JOIN kullanici u ON u.SIRANO = b.VERENIDNO WHERE b.CARINO = ? ORDER BY b.SIRANO"), {carino});
    return vorpa::queryToDataSet(q, {
        intField("SEC"), dateField("VERILISTARIHI"), textField("BARKOD"), textField("FINISHKOD"), textField("OEMNO"),
        textField("STOKADI"), doubleField("MIKTAR"), doubleField("BIRIMFIYAT"), doubleField("TUTAR"),
        textField("INDIRIMYAZI"), doubleField("NETBIRIMFIYAT"), doubleField("KDV"), doubleField("VERGITUTARI"),
        doubleField("NETTUTAR"), textField("VEREN"), intField("DURUM"), intField("SIRANO"), intField("SIPARISNO"),
        intField("CARINO"), dateField("TARIH"), intField("AKTAR"), intField("STOKNO"), doubleField("INDIRIMORANI1"),
        doubleField("INDIRIMORANI2"), doubleField("INDIRIMORANI3"), doubleField("INDIRIMTUTAR"), textField("KUR"),
        doubleField("KURTL"), intField("VERENIDNO"), textField("SAAT"), intField("TESLIMID"), intField("KARGOID"),
        textField("ACIKLAMA"), intField("IDNO"), intField("VERENSIRANO"), textField("CARIKOD"), textField("CARIADI"),
        textField("OEM1"), textField("OEM2"), textField("OEM3"), textField("OEM4"), intField("STOK_STOKNO"),
        textField("URETICIKODU"), textField("DIGERADI"), textField("DPKOD"), textField("MARKA"), textField("MODEL"),
        textField("ANAGRUP"), textField("OZELKOD"), textField("PKOD"), doubleField("KALAN"),
        doubleField("INDIRIMORANI4"), intField("K")});
}

int ServerMethods1::SepetEkle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod,
                               const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                               int verenid, int k, double ind2, double ind3, double ind4)
{
    Q_UNUSED(stokadi)
    Q_UNUSED(k)
    const Caller caller = requireSession(bilgim);
    if (carino != bilgim->CARINO())
        refuse(QStringLiteral("Cari numarası oturumdaki cari ile uyuşmuyor."));
    requireCustomer(carino);
    if (verenid != caller.sirano)
        refuse(QStringLiteral("Satırı ekleyen kullanıcı oturumdaki kullanıcı ile uyuşmuyor."));
    checkQuantity(miktar);
    checkPrice(fiyat);
    checkVat(kdv);
    const std::array<double, 4> sentRates{ind1, ind2, ind3, ind4};
    checkRates(sentRates);

    QSqlQuery item = m_store.run(QStringLiteral(
        "SELECT BARKOD, ADI, KDV, FIYAT, IND1, IND2, IND3, IND4, K FROM stok WHERE STOKNO = ?"), {stokno});
    if (!item.next())
        refuse(QStringLiteral("Stok bulunamadı (%1).").arg(stokno));
    if (barkod.trimmed() != item.value(0).toString())
        refuse(QStringLiteral("Stok kodu uyuşmuyor: %1 numaralı stokun kodu %2.").arg(stokno).arg(item.value(0).toString()));
    const QString code = item.value(0).toString();
    const QString name = item.value(1).toString();
    const double vat = item.value(2).toDouble();
    // Customers order at the catalogue's price and rates; only staff may set their own.
    const double price = caller.isStaff() ? fiyat : item.value(3).toDouble();
    const std::array<double, 4> rates = caller.isStaff()
        ? sentRates
        : std::array<double, 4>{item.value(4).toDouble(), item.value(5).toDouble(), item.value(6).toDouble(),
                                item.value(7).toDouble()};
    const int campaign = item.value(8).toInt();
    // An unfinished read keeps an old snapshot open, and a write from it would be refused at once.
    item.finish();

    m_store.write([&](QSqlDatabase &db) {
        QSqlQuery existing = Store::run(db, QStringLiteral(
            "SELECT SIRANO, MIKTAR FROM sepet WHERE CARINO = ? AND STOKNO = ? ORDER BY SIRANO"), {carino, stokno});
        if (existing.next()) {
            const double quantity = existing.value(1).toDouble() + miktar;
            checkQuantity(quantity);
            storeLineAmounts(db, existing.value(0).toInt(), quantity, price, rates, vat);
            return;
        }
        const LineAmounts a = LineAmounts::compute(miktar, price, rates, vat);
        Store::run(db, QStringLiteral(
            "INSERT INTO sepet (CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2,"
            " INDIRIMORANI3, INDIRIMORANI4, INDIRIMYAZI, KDV, TUTAR, INDIRIMTUTAR, VERGITUTARI, NETBIRIMFIYAT,"
            " NETTUTAR, SEC, K, VERENIDNO, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?)"),
            {carino, stokno, code, name, miktar, price, rates[0], rates[1], rates[2], rates[3],
             vorpa::text::discountText(rates[0], rates[1], rates[2], rates[3]), vat, a.tutar, a.indirimTutar,
             a.vergiTutari, a.netBirimFiyat, a.netTutar, campaign, caller.sirano, vorpa::dates::nowText()});
    });
    return 1;
}

int ServerMethods1::SepetGuncelle2(const TSonucBilgisi *bilgim, int carino, int stokno, const QString &barkod,
                                   const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                                   int verenid, int _sepetsirano, double ind2, double ind3, double ind4)
{
    Q_UNUSED(stokadi)
    const Caller caller = requireSession(bilgim);
    if (carino != bilgim->CARINO())
        refuse(QStringLiteral("Cari numarası oturumdaki cari ile uyuşmuyor."));
    if (verenid != caller.sirano)
        refuse(QStringLiteral("Satırı değiştiren kullanıcı oturumdaki kullanıcı ile uyuşmuyor."));
    checkQuantity(miktar);
    checkPrice(fiyat);
    checkVat(kdv);
    const std::array<double, 4> sentRates{ind1, ind2, ind3, ind4};
    checkRates(sentRates);

    m_store.write([&](QSqlDatabase &db) {
        QSqlQuery line = Store::run(db, QStringLiteral(
            "SELECT CARINO, STOKNO, BARKOD, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, KDV"
            " FROM sepet WHERE SIRANO = ?"), {_sepetsirano});
        if (!line.next() || line.value(0).toInt() != carino)
            refuse(QStringLiteral("Sepet satırı bulunamadı (%1).").arg(_sepetsirano));
        if (stokno != 0 && stokno != line.value(1).toInt())
            refuse(QStringLiteral("Stok numarası sepet satırındaki stok ile uyuşmuyor."));
        if (barkod.trimmed() != line.value(2).toString())
            refuse(QStringLiteral("Stok kodu sepet satırındaki kod ile uyuşmuyor."));
        const double price = caller.isStaff() ? fiyat : line.value(3).toDouble();
        const std::array<double, 4> rates = caller.isStaff()
            ? sentRates
            : std::array<double, 4>{line.value(4).toDouble(), line.value(5).toDouble(), line.value(6).toDouble(),
                                    line.value(7).toDouble()};
        storeLineAmounts(db, _sepetsirano, miktar, price, rates, line.value(8).toDouble());
    });
    return 1;
}

int ServerMethods1::SepetSatirSil(const TSonucBilgisi *bilgi, int satirno, const QString &aciklamam)
{
    const Caller caller = requireSession(bilgi);
    m_store.write([&](QSqlDatabase &db) {
        const QVariant owner = Store::scalar(db, QStringLiteral("SELECT CARINO FROM sepet WHERE SIRANO = ?"), {satirno});
        if (!owner.isValid() || owner.toInt() != caller.carino)
            refuse(QStringLiteral("Sepet satırı bulunamadı (%1).").arg(satirno));
        Store::run(db, QStringLiteral("DELETE FROM sepet WHERE SIRANO = ?"), {satirno});
        Store::run(db, QStringLiteral(
            "INSERT INTO sepet_silinen (CARINO, SATIRNO, ACIKLAMA, KULLANICINO, TARIH) VALUES (?, ?, ?, ?, ?)"),
            {caller.carino, satirno, aciklamam.left(200), caller.sirano, vorpa::dates::nowText()});
    });
    return 1;
}

int ServerMethods1::SepetHepsiniSil(const TSonucBilgisi *bilgi)
{
    const Caller caller = requireSession(bilgi);
    requireCustomer(caller.carino);
    int removed = 0;
    m_store.write([&](QSqlDatabase &db) {
        removed = Store::scalar(db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO = ?"), {caller.carino}, 0).toInt();
        Store::run(db, QStringLiteral("DELETE FROM sepet WHERE CARINO = ?"), {caller.carino});
        Store::run(db, QStringLiteral(
            "INSERT INTO sepet_silinen (CARINO, SATIRNO, ACIKLAMA, KULLANICINO, TARIH) VALUES (?, 0, ?, ?, ?)"),
            {caller.carino, QStringLiteral("Tüm sepet silindi (%1 satır)").arg(removed), caller.sirano,
             vorpa::dates::nowText()});
    });
    return 1;
}

void ServerMethods1::SepetSecimGuncelle(int sirano, int secim)
{
    if (secim != 0 && secim != 1)
        refuse(QStringLiteral("Geçersiz seçim değeri (%1): 0 ya da 1 olmalıdır.").arg(secim));
    m_store.write([&](QSqlDatabase &db) {
        QSqlQuery q = Store::run(db, QStringLiteral("UPDATE sepet SET SEC = ? WHERE SIRANO = ?"), {secim, sirano});
        if (q.numRowsAffected() < 1)
            refuse(QStringLiteral("Sepet satırı bulunamadı (%1).").arg(sirano));
    });
}

bool ServerMethods1::SiparisKaydet(const TSonucBilgisi *BB, int _carino, int _teslim, int _kargo,
                                   const QString &_aciklama, int _verenid, int _kargoyeni)
{
    const Caller caller = requireSession(BB);
    if (_carino != BB->CARINO())
        refuse(QStringLiteral("Cari numarası oturumdaki cari ile uyuşmuyor."));
    requireCustomer(_carino);
    if (_verenid != caller.sirano)
        refuse(QStringLiteral("Siparişi veren kullanıcı oturumdaki kullanıcı ile uyuşmuyor."));
    if (!m_store.scalar(QStringLiteral("SELECT 1 FROM teslim WHERE ID = ?"), {_teslim}).isValid())
        refuse(QStringLiteral("Teslim durumu bulunamadı (%1).").arg(_teslim));
    if (!m_store.scalar(QStringLiteral("SELECT 1 FROM kargo_turu WHERE ID = ?"), {_kargo}).isValid())
        refuse(QStringLiteral("Kargo türü bulunamadı (%1).").arg(_kargo));
    const int companies = m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM kargo_firma WHERE TURID = ?"), {_kargo}, 0).toInt();
    const bool companyFits = companies == 0
        ? _kargoyeni == 0
        : m_store.scalar(QStringLiteral("SELECT 1 FROM kargo_firma WHERE SIRANO = ? AND TURID = ?"), {_kargoyeni, _kargo}).isValid();
    if (!companyFits)
        refuse(QStringLiteral("Seçilen kargo firması bu kargo türüne ait değil."));
    if (_aciklama.size() > 2000)
        refuse(QStringLiteral("Mesaj çok uzun (en çok 2000 karakter)."));

    bool stored = false;
    m_store.write([&](QSqlDatabase &db) {
        const int selected = Store::scalar(db, QStringLiteral(
            "SELECT COUNT(*) FROM sepet WHERE CARINO = ? AND SEC = 1"), {_carino}, 0).toInt();
        if (selected == 0)
            return;
        const QString now = vorpa::dates::nowText();
        QSqlQuery header = Store::run(db, QStringLiteral(
            "INSERT INTO siparis (CARINO, TARIH, VERENIDNO, TESLIMID, KARGOID, KARGOFIRMANO, DURUM, ACIKLAMA)"
            " VALUES (?, ?, ?, ?, ?, ?, 2, ?)"), {_carino, now, caller.sirano, _teslim, _kargo, _kargoyeni, _aciklama});
        const int orderNo = header.lastInsertId().toInt();
        Store::run(db, QStringLiteral(
            "INSERT INTO siparis_satir (SIPARISNO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, ILKFIYAT,"
            " INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, INDIRIMYAZI, KDV, TUTAR, INDIRIMTUTAR,"
            " VERGITUTARI, NETBIRIMFIYAT, NETTUTAR, TESLIMEDILEN, KALAN, VERENIDNO, VERILISTARIHI, K)"
            " SELECT ?, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2,"
            " INDIRIMORANI3, INDIRIMORANI4, INDIRIMYAZI, KDV, TUTAR, INDIRIMTUTAR, VERGITUTARI, NETBIRIMFIYAT, NETTUTAR,"
            " 0, MIKTAR, VERENIDNO, TARIH, K FROM sepet WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO"),
            {orderNo, _carino});
        Store::run(db, QStringLiteral("DELETE FROM sepet WHERE CARINO = ? AND SEC = 1"), {_carino});
        Store::run(db, QStringLiteral(
            "UPDATE siparis SET TUTAR = (SELECT SUM(TUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
            " INDIRIMTUTAR = (SELECT SUM(INDIRIMTUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
            " VERGI = (SELECT SUM(VERGITUTARI) FROM siparis_satir WHERE SIPARISNO = ?),"
            " NETTUTAR = (SELECT SUM(NETTUTAR) FROM siparis_satir WHERE SIPARISNO = ?) WHERE IDNO = ?"),
            {orderNo, orderNo, orderNo, orderNo, orderNo});
        stored = true;
    });
    return stored;
}

DataSet ServerMethods1::TeslimVer()
{
    QSqlQuery q = m_store.run(QStringLiteral("SELECT ID, ADI FROM teslim ORDER BY ID"));
    return vorpa::queryToDataSet(q, {intField("ID"), textField("ADI")});
}

DataSet ServerMethods1::KargoVer()
{
    QSqlQuery q = m_store.run(QStringLiteral("SELECT ID, ADI FROM kargo_turu ORDER BY ID"));
    return vorpa::queryToDataSet(q, {intField("ID"), textField("ADI")});
}

DataSet ServerMethods1::KargolarVer(int gn)
{
    if (!m_store.scalar(QStringLiteral("SELECT 1 FROM kargo_turu WHERE ID = ?"), {gn}).isValid())
        refuse(QStringLiteral("Kargo türü bulunamadı (%1).").arg(gn));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT ADI, SIRANO, UYARI, TURID FROM kargo_firma WHERE TURID = ? ORDER BY SIRANO"), {gn});
    return vorpa::queryToDataSet(q, {textField("ADI"), intField("SIRANO"), textField("UYARI"), intField("TURID")});
}
