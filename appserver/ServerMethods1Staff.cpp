#include "ServerMethods1.h"

#include "DateText.h"
#include "OrderSql.h"
#include "PdfDocument.h"
#include "QueryTable.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QDate>
#include <QSqlQuery>

using vorpa::DataSet;
using vorpa::PdfDocument;
using vorpa::Store;
using vorpa::StoreError;
using vorpa::refuse;
using vorpa::dateField;
using vorpa::doubleField;
using vorpa::intField;
using vorpa::textField;

namespace {

QString dayText(const QString &stored)
{
    return QDate::fromString(stored.left(10), QStringLiteral("yyyy-MM-dd")).toString(QStringLiteral("dd.MM.yyyy"));
}

/// The whole days a pair of date numbers covers, as stored-text bounds [from, until).
QPair<QString, QString> dayRange(double tarih1, double tarih2)
{
    const QDate from = vorpa::dates::momentFromNumber(tarih1).date();
    const QDate to = vorpa::dates::momentFromNumber(tarih2).date();
    return {vorpa::dates::toText(from), vorpa::dates::toText(to.addDays(1))};
}

QString sideOf(double balance)
{
    if (balance > 0.005)
        return QStringLiteral("B");
    if (balance < -0.005)
        return QStringLiteral("A");
    return QString();
}

} // namespace

DataSet ServerMethods1::customerList(const Caller &caller, const QString &where, const QVariantList &values) const
{
    const int seller = caller.sellerFilter();
    QString sql = QStringLiteral(
        "SELECT c.CARINO, c.CARIKOD, c.CARIADI, COALESCE(sa.ADI, ''), COALESCE(b.BAKIYE, 0), '',"
        " (SELECT COUNT(*) FROM sepet x WHERE x.CARINO = c.CARINO),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 2),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 3),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 4),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 6),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 5),"
        " (SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = 7),"
        " c.OZELKOD, c.KOD1, c.KOD2, c.KOD3, c.KOD4, c.KOD5, c.TEL1, c.TEL2, c.ILCE, c.IL, c.GSM, c.YETKILI, c.INDIRIM,"
        " c.VADE, c.VADEKONTROLGUN, c.VADEKONTROLAY, c.VERGIDAIRESI, c.VERGINO, c.ADRES1, c.ADRES2, c.ANAGRUP,"
        " c.ALTGRUP, c.FAX1, c.FAX2, c.EMAIL"
        " FROM cari c LEFT JOIN satici sa ON sa.SATICINO = c.SATICINO"
        " LEFT JOIN (SELECT CARINO, SUM(BORC - ALACAK) AS BAKIYE FROM cari_hareket GROUP BY CARINO) b ON b.CARINO = c.CARINO"
        " WHERE (? = 0 OR c.SATICINO = ?)");
    if (!where.isEmpty())
        sql += QStringLiteral(" AND ") + where;
    sql += QStringLiteral(" ORDER BY c.CARIADI");
    QSqlDatabase db = m_store.database();
    QSqlQuery query = Store::prepare(db, sql);
    Store::bind(query, 0, seller);
    Store::bind(query, 1, seller);
    for (int i = 0; i < values.size(); ++i)
        Store::bind(query, i + 2, values[i]);
    Store::exec(query);
    DataSet data = vorpa::queryToDataSet(query, {
        intField("CARINO"), textField("CARIKOD"), textField("CARIADI"), textField("SATICISI"), doubleField("TLBAKIYE"),
        textField("DURUM"), intField("SEPET"), intField("ALINDI"), intField("ONAYLANDI"), intField("GORULDU"),
        intField("HAZIRLANDI"), intField("PARCALIHAZIRLANDI"), intField("SEVKEDILDI"), textField("OZELKOD"),
        textField("KOD1"), textField("KOD2"), textField("KOD3"), textField("KOD4"), textField("KOD5"),
        textField("TEL1"), textField("TEL2"), textField("ILCE"), textField("IL"), textField("GSM"),
        textField("YETKILI"), doubleField("INDIRIM"), intField("VADE"), intField("VADEKONTROLGUN"),
        intField("VADEKONTROLAY"), textField("VERGIDAIRESI"), textField("VERGINO"), textField("ADRES1"),
        textField("ADRES2"), textField("ANAGRUP"), textField("ALTGRUP"), textField("FAX1"), textField("FAX2"),
        textField("EMAIL")});
    // The balance is shown as an amount with its side: B (debit) or A (credit).
    for (int row = 0; row < data.recordCount(); ++row) {
        const double balance = vorpa::text::roundMoney(data.doubleValue(row, 4));
        data.setString(row, 5, sideOf(balance));
        data.setDouble(row, 4, qAbs(balance));
    }
    data.first();
    return data;
}

