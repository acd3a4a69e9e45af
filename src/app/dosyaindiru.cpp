#include "dosyaindiru.h"

#include "app/ClientOptions.h"
#include "utils.h"

#include "ui_dosyaindiru.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {
constexpr int ClientVersion = 5;
constexpr int TimeoutMs = 60000;
} // namespace

Tdosyaindir::Tdosyaindir(QWidget *AOwner, int _y)
    : QDialog(AOwner, Qt::Tool)
    , ui(std::make_unique<Ui::Tdosyaindir>())
    , NetHTTPClient1(std::make_unique<QNetworkAccessManager>())
{
    ui->setupUi(this);
    ui->sLabel1->setText(QStringLiteral("Vorpa Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                                        "Lütfen Bekleyiniz...!\r\nVersion: %1-%2")
                             .arg(_y)
                             .arg(ClientVersion));

    NetHTTPRequest1.setUrl(SetupUrl(vorpa::ServerEndpoint::current().webRoot));
    NetHTTPRequest1.setRawHeader(
        "Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    NetHTTPRequest1.setRawHeader("Accept-Encoding", "gzip, deflate");
    NetHTTPRequest1.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    NetHTTPRequest1.setRawHeader("User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                                               "(KHTML, like Gecko) Chrome/60.0.3112.32 Safari/537.36");
    NetHTTPRequest1.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                 QNetworkRequest::NoLessSafeRedirectPolicy);
    NetHTTPRequest1.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    NetHTTPRequest1.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    NetHTTPRequest1.setTransferTimeout(TimeoutMs);
    basladi = false;
}

Tdosyaindir::~Tdosyaindir()
{
    if (FReply) {
        FReply->disconnect(this);
        FReply->abort();
    }
}

std::unique_ptr<Tdosyaindir> Tdosyaindir::Yeni(QWidget *AOwner, int _y)
{
    return std::make_unique<Tdosyaindir>(AOwner, _y);
}

QString Tdosyaindir::SetupFileName()
{
    return vorpa::LocalAppDataFolder() + QStringLiteral("/VorpaSetup.exe");
}

QUrl Tdosyaindir::SetupUrl(const QString &webRoot)
{
    return QUrl(webRoot).resolved(QUrl(QStringLiteral("/exe/VorpaSetup.exe")));
}

QString Tdosyaindir::ProgressText(qint64 readCount, qint64 contentLength)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double percent = double(readCount) / double(contentLength) * 100.0;
    const auto megabytes = [&](qint64 bytes) { return locale.toString(double(bytes) / 1024.0 / 1024.0, 'f', 2); };
    return QStringLiteral("Bilgi: %") + locale.toString(percent, 'f', 2) + QStringLiteral("  İndirilen: ")
           + megabytes(readCount) + u'/' + megabytes(contentLength) + QStringLiteral(" Mb");
}

bool Tdosyaindir::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        DownloadSetup();
    return QDialog::event(event);
}

void Tdosyaindir::showEvent(QShowEvent *event)
{
    vorpa::CentreOnScreen(this);
    QDialog::showEvent(event);
    // Not every window system activates a window that is shown; the download must start anyway.
    QTimer::singleShot(0, this, &Tdosyaindir::DownloadSetup);
}

void Tdosyaindir::DownloadSetup()
{
    if (basladi)
        return;
    basladi = true;
    QFile::remove(SetupFileName());
    FReply = NetHTTPClient1->get(NetHTTPRequest1);
    connect(FReply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { NetHTTPClient1ReceiveData(received, total); });
    connect(FReply, &QNetworkReply::finished, this, [this, reply = FReply.data()] { Downloaded(reply); });
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 AReadCount, qint64 AContentLength)
{
    if (AContentLength <= 0)
        return;
    ui->bilgi->setText(ProgressText(AReadCount, AContentLength));
    const auto clamp = [](qint64 value) { return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max())); };
    ui->ProgressBar1->setMaximum(clamp(AContentLength));
    ui->ProgressBar1->setValue(clamp(AReadCount));
}

void Tdosyaindir::Downloaded(QNetworkReply *reply)
{
    reply->deleteLater();
    // Whatever answer arrived is saved and started, error pages included; only a missing answer
    // is a failure.
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        NetHTTPClient1RequestError(reply->errorString());
        return;
    }
    const QString fileName = SetupFileName();
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly)
                       && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
                       && file.write(reply->readAll()) >= 0 && file.commit();
    if (!saved) {
        // A half-written setup must never be started.
        NetHTTPClient1RequestError(file.errorString());
        return;
    }
    StartSetup(fileName);
}

void Tdosyaindir::StartSetup(const QString &fileName)
{
    vorpa::ShellOpen(fileName, {QStringLiteral("/silent")});
    vorpa::EndProcess(0);
    done(QDialog::Rejected);
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &AError)
{
    vorpa::ShowPlatformMessage(QStringLiteral("Hata Oluştu !\r\nHata: ") + AError, vorpa::MessageKind::Error);
    vorpa::EndProcess(0);
    done(QDialog::Rejected);
}
