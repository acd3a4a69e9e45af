#include "WebSite.h"

#include "DateText.h"
#include "Store.h"
#include "TextRules.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QUrlQuery>

#include <exception>

namespace vorpa {

namespace {

using Status = QHttpServerResponder::StatusCode;

QByteArray page(const QString &title, const QString &body)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\"><title>%1</title>"
               "<style>body{font-family:Tahoma,Arial,sans-serif;margin:2em;color:#434c58}"
               "h1{color:#e20a17}table{border-collapse:collapse}td{padding:4px 10px}"
               "input,textarea{width:22em}</style></head>\n<body><h1>%1</h1>\n%2\n</body></html>\n")
        .arg(text::htmlEscaped(title), body)
        .toUtf8();
}

QHttpServerResponse htmlResponse(const QString &title, const QString &body, Status status = Status::Ok)
{
    return QHttpServerResponse(QByteArrayLiteral("text/html; charset=utf-8"), page(title, body), status);
}

QHttpServerResponse notFound(const QString &what)
{
    return htmlResponse(QStringLiteral("Bulunamadı"), QStringLiteral("<p>%1</p>").arg(text::htmlEscaped(what)),
                        Status::NotFound);
}

QString queryValue(const QUrlQuery &query, const char *key)
{
    return query.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

/// A form body (application/x-www-form-urlencoded), where "+" stands for a blank.
QUrlQuery formBody(const QByteArray &body)
{
    QByteArray text = body;
    text.replace('+', ' ');
    return QUrlQuery(QString::fromUtf8(text));
}

} // namespace

WebSite::WebSite(Store &store, const QString &setupFile)
    : m_store(store)
    , m_setupFile(setupFile)
    , m_server(std::make_unique<QHttpServer>())
{
    addRoutes();
}

WebSite::~WebSite() = default;

quint16 WebSite::listen(const QHostAddress &address, quint16 port)
{
    return m_server->listen(address, port);
}