DataSet ServerMethods1::CariAra(const TSonucBilgisi *bil, const QString &aranan)
{
    const Caller caller = requireStaff(bil);
    if (aranan.size() > 100)
        refuse(QStringLiteral("Arama metni çok uzun (en çok 100 karakter)."));
    QStringList conditions;
    QVariantList values;
    for (const QString &token : vorpa::text::searchTokens(aranan)) {
        conditions << QStringLiteral("c.ARAMA LIKE ? ESCAPE '\\'");
        values << QStringLiteral("%") + vorpa::text::likeEscaped(token) + QStringLiteral("%");
    }
    return customerList(caller, conditions.join(QStringLiteral(" AND ")), values);
}

DataSet ServerMethods1::CariSepetVer(const TSonucBilgisi *bil, int n)
{
    const Caller caller = requireStaff(bil);
    if (n == 1)
        return customerList(caller, QStringLiteral("EXISTS (SELECT 1 FROM sepet x WHERE x.CARINO = c.CARINO)"), {});
    if (n >= 2 && n <= 7)
        return customerList(caller, QStringLiteral(
            "EXISTS (SELECT 1 FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = ?)"), {n});
    refuse(QStringLiteral("Geçersiz durum kodu (%1): 1 ile 7 arasında olmalıdır.").arg(n));
}

int ServerMethods1::SepetSayisi(const TSonucBilgisi *bil)
{
    const Caller caller = requireStaff(bil);
    const int seller = caller.sellerFilter();
    return m_store.scalar(QStringLiteral(
        "SELECT COUNT(DISTINCT x.CARINO) FROM sepet x JOIN cari c ON c.CARINO = x.CARINO WHERE (? = 0 OR c.SATICINO = ?)"),
        {seller, seller}, 0).toInt();
}

std::unique_ptr<TTusSonuclari> ServerMethods1::TusSonuclariVer(const TSonucBilgisi *bil)
{
    const Caller caller = requireStaff(bil);
    const int seller = caller.sellerFilter();
    auto counts = std::make_unique<TTusSonuclari>();
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT o.DURUM, COUNT(*) FROM siparis o JOIN cari c ON c.CARINO = o.CARINO WHERE (? = 0 OR c.SATICINO = ?)"
        " GROUP BY o.DURUM"), {seller, seller});
    while (q.next()) {
        const int n = q.value(1).toInt();
        switch (q.value(0).toInt()) {
        case 2: counts->setAlindi(n); break;
        case 3: counts->setOnaylandi(n); break;
        case 4: counts->setGoruldu(n); break;
        case 5: counts->setParcaliHazirlandi(n); break;
        case 6: counts->setHazirlandi(n); break;
        case 7: counts->setSevkEdildi(n); break;
        default: break;
        }
    }
    return counts;
}

