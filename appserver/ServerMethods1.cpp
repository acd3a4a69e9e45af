#include "ServerMethods1.h"

#include "DateText.h"
#include "PictureText.h"
#include "OrderSql.h"
#include "QueryTable.h"
#include "Schema.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QDate>
#include <QSqlQuery>

using vorpa::DataSet;
using vorpa::FieldDef;
using vorpa::Store;
using vorpa::StoreError;
using vorpa::refuse;
using vorpa::dateField;
using vorpa::doubleField;
using vorpa::intField;
using vorpa::textField;

namespace {

const QString kStockSelect = QStringLiteral(
    "SELECT s.DURUM, s.DEPO2, s.OEM1, s.OEM2, s.OEM3, s.BARKOD, s.ADI, s.OEM4, s.STOKNO, s.FINISHKOD, s.URETICIKODU,"
    " s.RESIM, s.BARKODNO, s.DIGERADI, s.DPKOD, s.OEMNO, s.BIRIM, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD,"
    " s.ELDEKI - COALESCE(a.ALINAN, 0), s.PKOD, s.KDV, COALESCE(a.ALINAN, 0), s.VERILENSIPARIS, s.LISTEFIYAT1,"
    " s.KAMPFIYAT, s.FIYAT, s.Y, s.K, s.INDIRIMYAZI, s.NETFIYAT, s.KDVDAHIL, s.IND1, s.IND2, s.IND3, s.IND4, s.IND1,"
    " s.LISTEFIYAT1, s.ELDEKI"
    " FROM stok s") + vorpa::sql::undeliveredOrdersJoin(QStringLiteral("s.STOKNO"));

const QList<FieldDef> kStockFields = {
    intField("DURUM"), textField("DEPO2"), textField("OEM1"), textField("OEM2"), textField("OEM3"),
    textField("BARKOD"), textField("ADI"), textField("OEM4"), intField("STOK_STOKNO"), textField("FINISHKOD"),
    textField("URETICIKODU"), intField("RESIM"), intField("BARKOD_BARKODNO"), textField("DIGERADI"),
    textField("DPKOD"), textField("OEMNO"), textField("BIRIM"), textField("MARKA"), textField("MODEL"),
    textField("ANAGRUP"), textField("OZELKOD"), doubleField("KALAN"), textField("PKOD"), doubleField("KDV"),
    doubleField("ALINANSIPARIS"), doubleField("VERILENSIPARIS"), doubleField("LISTEFIYAT1"), doubleField("KAMPFIYAT"),
    doubleField("FIYAT"), intField("Y"), intField("K"), textField("INDIRIMYAZI"), doubleField("NETFIYAT"),
    doubleField("KDVDAHIL"), doubleField("IND1"), doubleField("IND2"), doubleField("IND3"), doubleField("IND4"),
    doubleField("INDIRIM"), doubleField("ESKIFIYAT"), doubleField("ELDEKI"),
};

// Most searches are narrow; an empty or very short text would otherwise ship the whole catalogue.
constexpr int kSearchLimit = 2000;

} // namespace

ServerMethods1::ServerMethods1(Store &store)
    : m_store(store)
{
}

ServerMethods1::Caller ServerMethods1::requireSession(const TSonucBilgisi *record) const
{
    if (!record)
        refuse(QStringLiteral("Oturum bilgisi gönderilmedi."));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT SIRANO, CARINO, MUSTERITIPI, SATICINO, ADI, SIFRE, AKTIF FROM kullanici WHERE SIRANO = ?"),
        {record->Sirano()});
    if (!q.next() || q.value(5).toString() != record->SIFRE())
        refuse(QStringLiteral("Oturum bilgisi geçersiz; lütfen yeniden giriş yapınız."));
    if (q.value(6).toInt() != 1)
        refuse(QStringLiteral("Kullanıcı hesabı aktif değil."));
    Caller caller;
    caller.sirano = q.value(0).toInt();
    caller.role = q.value(2).toInt();
    caller.saticiNo = q.value(3).toInt();
    caller.adi = q.value(4).toString();
    caller.carino = record->CARINO();
    if (!caller.isStaff() && record->CARINO() != q.value(1).toInt())
        refuse(QStringLiteral("Bu cari hesap için yetkiniz yok."));
    return caller;
}

ServerMethods1::Caller ServerMethods1::requireStaff(const TSonucBilgisi *record) const
{
    const Caller caller = requireSession(record);
    if (!caller.isStaff())
        refuse(QStringLiteral("Bu işlem yalnızca satış personeline açıktır."));
    return caller;
}

