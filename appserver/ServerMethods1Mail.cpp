#include "ServerMethods1.h"

#include "DateText.h"
#include "Store.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QSqlQuery>

using vorpa::Store;
using vorpa::StoreError;
using vorpa::refuse;

namespace {

constexpr const char *kWholesalerMail = "b2b@vorpaotomotiv.com.tr";

QStringList formLines(const QString &firmaadi, const QString &adres1, const QString &adres2, const QString &ilce,
                      const QString &sehir, const QString &telefon, const QString &fax, const QString &vd,
                      const QString &vn, const QString &yetkili, const QString &kullaniciadi, const QString &sifre,
                      const QString &mail, const QString &kargoambar)
{
    const QList<QPair<const char *, QString>> fields = {
        {"Firma Adı", firmaadi}, {"Adres", adres1}, {"Adres2", adres2}, {"İlçe", ilce}, {"Şehir", sehir},
        {"Telefon", telefon}, {"Fax", fax}, {"Vergi Dairesi", vd}, {"Vergi No", vn}, {"Yetkili", yetkili},
        {"Kullanıcı Adı", kullaniciadi}, {"Şifre", sifre}, {"Mail", mail}, {"Kargo Ambar", kargoambar},
    };
    QStringList lines;
    for (const auto &[label, value] : fields) {
        if (value.size() > 500)
            refuse(QStringLiteral("%1 alanı çok uzun (en çok 500 karakter).").arg(QString::fromUtf8(label)));
        lines << QString::fromUtf8(label) + QStringLiteral(": ") + value;
    }
    return lines;
}

} // namespace

std::unique_ptr<TMobilCariBilgisi> ServerMethods1::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    const QString id = _idsi.trimmed();
    QSqlQuery user = id.isEmpty()
        ? m_store.run(QStringLiteral("SELECT SIRANO, ADI, SIFRE, MAIL, CARINO FROM kullanici WHERE SIRANO = ?"), {sirano})
        : m_store.run(QStringLiteral(
              "SELECT u.SIRANO, u.ADI, u.SIFRE, u.MAIL, u.CARINO FROM istasyon i JOIN kullanici u ON u.SIRANO = i.KULLANICINO"
              " WHERE i.BILGISAYARID = ?"), {id});
    if (!user.next())
        return nullptr;
    auto record = std::make_unique<TMobilCariBilgisi>();
    record->setKULLANICIADI(user.value(1).toString());
    record->setSIFRE(user.value(2).toString());
    record->setMAIL(user.value(3).toString());
    record->setBILGISAYARID(id);
    const int carino = user.value(4).toInt();
    QSqlQuery c = m_store.run(QStringLiteral(
        "SELECT c.CARINO, c.CARIKOD, c.CARIADI, c.OZELKOD, c.ANAGRUP, c.ALTGRUP, c.ADRES1, c.ADRES2, c.ILCE, c.TEL1,"
        " c.TEL2, c.FAX1, c.FAX2, c.GSM, c.EMAIL, c.YETKILI, c.IL, c.ULKE, COALESCE(sa.ADI, ''), COALESCE(sa.TELEFON, ''),"
        " COALESCE(sa.MAIL, ''), c.VERGIDAIRESI, c.VERGINO,"
        " (SELECT COALESCE(SUM(BORC), 0) FROM cari_hareket h WHERE h.CARINO = c.CARINO),"
        " (SELECT COALESCE(SUM(ALACAK), 0) FROM cari_hareket h WHERE h.CARINO = c.CARINO)"
        " FROM cari c LEFT JOIN satici sa ON sa.SATICINO = c.SATICINO WHERE c.CARINO = ?"), {carino});
    if (c.next()) {
        record->setCARINO(c.value(0).toInt());
        record->setCARIKOD(c.value(1).toString());
        record->setCARIADI(c.value(2).toString());
        record->setOzelKod(c.value(3).toString());
        record->setAnaGrup(c.value(4).toString());
        record->setAltGrup(c.value(5).toString());
        record->setADRES1(c.value(6).toString());
        record->setADRES2(c.value(7).toString());
        record->setILCE(c.value(8).toString());
        record->setTEL1(c.value(9).toString());
        record->setTEL2(c.value(10).toString());
        record->setFAX1(c.value(11).toString());
        record->setFAX2(c.value(12).toString());
        record->setGSM(c.value(13).toString());
        record->setEMAIL(c.value(14).toString());
        record->setYETKILI(c.value(15).toString());
        record->setSEHIR(c.value(16).toString());
        record->setULKE(c.value(17).toString());
        record->setSATICIADI(c.value(18).toString());
        record->setSATICITELEFON(c.value(19).toString());
        record->setSATICIMAIL(c.value(20).toString());
        record->setVERGIDAIRESI(c.value(21).toString());
        record->setVERGINO(c.value(22).toString());
        const double debit = vorpa::text::roundMoney(c.value(23).toDouble());
        const double credit = vorpa::text::roundMoney(c.value(24).toDouble());
        record->setTLBORC(debit);
        record->setTLALACAK(credit);
        record->setTLBAKIYE(vorpa::text::roundMoney(debit - credit));
    }
    return record;
}