PdfDocument ServerMethods1::customerReport(const QString &title, int carino, const QString &saticiadi) const
{
    requireCustomer(carino);
    QSqlQuery head = m_store.run(QStringLiteral("SELECT CARIKOD, CARIADI FROM cari WHERE CARINO = ?"), {carino});
    head.next();
    PdfDocument doc(title);
    doc.addHeader(QStringLiteral("Cari:"), head.value(1).toString());
    doc.addHeader(QStringLiteral("Cari Kod:"), head.value(0).toString());
    doc.addHeader(QStringLiteral("Satıcı:"), saticiadi);
    return doc;
}

QByteArray ServerMethods1::RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                                      double tarih1, double tarih2)
{
    if (bolum != raporno)
        refuse(QStringLiteral("Rapor bölümü rapor numarası ile uyuşmuyor."));
    const int role = m_store.scalar(QStringLiteral("SELECT MUSTERITIPI FROM kullanici WHERE SIRANO = ? AND AKTIF = 1"),
                                    {idno}, 0).toInt();
    if (role != 1 && role != 2)
        refuse(QStringLiteral("Raporlar yalnızca satış personeline açıktır."));
    if (saticiadi.size() > 100)
        refuse(QStringLiteral("Satıcı adı çok uzun."));
    const auto [from, until] = dayRange(tarih1, tarih2);
    const QString fromText = dayText(from);
    const QString toText = dayText(vorpa::dates::toText(QDate::fromString(until.left(10), QStringLiteral("yyyy-MM-dd")).addDays(-1)));

    if (raporno == 6 && carino > 0) {
        PdfDocument doc = customerReport(QStringLiteral("Cari Özeti"), carino, saticiadi);
        doc.addHeader(QStringLiteral("Tarih:"), toText);
        doc.setTable({QStringLiteral("Tarih"), QStringLiteral("Tür"), QStringLiteral("Evrak No"), QStringLiteral("Borç"),
                      QStringLiteral("Alacak"), QStringLiteral("Bakiye")},
                     {2, 3, 2, 2, 2, 2}, {false, false, false, true, true, true});
        QSqlQuery rows = m_store.run(QStringLiteral(
            "SELECT TARIH, TURADI, EVRAK, BORC, ALACAK FROM cari_hareket WHERE CARINO = ? AND TARIH < ? ORDER BY TARIH, IDNO"),
            {carino, until});
        double balance = 0;
        while (rows.next()) {
            balance = vorpa::text::roundMoney(balance + rows.value(3).toDouble() - rows.value(4).toDouble());
            doc.addRow({dayText(rows.value(0).toString()), rows.value(1).toString(), rows.value(2).toString(),
                        vorpa::text::formatMoney(rows.value(3).toDouble()), vorpa::text::formatMoney(rows.value(4).toDouble()),
                        vorpa::text::formatMoney(qAbs(balance)) + u' ' + sideOf(balance)});
        }
        doc.addFooter(QStringLiteral("Bakiye: %1 TL %2").arg(vorpa::text::formatMoney(qAbs(balance)), sideOf(balance)));
        doc.addFooter(QStringLiteral("Açık sipariş satırı: %1").arg(m_store.scalar(QStringLiteral(
            "SELECT COUNT(*) FROM siparis_satir WHERE CARINO = ? AND KALAN > 0"), {carino}, 0).toInt()));
        const QString overdue = CariVadeGunGecmismiBul(carino);
        if (!overdue.isEmpty())
            doc.addFooter(overdue);
        return doc.toPdf();
    }

    if (raporno == 6) {
        PdfDocument doc(QStringLiteral("Cari Toplu Alacak Vadeleri"));
        doc.addHeader(QStringLiteral("Tarih:"), toText);
        doc.addHeader(QStringLiteral("Satıcı:"), saticiadi == QLatin1String(".") ? QStringLiteral("Tümü") : saticiadi);
        doc.setTable({QStringLiteral("Cari Kod"), QStringLiteral("Cari Adı"), QStringLiteral("Satıcı"),
                      QStringLiteral("Vade (Gün)"), QStringLiteral("Bakiye"), QStringLiteral("Vadesi Geçen")},
                     {2, 5, 3, 1, 2, 2}, {false, false, false, true, true, true});
        QSqlQuery rows = m_store.run(QStringLiteral(
            "SELECT c.CARIKOD, c.CARIADI, COALESCE(sa.ADI, ''), c.VADE,"
            " (SELECT COALESCE(SUM(BORC - ALACAK), 0) FROM cari_hareket h WHERE h.CARINO = c.CARINO AND h.TARIH < ?),"
            " c.CARINO"
            " FROM cari c LEFT JOIN satici sa ON sa.SATICINO = c.SATICINO"
            " WHERE (? = '.' OR sa.ADI = ? OR EXISTS (SELECT 1 FROM kullanici u WHERE u.SATICINO = sa.SATICINO AND u.ADI = ?))"
            " ORDER BY c.CARIKOD"), {until, saticiadi.trimmed(), saticiadi.trimmed(), saticiadi.trimmed()});
        double total = 0;
        double totalOverdue = 0;
        while (rows.next()) {
            const double balance = vorpa::text::roundMoney(rows.value(4).toDouble());
            const QString since = vorpa::dates::toText(
                QDate::fromString(until.left(10), QStringLiteral("yyyy-MM-dd")).addDays(-rows.value(3).toInt()));
            const double recent = m_store.scalar(QStringLiteral(
                "SELECT COALESCE(SUM(BORC), 0) FROM cari_hareket WHERE CARINO = ? AND TARIH >= ? AND TARIH < ?"),
                {rows.value(5), since, until}, 0.0).toDouble();
            const double overdue = qMax(0.0, vorpa::text::roundMoney(balance - recent));
            total += balance;
            totalOverdue += overdue;
            doc.addRow({rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                        QString::number(rows.value(3).toInt()), vorpa::text::formatMoney(balance),
                        vorpa::text::formatMoney(overdue)});
        }
        doc.addFooter(QStringLiteral("Toplam bakiye: %1 TL").arg(vorpa::text::formatMoney(total)));
        doc.addFooter(QStringLiteral("Toplam vadesi geçen: %1 TL").arg(vorpa::text::formatMoney(totalOverdue)));
        return doc.toPdf();
    }

    if (raporno == 7) {
        PdfDocument doc = customerReport(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"), carino, saticiadi);
        doc.addHeader(QStringLiteral("Tarih Aralığı:"), fromText + QStringLiteral(" - ") + toText);
        doc.setTable({QStringLiteral("Tarih"), QStringLiteral("Evrak No"), QStringLiteral("Tür"), QStringLiteral("Satıcı"),
                      QStringLiteral("Satış"), QStringLiteral("İade")},
                     {2, 2, 3, 3, 2, 2}, {false, false, false, false, true, true});
        QSqlQuery rows = m_store.run(QStringLiteral(
            "SELECT h.TARIH, h.EVRAK, h.TURADI, COALESCE(sa.ADI, ''), h.BORC, h.ALACAK FROM cari_hareket h"
            " LEFT JOIN satici sa ON sa.SATICINO = h.SATICINO"
            " WHERE h.CARINO = ? AND h.TARIH >= ? AND h.TARIH < ? AND h.TURADI LIKE '%Fatura%' ORDER BY h.TARIH, h.IDNO"),
            {carino, from, until});
        double sales = 0;
        double refunds = 0;
        while (rows.next()) {
            sales += rows.value(4).toDouble();
            refunds += rows.value(5).toDouble();
            doc.addRow({dayText(rows.value(0).toString()), rows.value(1).toString(), rows.value(2).toString(),
                        rows.value(3).toString(), vorpa::text::formatMoney(rows.value(4).toDouble()),
                        vorpa::text::formatMoney(rows.value(5).toDouble())});
        }
        doc.addFooter(QStringLiteral("Toplam satış: %1 TL").arg(vorpa::text::formatMoney(sales)));
        doc.addFooter(QStringLiteral("Toplam iade: %1 TL").arg(vorpa::text::formatMoney(refunds)));
        doc.addFooter(QStringLiteral("Net satış: %1 TL").arg(vorpa::text::formatMoney(sales - refunds)));
        return doc.toPdf();
    }
    refuse(QStringLiteral("Bilinmeyen rapor numarası (%1).").arg(raporno));
}

DataSet ServerMethods1::RaporAlinanSiparisler(const TSonucBilgisi *bilgi, double tarih1, double tarih2)
{
    const Caller caller = requireStaff(bilgi);
    const int seller = caller.sellerFilter();
    const auto [from, until] = dayRange(tarih1, tarih2);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT COALESCE(sa.ADI, ''), o.IDNO, o.CARINO, o.TARIH, o.KUR, o.KURTL, o.VERENIDNO, COALESCE(k.ADI, ''),"
        " COALESCE(t.ADI, ''), COALESCE(u.ADI, ''), c.CARIKOD, c.CARIADI, ") + vorpa::sql::orderStateText() + QStringLiteral(
        ", COALESCE(f.ADI, ''), o.VERGI, o.NETTUTAR, o.TUTAR"
        " FROM siparis o JOIN cari c ON c.CARINO = o.CARINO LEFT JOIN satici sa ON sa.SATICINO = c.SATICINO"
        " LEFT JOIN kargo_turu k ON k.ID = o.KARGOID LEFT JOIN teslim t ON t.ID = o.TESLIMID"
        " LEFT JOIN kullanici u ON u.SIRANO = o.VERENIDNO LEFT JOIN kargo_firma f ON f.SIRANO = o.KARGOFIRMANO"
        " WHERE o.TARIH >= ? AND o.TARIH < ? AND (? = 0 OR c.SATICINO = ?) ORDER BY o.TARIH, o.IDNO"),
        {from, until, seller, seller});
    return vorpa::queryToDataSet(q, {
        textField("SATICIADI"), doubleField("IDNO"), intField("CARINO"), dateField("TARIH"), textField("KUR"),
        doubleField("KURTL"), intField("VERENIDNO"), textField("KARGO"), textField("TESLIM"), textField("VEREN"),
        textField("CARIKOD"), textField("CARIADI"), textField("DURUM"), textField("KARGOADI"), doubleField("VERGI"),
        doubleField("NETTUTAR"), doubleField("TUTAR")});
}

