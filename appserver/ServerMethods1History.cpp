#include "ServerMethods1.h"

#include "DateText.h"
#include "LineAmounts.h"
#include "OrderSql.h"
#include "QueryTable.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QSqlQuery>

#include <array>
#include <cmath>

using vorpa::DataSet;
using vorpa::FieldDef;
using vorpa::LineAmounts;
using vorpa::Store;
using vorpa::StoreError;
using vorpa::refuse;
using vorpa::dateField;
using vorpa::doubleField;
using vorpa::intField;
using vorpa::textField;

namespace {

const QString kOrderLineSelect = QStringLiteral(
    "SELECT l.SIRANO, l.SIPARISNO, l.CARINO, o.TARIH, 0, l.STOKNO, l.VERILISTARIHI, l.BARKOD, s.FINISHKOD, s.OEMNO,"
    " l.STOKADI, l.MIKTAR, l.BIRIMFIYAT, l.ILKFIYAT, l.TUTAR, l.INDIRIMYAZI, l.INDIRIMORANI1, l.INDIRIMORANI2,"
    " l.INDIRIMORANI3, l.INDIRIMORANI4, l.INDIRIMTUTAR, l.NETBIRIMFIYAT, l.KDV, l.VERGITUTARI, l.NETTUTAR, o.KUR,"
    " o.KURTL, l.VERENIDNO, COALESCE(u.ADI, ''), substr(l.VERILISTARIHI, 12, 5), o.TESLIMID, o.KARGOID, l.STOKADI,"
    " l.SIPARISNO, l.VERENIDNO, c.CARIKOD, c.CARIADI, s.OEM1, s.OEM2, s.OEM3, s.OEM4, l.STOKNO, s.URETICIKODU,"
    " s.DIGERADI, s.DPKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.PKOD, COALESCE(t.ADI, ''), COALESCE(k.ADI, ''),"
    " l.TESLIMEDILEN, l.KALAN, l.SIRANO, s.ELDEKI, s.DURUM, COALESCE(a.ALINAN, 0), s.VERILENSIPARIS, ")
    + vorpa::sql::orderStateText() + QStringLiteral(
    " FROM siparis_satir l JOIN siparis o ON o.IDNO = l.SIPARISNO JOIN stok s ON s.STOKNO = l.STOKNO"
    " JOIN cari c ON c.CARINO = l.CARINO LEFT JOIN kullanici u ON u.SIRANO = l.VERENIDNO"
    " LEFT JOIN teslim t ON t.ID = o.TESLIMID LEFT JOIN kargo_turu k ON k.ID = o.KARGOID")
    + vorpa::sql::undeliveredOrdersJoin(QStringLiteral("l.STOKNO"));

const QList<FieldDef> kOrderLineFields = {
    intField("SIRANO"), intField("SIPARISNO"), intField("CARINO"), dateField("TARIH"), intField("AKTAR"),
    intField("STOKNO"), dateField("VERILISTARIHI"), textField("BARKOD"), textField("FINISHKOD"), textField("OEMNO"),
    textField("STOKADI"), doubleField("MIKTAR"), doubleField("BIRIMFIYAT"), doubleField("ILKFIYAT"),
    doubleField("TUTAR"), textField("INDIRIMYAZI"), doubleField("INDIRIMORANI1"), doubleField("INDIRIMORANI2"),
    doubleField("INDIRIMORANI3"), doubleField("INDIRIMORANI4"), doubleField("INDIRIMTUTAR"),
    doubleField("NETBIRIMFIYAT"), doubleField("KDV"), doubleField("VERGITUTARI"), doubleField("NETTUTAR"),
    textField("KUR"), doubleField("KURTL"), intField("VERENIDNO"), textField("VEREN"), textField("SAAT"),
    intField("TESLIMID"), intField("KARGOID"), textField("ACIKLAMA"), intField("IDNO"), intField("VERENSIRANO"),
    textField("CARIKOD"), textField("CARIADI"), textField("OEM1"), textField("OEM2"), textField("OEM3"),
    textField("OEM4"), intField("STOK_STOKNO"), textField("URETICIKODU"), textField("DIGERADI"), textField("DPKOD"),
    textField("MARKA"), textField("MODEL"), textField("ANAGRUP"), textField("OZELKOD"), textField("PKOD"),
    textField("TESLIM"), textField("KARGO"), doubleField("TESLIMEDILEN"), doubleField("KALAN"),
    intField("STOKHAR_NO"), doubleField("ELDEKI"), intField("DURUM"), doubleField("ALINANSIPARIS"),
    doubleField("VERILENSIPARIS"), textField("SIPARISDURUMU"),
};

struct BalanceLine {
    int carino = 0;
    int stokno = 0;
    double miktar = 0;
    double delivered = 0;
    double price = 0;
    std::array<double, 4> rates{};
    double vat = 0;
    QString barkod;
};

void storeOrderLine(QSqlDatabase &db, int lineNo, const BalanceLine &line, double quantity, double remaining)
{
    const LineAmounts a = LineAmounts::compute(quantity, line.price, line.rates, line.vat);
    Store::run(db, QStringLiteral(
        "UPDATE siparis_satir SET MIKTAR = ?, KALAN = ?, BIRIMFIYAT = ?, INDIRIMORANI1 = ?, INDIRIMORANI2 = ?,"
        " INDIRIMORANI3 = ?, INDIRIMORANI4 = ?, INDIRIMYAZI = ?, TUTAR = ?, INDIRIMTUTAR = ?, VERGITUTARI = ?,"
        " NETBIRIMFIYAT = ?, NETTUTAR = ? WHERE SIRANO = ?"),
        {quantity, remaining, line.price, line.rates[0], line.rates[1], line.rates[2], line.rates[3],
         vorpa::text::discountText(line.rates[0], line.rates[1], line.rates[2], line.rates[3]), a.tutar,
         a.indirimTutar, a.vergiTutari, a.netBirimFiyat, a.netTutar, lineNo});
    const QVariant order = Store::scalar(db, QStringLiteral("SELECT SIPARISNO FROM siparis_satir WHERE SIRANO = ?"), {lineNo});
    Store::run(db, QStringLiteral(
        "UPDATE siparis SET TUTAR = (SELECT SUM(TUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
        " INDIRIMTUTAR = (SELECT SUM(INDIRIMTUTAR) FROM siparis_satir WHERE SIPARISNO = ?),"
        " VERGI = (SELECT SUM(VERGITUTARI) FROM siparis_satir WHERE SIPARISNO = ?),"
        " NETTUTAR = (SELECT SUM(NETTUTAR) FROM siparis_satir WHERE SIPARISNO = ?) WHERE IDNO = ?"),
        {order, order, order, order, order});
}

/// Finds the balance line named by its keys and checks that they agree with each other and with
/// the customer of the session.
BalanceLine balanceLine(QSqlDatabase &db, int carino, int stokno, int sepetsirano, int siparissirano,
                        const QString &barkod)
{
    QSqlQuery q = Store::run(db, QStringLiteral(
        "SELECT CARINO, STOKNO, MIKTAR, TESLIMEDILEN, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3,"
        " INDIRIMORANI4, KDV, BARKOD FROM siparis_satir WHERE SIRANO = ?"), {sepetsirano});
    if (!q.next() || q.value(0).toInt() != carino)
        refuse(QStringLiteral("Sipariş bakiyesi bulunamadı (%1).").arg(sepetsirano));
    BalanceLine line;
    line.carino = q.value(0).toInt();
    line.stokno = q.value(1).toInt();
    line.miktar = q.value(2).toDouble();
    line.delivered = q.value(3).toDouble();
    line.price = q.value(4).toDouble();
    line.rates = {q.value(5).toDouble(), q.value(6).toDouble(), q.value(7).toDouble(), q.value(8).toDouble()};
    line.vat = q.value(9).toDouble();
    line.barkod = q.value(10).toString();
    if ((stokno != 0 && stokno != line.stokno) || siparissirano != sepetsirano || barkod.trimmed() != line.barkod)
        refuse(QStringLiteral("Sipariş bakiyesinin bilgileri uyuşmuyor; listeyi yenileyip tekrar deneyiniz."));
    return line;
}

} // namespace

