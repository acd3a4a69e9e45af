#include "AdminCommands.h"

#include "DateText.h"
#include "Store.h"
#include "StoreError.h"

#include <QLocale>
#include <QSqlQuery>

namespace vorpa {

namespace {

/// The login window turns everything typed into upper case under Turkish rules, so names and
/// passwords are stored that way to be matchable at all.
QString asTyped(const QString &text)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toUpper(text.trimmed());
}

int requireNumber(const QString &text, const char *option)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        refuse(QStringLiteral("--%1 bir sayı olmalıdır.").arg(QString::fromLatin1(option)));
    return value;
}

} // namespace

bool AdminCommands::isCommand(const QString &name)
{
    static const QStringList commands = {QStringLiteral("register-workstation"), QStringLiteral("add-user"),
                                         QStringLiteral("list-users"), QStringLiteral("outbox"),
                                         QStringLiteral("access-requests")};
    return commands.contains(name);
}

int AdminCommands::run(const QString &command, const Arguments &args, Store &store, QTextStream &out, QTextStream &err)
{
    try {
        if (command == QLatin1String("register-workstation"))
            registerWorkstation(args, store, out);
        else if (command == QLatin1String("add-user"))
            addUser(args, store, out);
        else if (command == QLatin1String("list-users"))
            listUsers(store, out);
        else if (command == QLatin1String("outbox"))
            outbox(store, out);
        else if (command == QLatin1String("access-requests"))
            accessRequests(store, out);
        else
            refuse(QStringLiteral("Bilinmeyen komut: %1").arg(command));
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
    return 0;
}

void AdminCommands::registerWorkstation(const Arguments &args, Store &store, QTextStream &out)
{
    const QString workstation = args.workstation.trimmed();
    const QString user = asTyped(args.user);
    if (workstation.isEmpty() || workstation.size() > 120)
        refuse(QStringLiteral("--workstation ile 1 ile 120 karakter arası bir bilgisayar kimliği veriniz."));
    if (user.isEmpty())
        refuse(QStringLiteral("--user ile bir kullanıcı adı veriniz."));
    store.write([&](QSqlDatabase &db) {
        const QVariant userNo = Store::scalar(db, QStringLiteral("SELECT SIRANO FROM kullanici WHERE ADI = ?"), {user});
        if (!userNo.isValid())
            refuse(QStringLiteral("Kullanıcı bulunamadı: %1").arg(user));
        Store::run(db, QStringLiteral("DELETE FROM istasyon WHERE BILGISAYARID = ?"), {workstation});
        Store::run(db, QStringLiteral("INSERT INTO istasyon (BILGISAYARID, KULLANICINO, KAYITTARIHI) VALUES (?, ?, ?)"),
                   {workstation, userNo, dates::nowText()});
    });
    out << QStringLiteral("%1 bilgisayarı %2 kullanıcısına tanımlandı.").arg(workstation, user) << Qt::endl;
}

void AdminCommands::addUser(const Arguments &args, Store &store, QTextStream &out)
{
    const QString name = asTyped(args.name);
    const QString password = asTyped(args.password);
    if (name.isEmpty() || name.size() > 40)
        refuse(QStringLiteral("--name ile 1 ile 40 karakter arası bir kullanıcı adı veriniz."));
    if (password.isEmpty() || password.size() > 40)
        refuse(QStringLiteral("--password ile 1 ile 40 karakter arası bir şifre veriniz."));
    const int role = requireNumber(args.role, "role");
    if (role < 0 || role > 4)
        refuse(QStringLiteral("--role 0 ile 4 arasında olmalıdır (1, 2: satış personeli; 0, 3, 4: bayi)."));
    const int customer = args.customer.trimmed().isEmpty() ? 0 : requireNumber(args.customer, "customer");
    const bool staff = role == 1 || role == 2;
    int userNo = 0;
    store.write([&](QSqlDatabase &db) {
        if (!staff && !Store::scalar(db, QStringLiteral("SELECT 1 FROM cari WHERE CARINO = ?"), {customer}).isValid())
            refuse(QStringLiteral("Bayi kullanıcıları için --customer ile var olan bir cari numarası veriniz."));
        if (Store::scalar(db, QStringLiteral("SELECT 1 FROM kullanici WHERE ADI = ?"), {name}).isValid())
            refuse(QStringLiteral("Bu kullanıcı adı zaten var: %1").arg(name));
        QSqlQuery insert = Store::run(db, QStringLiteral(
            "INSERT INTO kullanici (ADI, SIFRE, CARINO, AKTIF, MAIL, MUSTERITIPI, SATICINO) VALUES (?, ?, ?, 1, '', ?, 0)"),
            {name, password, staff ? 0 : customer, role});
        userNo = insert.lastInsertId().toInt();
    });
    out << QStringLiteral("Kullanıcı eklendi: %1 (no %2, rol %3)").arg(name).arg(userNo).arg(role) << Qt::endl;
}

void AdminCommands::listUsers(Store &store, QTextStream &out)
{
    QSqlQuery q = store.run(QStringLiteral(
        "SELECT u.SIRANO, u.ADI, u.MUSTERITIPI, u.CARINO, COALESCE(c.CARIADI, ''), u.AKTIF FROM kullanici u"
        " LEFT JOIN cari c ON c.CARINO = u.CARINO ORDER BY u.SIRANO"));
    out << QStringLiteral("%1  %2 %3 %4  %5").arg(QStringLiteral("No"), -4).arg(QStringLiteral("Kullanıcı"), -12)
               .arg(QStringLiteral("Rol"), -4).arg(QStringLiteral("Aktif"), -6).arg(QStringLiteral("Cari / Bilgisayarlar"))
        << Qt::endl;
    while (q.next()) {
        QStringList stations;
        QSqlQuery s = store.run(QStringLiteral("SELECT BILGISAYARID FROM istasyon WHERE KULLANICINO = ? ORDER BY BILGISAYARID"),
                                {q.value(0)});
        while (s.next())
            stations << s.value(0).toString();
        const QString customer = q.value(3).toInt() > 0
            ? QStringLiteral("%1 %2").arg(q.value(3).toInt()).arg(q.value(4).toString())
            : QStringLiteral("(personel)");
        out << QStringLiteral("%1  %2 %3 %4  %5 [%6]")
                   .arg(q.value(0).toInt(), -4).arg(q.value(1).toString(), -12).arg(q.value(2).toInt(), -4)
                   .arg(q.value(5).toInt() == 1 ? QStringLiteral("evet") : QStringLiteral("hayır"), -6)
                   .arg(customer, stations.join(QStringLiteral(", ")))
            << Qt::endl;
    }
}

void AdminCommands::outbox(Store &store, QTextStream &out)
{
    QSqlQuery q = store.run(QStringLiteral("SELECT SIRANO, TARIH, KIME, BASLIK, GOVDE FROM mail_kutusu ORDER BY SIRANO"));
    int count = 0;
    while (q.next()) {
        ++count;
        out << QStringLiteral("#%1 %2  Kime: %3  Konu: %4").arg(q.value(0).toInt()).arg(q.value(1).toString(),
                                                                  q.value(2).toString(), q.value(3).toString())
            << Qt::endl;
        for (const QString &line : q.value(4).toString().split(u'\n'))
            out << QStringLiteral("    ") << line << Qt::endl;
    }
    if (count == 0)
        out << QStringLiteral("Giden kutusu boş.") << Qt::endl;
}

void AdminCommands::accessRequests(Store &store, QTextStream &out)
{
    QSqlQuery q = store.run(QStringLiteral(
        "SELECT SIRANO, TARIH, BILGISAYARID, FIRMA, YETKILI, TELEFON, MAIL, MESAJ FROM erisim_istegi ORDER BY SIRANO"));
    int count = 0;
    while (q.next()) {
        ++count;
        out << QStringLiteral("#%1 %2  Bilgisayar: %3  Firma: %4  Yetkili: %5  Telefon: %6  Mail: %7")
                   .arg(q.value(0).toInt())
                   .arg(q.value(1).toString(), q.value(2).toString(), q.value(3).toString(), q.value(4).toString(),
                        q.value(5).toString(), q.value(6).toString())
            << Qt::endl;
        if (!q.value(7).toString().isEmpty())
            out << QStringLiteral("    ") << q.value(7).toString() << Qt::endl;
    }
    if (count == 0)
        out << QStringLiteral("Erişim isteği yok.") << Qt::endl;
}

} // namespace vorpa
