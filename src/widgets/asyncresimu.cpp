#include "asyncresimu.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
// A server that stops answering must not keep a download alive for ever.
constexpr int TransferTimeoutMs = 60000;
} // namespace

TAsyncResim::TAsyncResim(QWidget *AOwner)
    : vorpa::ImageControl(AOwner)
    , FHTTPClient(std::make_unique<QNetworkAccessManager>())
{
    setStretch(true);
    setProportional(true);
    setCenter(true);
    setTransparent(true);
}

TAsyncResim::~TAsyncResim()
{
    // Nothing that completes from now on may reach this control.
    iptal = true;
    for (const QPointer<QNetworkReply> &reply : std::as_const(FRequests)) {
        if (reply) {
            disconnect(reply, nullptr, this, nullptr);
            reply->abort();
        }
    }
    FHTTPClient.reset();
}

void TAsyncResim::setUrl(const QString &url)
{
    if (url == FUrl)
        return;
    FUrl = url;
    if (FUrl.isEmpty())
        return;
    QNetworkRequest request{QUrl(FUrl)};
    request.setTransferTimeout(TransferTimeoutMs);
    QNetworkReply *reply = FHTTPClient->get(request);
    FRequests.append(reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Geldi(reply); });
}

int TAsyncResim::runningDownloads() const
{
    int running = 0;
    for (const QPointer<QNetworkReply> &reply : FRequests) {
        if (reply && reply->isRunning())
            ++running;
    }
    return running;
}

QByteArray TAsyncResim::FormatFromContentType(const QString &contentType)
{
    const QString kind = contentType.mid(6).toLower();
    if (kind == QLatin1String("png"))
        return "PNG";
    if (kind == QLatin1String("bmp"))
        return "BMP";
    if (kind == QLatin1String("jpeg") || kind == QLatin1String("jpg"))
        return "JPEG";
    return {};
}

void TAsyncResim::Geldi(QNetworkReply *reply)
{
    FRequests.removeAll(reply);
    reply->deleteLater();
    // Without a response (refused, unresolved, timed out, aborted) nothing changes.
    if (iptal || !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return;
    const QByteArray body = reply->readAll();
    if (body.isEmpty())
        return;
    const QByteArray format =
        FormatFromContentType(QString::fromLatin1(reply->rawHeader(QByteArrayLiteral("Content-Type"))));
    if (format.isEmpty())
        return;
    QImage image;
    if (!image.loadFromData(body, format.constData()))
        return;
    setPicture(QPixmap::fromImage(image));
}