DataSet ServerMethods1::orderLines(const QString &where, const QVariantList &values) const
{
    QSqlDatabase db = m_store.database();
    QSqlQuery query = Store::prepare(db, kOrderLineSelect + QStringLiteral(" WHERE ") + where +
                                             QStringLiteral(" ORDER BY l.SIPARISNO DESC, l.SIRANO"));
    for (int i = 0; i < values.size(); ++i)
        Store::bind(query, i, values[i]);
    Store::exec(query);
    return vorpa::queryToDataSet(query, kOrderLineFields);
}

DataSet ServerMethods1::OncekiSiparisler(int carino)
{
    requireCustomer(carino);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT o.CARINO, o.IDNO, o.TARIH, o.KUR, o.KURTL, o.VERENIDNO, COALESCE(k.ADI, ''), COALESCE(t.ADI, ''),"
        " COALESCE(u.ADI, ''), c.CARIKOD, c.CARIADI, o.VERGI, o.NETTUTAR, o.TUTAR, ") + vorpa::sql::orderStateText() + QStringLiteral(
        ", COALESCE(f.ADI, ''), o.ACIKLAMA, o.ALANNOTU"
        " FROM siparis o JOIN cari c ON c.CARINO = o.CARINO LEFT JOIN kargo_turu k ON k.ID = o.KARGOID"
        " LEFT JOIN teslim t ON t.ID = o.TESLIMID LEFT JOIN kullanici u ON u.SIRANO = o.VERENIDNO"
        " LEFT JOIN kargo_firma f ON f.SIRANO = o.KARGOFIRMANO WHERE o.CARINO = ? ORDER BY o.IDNO DESC"), {carino});
    return vorpa::queryToDataSet(q, {
        intField("CARINO"), intField("IDNO"), dateField("TARIH"), textField("KUR"), doubleField("KURTL"),
        intField("VERENIDNO"), textField("KARGO"), textField("TESLIM"), textField("VEREN"), textField("CARIKOD"),
        textField("CARIADI"), doubleField("VERGI"), doubleField("NETTUTAR"), doubleField("TUTAR"), textField("DURUM"),
        textField("KARGOADI"), textField("VERENINNOTU"), textField("ALANNOTU")});
}