void ServerMethods1::requireCustomer(int carino) const
{
    if (carino <= 0 || !m_store.scalar(QStringLiteral("SELECT 1 FROM cari WHERE CARINO = ?"), {carino}).isValid())
        refuse(QStringLiteral("Cari hesap bulunamadı (%1).").arg(carino));
}

double ServerMethods1::customerBalance(int carino) const
{
    return vorpa::text::roundMoney(m_store.scalar(QStringLiteral(
        "SELECT SUM(BORC - ALACAK) FROM cari_hareket WHERE CARINO = ?"), {carino}, 0.0).toDouble());
}

DataSet ServerMethods1::stockQuery(const QString &where, const QVariantList &values, int limit) const
{
    QString sql = kStockSelect;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    sql += QStringLiteral(" ORDER BY s.BARKOD");
    if (limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    if (m_store.isSqlite()) {
        QSqlDatabase db = m_store.database();
        return vorpa::sqliteQueryToDataSet(db, sql, values, kStockFields);
    }
    QSqlQuery query = m_store.run(sql, values);
    return vorpa::queryToDataSet(query, kStockFields);
}

// --- Session --------------------------------------------------------------------------------

std::unique_ptr<TSonucBilgisi> ServerMethods1::BuyukGetir(const QString &idsi)
{
    auto record = std::make_unique<TSonucBilgisi>();
    record->setBILGISAYARID(idsi);
    record->setVersion(m_store.scalar(QStringLiteral("SELECT METIN FROM ayar WHERE ANAHTAR = 'VERSION'"), {}, 5).toInt());
    record->setVarmi(false);
    const QString id = idsi.trimmed();
    if (id.isEmpty())
        return record;
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT u.SIRANO, u.ADI, u.SIFRE, u.CARINO, u.AKTIF, u.MAIL, u.MUSTERITIPI,"
        " COALESCE(c.CARIKOD, ''), COALESCE(c.CARIADI, ''), COALESCE(sa.SATICINO, 0), COALESCE(sa.ADI, ''),"
        " COALESCE(sa.TELEFON, ''), COALESCE(sa.MAIL, '')"
        " FROM istasyon i JOIN kullanici u ON u.SIRANO = i.KULLANICINO"
        " LEFT JOIN cari c ON c.CARINO = u.CARINO"
        " LEFT JOIN satici sa ON sa.SATICINO = CASE WHEN u.CARINO > 0 THEN c.SATICINO ELSE u.SATICINO END"
        " WHERE i.BILGISAYARID = ?"), {id});
    if (!q.next())
        return record;
    record->setVarmi(true);
    record->setSirano(q.value(0).toInt());
    record->setADI(q.value(1).toString());
    record->setSIFRE(q.value(2).toString());
    record->setCARINO(q.value(3).toInt());
    record->setAKTIF(q.value(4).toInt());
    record->setKullanicimail(q.value(5).toString());
    record->setMusteriTipi(q.value(6).toInt());
    record->setcarikod(q.value(7).toString());
    record->setCariAdi(q.value(8).toString());
    record->setSaticiNo(q.value(9).toInt());
    record->setSaticiAdi(q.value(10).toString());
    record->setSaticiTelefon(q.value(11).toString());
    record->setSaticiMail(q.value(12).toString());
    return record;
}

// --- Catalogue, information and feeds -------------------------------------------------------

DataSet ServerMethods1::VorpaStokAraGetir(const QString &kod, const TSonucBilgisi *bilgi)
{
    requireSession(bilgi);
    if (kod.size() > 200)
        refuse(QStringLiteral("Arama metni çok uzun (en çok 200 karakter)."));
    // Tokens of three letters or more are looked up in the trigram index; shorter ones give it
    // nothing to look up and are matched on the rows it leaves (or on the catalogue alone).
    QStringList indexed;
    QStringList conditions;
    QVariantList indexedValues;
    QVariantList values;
    for (const QString &token : vorpa::text::searchTokens(kod)) {
        if (m_store.isSqlite() && token.size() >= 3) {
            // A token holds letters and digits only, so it needs no escaping in a GLOB pattern.
            indexed << QStringLiteral("ARAMA GLOB ?");
            indexedValues << QStringLiteral("*") + token + QStringLiteral("*");
        } else {
            conditions << QStringLiteral("s.ARAMA LIKE ? ESCAPE '\\'");
            values << QStringLiteral("%") + vorpa::text::likeEscaped(token) + QStringLiteral("%");
        }
    }
    if (!indexed.isEmpty()) {
        conditions.prepend(QStringLiteral("s.STOKNO IN (SELECT rowid FROM %1 WHERE %2)")
                               .arg(QLatin1String(vorpa::kSearchIndexTable), indexed.join(QStringLiteral(" AND "))));
        values = indexedValues + values;
    }
    return stockQuery(conditions.join(QStringLiteral(" AND ")), values, kSearchLimit);
}