void WebSite::addRoutes()
{
    m_server->route(QStringLiteral("/"), [] {
        return htmlResponse(QStringLiteral("Vorpa Otomotiv"),
                            QStringLiteral("<p>Otomotiv yedek parçada bayilerimizin B2B sipariş kanalı.</p>"
                                           "<ul><li><a href=\"/exe/VorpaSetup.exe\">Vorpa B2B Programını İndir</a></li>"
                                           "<li>Telefon: 0212 555 00 00</li><li>E-posta: b2b@vorpaotomotiv.com.tr</li></ul>"));
    });

    m_server->route(QStringLiteral("/resimgoster.ashx"), [this](const QHttpServerRequest &request) {
        bool ok = false;
        const int id = queryValue(request.query(), "id").trimmed().toInt(&ok);
        if (!ok || id <= 0)
            return notFound(QStringLiteral("Geçersiz stok numarası."));
        try {
            const QByteArray jpeg = m_store.scalar(QStringLiteral("SELECT RESIM FROM stok_resim WHERE STOKNO = ?"), {id}).toByteArray();
            if (jpeg.isEmpty())
                return notFound(QStringLiteral("Bu stok için resim bulunamadı."));
            return QHttpServerResponse(QByteArrayLiteral("image/jpeg"), jpeg);
        } catch (const std::exception &e) {
            return htmlResponse(QStringLiteral("Hata"), text::htmlEscaped(QString::fromUtf8(e.what())),
                                Status::InternalServerError);
        }
    });

    m_server->route(QStringLiteral("/tesvarkart.html"), [](const QHttpServerRequest &request) {
        const QUrlQuery query = request.query();
        const QString rows = QStringLiteral(
            "<table><tr><td>Cari No:</td><td>%1</td></tr><tr><td>Şube:</td><td>%2</td></tr>"
            "<tr><td>Firma:</td><td>%3</td></tr><tr><td>Bakiye:</td><td>%4 TL</td></tr></table>")
            .arg(text::htmlEscaped(queryValue(query, "carino")), text::htmlEscaped(queryValue(query, "sube")),
                 text::htmlEscaped(queryValue(query, "firmasi")), text::htmlEscaped(queryValue(query, "bakiye")));
        return htmlResponse(QStringLiteral("Kredi Kartı ile Ödeme"),
                            rows + QStringLiteral("<p>Ödemeniz bankamızın güvenli sanal pos sayfası üzerinden alınır;"
                                                  " kart bilgileriniz firmamızda saklanmaz.</p>"));
    });

    m_server->route(QStringLiteral("/formmailgonder.aspx"), [this](const QHttpServerRequest &request) {
        const QUrlQuery query = request.query();
        const QString id = queryValue(query, "id").trimmed();
        if (request.method() == QHttpServerRequest::Method::Post) {
            const QUrlQuery form = formBody(request.body());
            const QString station = queryValue(form, "id").trimmed().isEmpty() ? id : queryValue(form, "id").trimmed();
            const QString firm = queryValue(form, "firma").trimmed();
            const QString contact = queryValue(form, "yetkili").trimmed();
            const QString phone = queryValue(form, "telefon").trimmed();
            const QString mail = queryValue(form, "mail").trimmed();
            const QString message = queryValue(form, "mesaj").trimmed();
            QStringList missing;
            if (station.isEmpty())
                missing << QStringLiteral("Bilgisayar ID");
            if (firm.isEmpty())
                missing << QStringLiteral("Firma Adı");
            if (contact.isEmpty())
                missing << QStringLiteral("Yetkili");
            if (phone.isEmpty())
                missing << QStringLiteral("Telefon");
            if (!missing.isEmpty())
                return htmlResponse(QStringLiteral("Eksik Bilgi"),
                                    QStringLiteral("<p>Lütfen şu alanları doldurunuz: %1</p>")
                                        .arg(text::htmlEscaped(missing.join(QStringLiteral(", ")))),
                                    Status::BadRequest);
            if (station.size() > 120 || firm.size() > 100 || contact.size() > 60 || phone.size() > 30 || mail.size() > 80
                || message.size() > 4000)
                return htmlResponse(QStringLiteral("Hatalı Bilgi"), QStringLiteral("<p>Girilen bilgiler çok uzun.</p>"),
                                    Status::BadRequest);
            try {
                m_store.write([&](QSqlDatabase &db) {
                    Store::run(db, QStringLiteral(
                        "INSERT INTO erisim_istegi (TARIH, BILGISAYARID, FIRMA, YETKILI, TELEFON, MAIL, MESAJ)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?)"), {dates::nowText(), station, firm, contact, phone, mail, message});
                });
            } catch (const std::exception &e) {
                return htmlResponse(QStringLiteral("Hata"), text::htmlEscaped(QString::fromUtf8(e.what())),
                                    Status::InternalServerError);
            }
            return htmlResponse(QStringLiteral("İsteğiniz Alındı"),
                                QStringLiteral("<p>Erişim isteğiniz kaydedildi. Satış temsilcimiz en kısa sürede"
                                               " sizinle iletişime geçecektir.</p>"));
        }
        const QString form = QStringLiteral(
            "<p>Bu bilgisayar henüz tanımlı değil. Erişim için bilgilerinizi gönderiniz.</p>"
            "<form method=\"post\" action=\"/formmailgonder.aspx?id=%1\">"
            "<input type=\"hidden\" name=\"id\" value=\"%1\"><table>"
            "<tr><td>Bilgisayar ID:</td><td>%1</td></tr>"
            "<tr><td>Firma Adı:</td><td><input name=\"firma\"></td></tr>"
            "<tr><td>Yetkili:</td><td><input name=\"yetkili\"></td></tr>"
            "<tr><td>Telefon:</td><td><input name=\"telefon\"></td></tr>"
            "<tr><td>E-posta:</td><td><input name=\"mail\"></td></tr>"
            "<tr><td>Mesaj:</td><td><textarea name=\"mesaj\" rows=\"4\"></textarea></td></tr>"
            "</table><p><button type=\"submit\">Gönder</button></p></form>")
            .arg(text::htmlEscaped(id));
        return htmlResponse(QStringLiteral("Vorpa Otomotiv B2B İstek Formu"), form);
    });

    m_server->route(QStringLiteral("/exe/VorpaSetup.exe"), [this] {
        if (m_setupFile.isEmpty())
            return notFound(QStringLiteral("Kurulum dosyası bulunamadı."));
        QFile file(m_setupFile);
        if (!file.open(QIODevice::ReadOnly))
            return notFound(QStringLiteral("Kurulum dosyası bulunamadı."));
        return QHttpServerResponse(QByteArrayLiteral("application/octet-stream"), file.readAll());
    });

    m_server->setMissingHandler([](const QHttpServerRequest &, QHttpServerResponder &&responder) {
        responder.write(page(QStringLiteral("Bulunamadı"), QStringLiteral("<p>Aradığınız sayfa bulunamadı.</p>")),
                        QByteArrayLiteral("text/html; charset=utf-8"), Status::NotFound);
    });
}

} // namespace vorpa