DataSet ServerMethods1::SiparisAyrintisi2(int carino, int idnosu)
{
    requireCustomer(carino);
    if (m_store.scalar(QStringLiteral("SELECT CARINO FROM siparis WHERE IDNO = ?"), {idnosu}, 0).toInt() != carino)
        refuse(QStringLiteral("Sipariş bulunamadı (%1).").arg(idnosu));
    return orderLines(QStringLiteral("l.SIPARISNO = ?"), {idnosu});
}

std::unique_ptr<TSiparisDipAyrinti> ServerMethods1::SiparisAytintisiDip(int carino, int siranosu)
{
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT o.CARINO, o.ACIKLAMA, ") + vorpa::sql::orderStateText() + QStringLiteral(
        ", COALESCE(u.ADI, ''), COALESCE(f.ADI, ''), o.ALANNOTU, COALESCE(t.ADI, ''), COALESCE(k.ADI, ''), o.SATICINOTU"
        " FROM siparis o LEFT JOIN kullanici u ON u.SIRANO = o.VERENIDNO LEFT JOIN kargo_firma f ON f.SIRANO = o.KARGOFIRMANO"
        " LEFT JOIN teslim t ON t.ID = o.TESLIMID LEFT JOIN kargo_turu k ON k.ID = o.KARGOID WHERE o.IDNO = ?"), {siranosu});
    // The client asks with customer 0; a given customer must own the order.
    if (!q.next() || (carino != 0 && q.value(0).toInt() != carino))
        refuse(QStringLiteral("Sipariş bulunamadı (%1).").arg(siranosu));
    auto footer = std::make_unique<TSiparisDipAyrinti>();
    footer->setSizinMesaj(q.value(1).toString());
    footer->setDurumu(q.value(2).toString());
    footer->setVeren(q.value(3).toString());
    footer->setKargo(q.value(4).toString());
    footer->setBizimMesaj(q.value(5).toString());
    footer->setTeslimCinsi(q.value(6).toString());
    footer->setKargoCinsi(q.value(7).toString());
    footer->setSaticiNotu(q.value(8).toString());
    return footer;
}