QByteArray ServerMethods1::ResimVer5(int stokno)
{
    if (stokno <= 0 || !m_store.scalar(QStringLiteral("SELECT 1 FROM stok WHERE STOKNO = ?"), {stokno}).isValid())
        refuse(QStringLiteral("Stok bulunamadı (%1).").arg(stokno));
    return m_store.scalar(QStringLiteral("SELECT RESIM FROM stok_resim WHERE STOKNO = ?"), {stokno}).toByteArray();
}

DataSet ServerMethods1::StokHareketVer(int carino, int stokno)
{
    requireCustomer(carino);
    if (stokno <= 0 || !m_store.scalar(QStringLiteral("SELECT 1 FROM stok WHERE STOKNO = ?"), {stokno}).isValid())
        refuse(QStringLiteral("Stok bulunamadı (%1).").arg(stokno));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT s.BARKOD, h.TARIH, h.TURADI, substr(h.EVRAK, 1, 3), substr(h.EVRAK, 4), f.MIKTAR, f.BIRIMFIYAT, f.VERGI,"
        " f.TUTAR, f.INDIRIM1, f.INDIRIM2, 0, 0, 0, 0, 0, 0, f.TOPLAMINDIRIM, 0, 0, f.TOPLAMMASRAF, f.NETBIRIMFIYAT,"
        " f.NETTUTAR, h.VADETARIHI, c.CARIKOD, f.NETBIRIMFIYAT * (1 + f.KDV / 100.0), f.NETTUTAR + f.VERGI,"
        " COALESCE(sa.ADI, '')"
        " FROM fatura_satir f JOIN cari_hareket h ON h.IDNO = f.FATURANO JOIN stok s ON s.STOKNO = f.STOKNO"
        " JOIN cari c ON c.CARINO = h.CARINO LEFT JOIN satici sa ON sa.SATICINO = h.SATICINO"
        " WHERE h.CARINO = ? AND f.STOKNO = ? ORDER BY h.TARIH, f.SIRANO"), {carino, stokno});
    DataSet data = vorpa::queryToDataSet(q, {
        textField("BARKOD"), dateField("TARIH"), textField("TURU"), textField("EVRAKSERI"), textField("EVRAKSIRA"),
        doubleField("MIKTAR"), doubleField("TLBIRIMFIYAT"), doubleField("TLVERGI"), doubleField("TLTUTAR"),
        doubleField("INDIRIM1"), doubleField("INDIRIM2"), doubleField("INDIRIM3"), doubleField("INDIRIM4"),
        doubleField("INDIRIM5"), doubleField("INDIRIM6"), doubleField("INDIRIM7"), doubleField("INDIRIM8"),
        doubleField("TOPLAMINDIRIM"), doubleField("MASRAF1"), doubleField("MASRAF2"), doubleField("TOPLAMMASRAF"),
        doubleField("NETBIRIMFIYAT"), doubleField("NETTLTUTAR"), dateField("VADE"), textField("STOKCARIKOD"),
        doubleField("KDVDAHILBIRIMFIYAT"), doubleField("KDVDAHILTUTAR"), textField("SATICI")});
    const int unitColumn = data.fieldIndex(QStringLiteral("KDVDAHILBIRIMFIYAT"));
    for (int row = 0; row < data.recordCount(); ++row)
        data.setDouble(row, unitColumn, vorpa::text::roundMoney(data.doubleValue(row, unitColumn)));
    return data;
}

DataSet ServerMethods1::YenilerVer2(int carino)
{
    requireCustomer(carino);
    return stockQuery(QStringLiteral("s.Y = 1"), {}, 0);
}

DataSet ServerMethods1::KampanyaliVer2(int cario, int satici)
{
    requireCustomer(cario);
    // Role 4 dealers do not take part in campaigns.
    if (satici == 4)
        return stockQuery(QStringLiteral("1 = 0"), {}, 0);
    return stockQuery(QStringLiteral("s.K > 0"), {}, 0);
}