int ServerMethods1::storeMail(const QString &idsi, const QString &baslik, const QStringList &lines)
{
    const QString id = idsi.trimmed();
    if (id.isEmpty() || id.size() > 120)
        refuse(QStringLiteral("Bilgisayar kimliği geçersiz."));
    if (baslik.trimmed().isEmpty())
        refuse(QStringLiteral("Mail başlığı boş olamaz."));
    if (baslik.size() > 200)
        refuse(QStringLiteral("Mail başlığı çok uzun (en çok 200 karakter)."));
    // The mail goes to the customer's salesperson when the workstation is known, else to the B2B desk.
    const QString recipient = m_store.scalar(QStringLiteral(
        "SELECT sa.MAIL FROM istasyon i JOIN kullanici u ON u.SIRANO = i.KULLANICINO JOIN cari c ON c.CARINO = u.CARINO"
        " JOIN satici sa ON sa.SATICINO = c.SATICINO WHERE i.BILGISAYARID = ?"), {id},
        QString::fromLatin1(kWholesalerMail)).toString();
    QStringList body = lines;
    body.prepend(QStringLiteral("Bilgisayar ID: ") + id);
    m_store.write([&](QSqlDatabase &db) {
        Store::run(db, QStringLiteral(
            "INSERT INTO mail_kutusu (TARIH, BILGISAYARID, KIME, BASLIK, GOVDE) VALUES (?, ?, ?, ?, ?)"),
            {vorpa::dates::nowText(), id, recipient, baslik, body.join(u'\n')});
    });
    return 1;
}

int ServerMethods1::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                   const QString &adres1, const QString &adres2, const QString &ilce,
                                   const QString &sehir, const QString &telefon, const QString &fax, const QString &vd,
                                   const QString &vn, const QString &yetkili, const QString &kullaniciadi,
                                   const QString &sifre, const QString &mail, const QString &kargoambar)
{
    return storeMail(idsi, baslik, formLines(firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                                             kullaniciadi, sifre, mail, kargoambar));
}

int ServerMethods1::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                         const QString &adres1, const QString &adres2, const QString &ilce,
                                         const QString &sehir, const QString &telefon, const QString &fax,
                                         const QString &vd, const QString &vn, const QString &yetkili,
                                         const QString &kullaniciadi, const QString &sifre, const QString &mail,
                                         const QString &kargoambar, const QString &konu)
{
    if (konu.trimmed().isEmpty())
        refuse(QStringLiteral("Mail metni boş olamaz."));
    if (konu.size() > 20000)
        refuse(QStringLiteral("Mail metni çok uzun (en çok 20000 karakter)."));
    QStringList lines = formLines(firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi,
                                  sifre, mail, kargoambar);
    lines << QString() << QStringLiteral("Mesaj:") << konu;
    return storeMail(idsi, baslik, lines);
}