DataSet ServerMethods1::CariEkstreVerVorpa(int carino)
{
    requireCustomer(carino);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, 0, ' ', IDNO, GENELACIKLAMA, VADETARIHI"
        " FROM cari_hareket WHERE CARINO = ? ORDER BY TARIH, IDNO"), {carino});
    return vorpa::queryToDataSet(q, {
        intField("CARINO"), dateField("TARIH"), textField("TURADI"), textField("EVRAK"), doubleField("BORC"),
        doubleField("ALACAK"), textField("KUR"), doubleField("BAKIYE"), textField("D"), intField("IDNO"),
        textField("GENELACIKLAMA"), dateField("VADETARIHI")});
}

DataSet ServerMethods1::FaturaGetir(int carino, int idnosu)
{
    requireCustomer(carino);
    if (invoiceCustomer(idnosu) != carino)
        refuse(QStringLiteral("Fatura bulunamadı (%1).").arg(idnosu));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT s.OEMNO, s.ADI, s.FINISHKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.BIRIM, f.MIKTAR, f.BIRIMFIYAT, f.TUTAR,"
        " f.INDIRIM1, f.INDIRIM2, f.KDV, f.TOPLAMINDIRIM, f.TOPLAMMASRAF, f.NETBIRIMFIYAT, f.NETTUTAR, s.OZELKOD,"
        " s.BARKOD, h.TARIH, h.TURADI, h.EVRAK, f.VERGI, f.IRSALIYENO, h.TARIH, f.SATIRACIKLAMA, substr(h.TARIH, 12, 5),"
        " c.VADE, '', h.TARIH, 'Satış İrsaliyesi', 0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', '', 0, 0, 0, 0, 0, 0, 1, 0, 0,"
        " c.CARIKOD, 0, h.CARINO, 'TL', COALESCE(sa.ADI, ''), s.URETICIKODU, s.DPKOD, s.DIGERADI, s.PKOD, h.EVRAK, h.IDNO"
        " FROM fatura_satir f JOIN cari_hareket h ON h.IDNO = f.FATURANO JOIN stok s ON s.STOKNO = f.STOKNO"
        " JOIN cari c ON c.CARINO = h.CARINO LEFT JOIN satici sa ON sa.SATICINO = h.SATICINO"
        " WHERE f.FATURANO = ? ORDER BY f.SIRANO"), {idnosu});
    return vorpa::queryToDataSet(q, {
        textField("OEMNO"), textField("STOKADI"), textField("FINISHKOD"), textField("MARKA"), textField("MODEL"),
        textField("ANAGRUP"), textField("BIRIM"), doubleField("STOKHAR_MIKTAR"), doubleField("STOKHAR_TLBIRIMFIYATI"),
        doubleField("STOKHAR_TLTUTAR"), doubleField("STOKHAR_INDIRIM1"), doubleField("STOKHAR_INDIRIM2"),
        doubleField("KDV"), doubleField("STOKHAR_TOPLAMINDIRIM"), doubleField("STOKHAR_TOPLAMMASRAF"),
        doubleField("STOKHAR_NETTLBIRIMFIYATI"), doubleField("STOKHAR_NETTLTUTAR"), textField("OZELKOD"),
        textField("BARKOD"), dateField("STOKHAR_HAREKETTARIHI"), textField("STOKHAR_HAREKETTIPI2"),
        textField("EVRAKNO"), doubleField("STOKHAR_TLVERGI"), textField("IRSALIYEEVRAKNO"),
        dateField("STOKHAR_IRSTARIHI"), textField("SATIRACIKLMASI"), textField("STOKHAR_SAAT"),
        intField("STOKHAR_VADE"), textField("SIPARISEVRAKNO"), dateField("SIPARISTARIHI"), textField("IRSALIYETIP2"),
        doubleField("STOKHAR_INDIRIM3"), doubleField("STOKHAR_INDIRIM4"), doubleField("STOKHAR_INDIRIM5"),
        doubleField("STOKHAR_INDIRIM6"), doubleField("STOKHAR_INDIRIM7"), doubleField("STOKHAR_INDIRIM8"),
        doubleField("STOKHAR_DOVIZBIRIMFIYATI"), doubleField("STOKHAR_DOVIZVERGI"), doubleField("STOKHAR_DOVIZTUTAR"),
        textField("STOKHAR_PARTI"), textField("STOKHAR_BEDEN"), textField("STOKHAR_RENK"),
        doubleField("STOKHAR_MASRAF1"), doubleField("STOKHAR_MASRAF2"), doubleField("STOKHAR_DOVIZTOPLAMINDIRIM"),
        doubleField("STOKHAR_DOVIZTOPLAMMASRAF"), doubleField("STOKHAR_NETDOVIZBIRIMFIYATI"),
        doubleField("STOKHAR_NETDOVIZTUTAR"), doubleField("STOKHAR_KURTL"), intField("SIPARISTIPI"),
        intField("IRSALIYETIPINO"), textField("STOKCARIKOD"), intField("SUBE_NO"), intField("STOKHAR_CARINO"),
        textField("KUR_KURSIMGE"), textField("SATICIADI"), textField("URETICIKODU"), textField("DPKOD"),
        textField("ENADI"), textField("PKOD"), textField("BELGENO"), intField("IDNO")});
}