std::unique_ptr<TAcilisEkranlariki> ServerMethods1::AcilisEkranlarVer2()
{
    auto all = std::make_unique<TAcilisEkranlariki>();
    QSqlQuery q = m_store.run(QStringLiteral("SELECT SIRANO, RESIM, BASLIK, ARAMA FROM acilis_ekran ORDER BY SIRANO"));
    while (q.next()) {
        TAcilisEkran entry;
        entry.setSiraNo(q.value(0).toInt());
        entry.setResim(EncodePictureText(q.value(1).toByteArray()));
        entry.setBaslik(q.value(2).toString());
        entry.setArama(q.value(3).toString());
        all->addEkran(std::move(entry));
    }
    return all;
}

QString ServerMethods1::KayanYaziGetir()
{
    return m_store.scalar(QStringLiteral("SELECT METIN FROM ayar WHERE ANAHTAR = 'KAYANYAZI'"), {}, QString()).toString();
}

QByteArray ServerMethods1::BannerResimVer2()
{
    return m_store.scalar(QStringLiteral("SELECT VERI FROM ayar WHERE ANAHTAR = 'BANNER2'")).toByteArray();
}

QByteArray ServerMethods1::BannerResimVer3()
{
    return m_store.scalar(QStringLiteral("SELECT VERI FROM ayar WHERE ANAHTAR = 'BANNER3'")).toByteArray();
}

DataSet ServerMethods1::BalonGetir(const TSonucBilgisi *bil)
{
    const Caller caller = requireSession(bil);
    const int carino = caller.carino;
    DataSet data({intField("SEPET"), intField("YENI"), intField("KAMPANYA"), intField("DUYURU"), doubleField("BAKIYE")});
    const int row = data.appendRow();
    data.setInt(row, 0, m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE CARINO = ?"), {carino}, 0).toInt());
    data.setInt(row, 1, m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM stok WHERE Y = 1"), {}, 0).toInt());
    data.setInt(row, 2, caller.role == 4 ? 0
                                         : m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM stok WHERE K > 0"), {}, 0).toInt());
    data.setInt(row, 3, m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM acilis_ekran"), {}, 0).toInt());
    data.setDouble(row, 4, m_store.scalar(QStringLiteral(
        "SELECT SUM(KALAN) FROM siparis_satir WHERE CARINO = ? AND KALAN > 0"), {carino}, 0.0).toDouble());
    data.first();
    return data;
}

QString ServerMethods1::CariVadeGunGecmismiBul(int carino)
{
    requireCustomer(carino);
    const int term = m_store.scalar(QStringLiteral("SELECT VADE FROM cari WHERE CARINO = ?"), {carino}, 0).toInt();
    const double balance = customerBalance(carino);
    const QString since = vorpa::dates::toText(QDate::currentDate().addDays(-term));
    const double recent = m_store.scalar(QStringLiteral(
        "SELECT SUM(BORC) FROM cari_hareket WHERE CARINO = ? AND TARIH >= ?"), {carino, since}, 0.0).toDouble();
    // What is owed beyond the debts of the last term days has passed its due date.
    const double overdue = vorpa::text::roundMoney(balance - recent);
    if (overdue < 0.01)
        return QString();
    return QStringLiteral("Vadesi %1 günü geçmiş %2 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.")
        .arg(term)
        .arg(vorpa::text::formatMoney(overdue));
}

int ServerMethods1::AcilisReklamAdet()
{
    return m_store.scalar(QStringLiteral("SELECT COUNT(*) FROM acilis_ekran"), {}, 0).toInt();
}

std::unique_ptr<TAcilisEkran> ServerMethods1::AcilisREklamVer(int sira)
{
    if (sira < 0)
        refuse(QStringLiteral("Geçersiz reklam sırası (%1).").arg(sira));
    QSqlQuery q = m_store.run(QStringLiteral(
        "SELECT SIRANO, RESIM, BASLIK, ARAMA FROM acilis_ekran ORDER BY SIRANO LIMIT 1 OFFSET ?"), {sira});
    if (!q.next())
        refuse(QStringLiteral("Reklam bulunamadı (%1).").arg(sira));
    auto entry = std::make_unique<TAcilisEkran>();
    entry->setSiraNo(q.value(0).toInt());
    entry->setResim(EncodePictureText(q.value(1).toByteArray()));
    entry->setBaslik(q.value(2).toString());
    entry->setArama(q.value(3).toString());
    return entry;
}