DataSet ServerMethods1::RaporEnCokSatilanStoklar(const TSonucBilgisi *bilgi, double tarih1, double tarih2)
{
    const Caller caller = requireStaff(bilgi);
    const int seller = caller.sellerFilter();
    const auto [from, until] = dayRange(tarih1, tarih2);
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT s.BARKOD, s.URETICIKODU, s.ADI, s.ANAGRUP, SUM(f.MIKTAR), SUM(f.NETTUTAR), SUM(f.VERGI), SUM(f.TUTAR)"
        " FROM fatura_satir f JOIN cari_hareket h ON h.IDNO = f.FATURANO JOIN stok s ON s.STOKNO = f.STOKNO"
        " JOIN cari c ON c.CARINO = h.CARINO"
        " WHERE h.TURADI = 'Satış Faturası' AND h.TARIH >= ? AND h.TARIH < ? AND (? = 0 OR c.SATICINO = ?)"
        " GROUP BY s.STOKNO, s.BARKOD, s.URETICIKODU, s.ADI, s.ANAGRUP ORDER BY SUM(f.MIKTAR) DESC, s.BARKOD LIMIT 500"),
        {from, until, seller, seller});
    return vorpa::queryToDataSet(q, {
        textField("BARKOD"), textField("KOD"), textField("ADI"), textField("DEPARTMAN"), doubleField("MIKTAR"),
        doubleField("NETTUTAR"), doubleField("TLVERGI"), doubleField("TUTAR")});
}