int ServerMethods1::invoiceCustomer(int idnosu) const
{
    QSqlQuery head = m_store.run(QStringLiteral("SELECT CARINO, TURADI FROM cari_hareket WHERE IDNO = ?"), {idnosu});
    if (!head.next() || !head.value(1).toString().contains(QStringLiteral("Fatura")))
        refuse(QStringLiteral("Fatura bulunamadı (%1).").arg(idnosu));
    return head.value(0).toInt();
}

DataSet ServerMethods1::FaturaAltGetir(int idnosu)
{
    invoiceCustomer(idnosu);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT COALESCE(SUM(TUTAR), 0), COALESCE(SUM(TOPLAMINDIRIM), 0), COALESCE(SUM(NETTUTAR), 0),"
        " COALESCE(SUM(VERGI), 0), COALESCE(SUM(NETTUTAR + VERGI), 0) FROM fatura_satir WHERE FATURANO = ?"), {idnosu});
    DataSet totals = vorpa::queryToDataSet(q, {doubleField("TOPLAM"), doubleField("TOPLAMINDIRIM"), doubleField("MATRAH"),
                                              doubleField("KDVTUTAR"), doubleField("KDVDAHIL")});
    for (int c = 0; c < totals.fieldCount(); ++c)
        totals.setDouble(0, c, vorpa::text::roundMoney(totals.doubleValue(0, c)));
    return totals;
}

DataSet ServerMethods1::Tahsilat(int idnosu)
{
    const QString kind = m_store.scalar(QStringLiteral("SELECT TURADI FROM cari_hareket WHERE IDNO = ?"), {idnosu}).toString();
    if (kind != QLatin1String("Tahsilat") && kind != QLatin1String("Tediye"))
        refuse(QStringLiteral("Tahsilat bulunamadı (%1).").arg(idnosu));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, REF, substr(TARIH, 12, 5), 'TL', 1, 0"
        " FROM tahsilat_satir WHERE TAHSILATNO = ? ORDER BY SIRANO"), {idnosu});
    return vorpa::queryToDataSet(q, {
        dateField("Tarih"), textField("Türü"), textField("Cins"), dateField("Vade"), doubleField("Tutar"),
        textField("Açıklama"), textField("EvrakNo"), textField("Ref"), textField("Saat"), textField("Kur"),
        doubleField("KurTL"), doubleField("Döviz Tutar")});
}

int ServerMethods1::SanalposSiranoVer(int idnosu)
{
    if (!m_store.scalar(QStringLiteral("SELECT 1 FROM cari_hareket WHERE IDNO = ?"), {idnosu}).isValid())
        refuse(QStringLiteral("Tahsilat bulunamadı (%1).").arg(idnosu));
    return m_store.scalar(QStringLiteral("SELECT MIN(SIRANO) FROM sanalpos WHERE TAHSILATNO = ?"), {idnosu}, 0).toInt();
}

QByteArray ServerMethods1::SAnalPosPdfVer(int sirano)
{
    const QVariant pdf = m_store.scalar(QStringLiteral("SELECT PDF FROM sanalpos WHERE SIRANO = ?"), {sirano});
    if (!pdf.isValid())
        refuse(QStringLiteral("Sanal pos ödemesi bulunamadı (%1).").arg(sirano));
    return pdf.toByteArray();
}

QString ServerMethods1::CariDurumVer(int carino)
{
    requireCustomer(carino);
    return vorpa::text::formatMoney(customerBalance(carino));
}

DataSet ServerMethods1::BakiyelerVer2(int carino)
{
    requireCustomer(carino);
    return orderLines(QStringLiteral("l.CARINO = ? AND l.KALAN > 0"), {carino});
}

DataSet ServerMethods1::TumSiparislerVer(int carino, int stokno)
{
    requireCustomer(carino);
    if (stokno < 0)
        refuse(QStringLiteral("Geçersiz stok numarası (%1).").arg(stokno));
    if (stokno == 0)
        return orderLines(QStringLiteral("l.CARINO = ?"), {carino});
    return orderLines(QStringLiteral("l.CARINO = ? AND l.STOKNO = ?"), {carino, stokno});
}

int ServerMethods1::BakiyeDuzenle(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                  double Bakiye, const QString &barkod)
{
    Q_UNUSED(Adet)
    Q_UNUSED(Bakiye)
    const Caller caller = requireSession(k);
    m_store.write([&](QSqlDatabase &db) {
        const BalanceLine line = balanceLine(db, caller.carino, stokno, sepetsirano, siparissirano, barkod);
        // Dropping the balance: what was delivered is all the line will ever get.
        storeOrderLine(db, sepetsirano, line, line.delivered, 0.0);
    });
    return 1;
}

int ServerMethods1::BakiyeDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                   double Bakiye, const QString &barkod)
{
    Q_UNUSED(Adet)
    const Caller caller = requireSession(k);
    if (!std::isfinite(Bakiye) || Bakiye <= 0 || Bakiye > 100000)
        refuse(QStringLiteral("Geçersiz bakiye: yeni bakiye 0'dan büyük olmalıdır."));
    m_store.write([&](QSqlDatabase &db) {
        const BalanceLine line = balanceLine(db, caller.carino, stokno, sepetsirano, siparissirano, barkod);
        storeOrderLine(db, sepetsirano, line, line.delivered + Bakiye, Bakiye);
    });
    return 1;
}

int ServerMethods1::BakiyeFiyatDegistir(const TSonucBilgisi *k, int stokno, int sepetsirano, int siparissirano,
                                        double Adet, double Bakiye, const QString &barkod, double fiyat, double ind)
{
    Q_UNUSED(Adet)
    Q_UNUSED(Bakiye)
    const Caller caller = requireSession(k);
    if (caller.role != 2)
        refuse(QStringLiteral("Fiyat değiştirme yetkiniz yok."));
    if (!std::isfinite(fiyat) || fiyat <= 0 || fiyat > 100000000)
        refuse(QStringLiteral("Geçersiz fiyat."));
    if (!std::isfinite(ind) || ind < 0 || ind > 100)
        refuse(QStringLiteral("Geçersiz indirim oranı: oran 0 ile 100 arasında olmalıdır."));
    m_store.write([&](QSqlDatabase &db) {
        BalanceLine line = balanceLine(db, caller.carino, stokno, sepetsirano, siparissirano, barkod);
        const double remaining = Store::scalar(db, QStringLiteral("SELECT KALAN FROM siparis_satir WHERE SIRANO = ?"),
                                               {sepetsirano}, 0.0).toDouble();
        line.price = fiyat;
        line.rates = {ind, 0, 0, 0};
        storeOrderLine(db, sepetsirano, line, line.miktar, remaining);
    });
    return 1;
}
