#pragma once

#include "ImageControl.h"

#include <QList>
#include <QPointer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// A picture control that downloads its picture over HTTP in the background from the address in
// Url and keeps what it showed until a picture of an accepted type arrives.
class TAsyncResim : public vorpa::ImageControl
{
    Q_OBJECT
    Q_PROPERTY(QString Url READ Url WRITE setUrl)

public:
    explicit TAsyncResim(QWidget *AOwner = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return FUrl; }
    // A new non-empty address starts one more download at once; the same address never reloads.
    void setUrl(const QString &url);

    // The image format chosen from a Content-Type value ("PNG", "BMP", "JPEG"), or empty: the first
    // six characters are dropped whatever they are, the rest must match as a whole, in any case.
    static QByteArray FormatFromContentType(const QString &contentType);

    // Downloads started and not yet completed.
    int runningDownloads() const;

private:
    void Geldi(QNetworkReply *reply);

    QString FUrl;
    std::unique_ptr<QNetworkAccessManager> FHTTPClient;
    QList<QPointer<QNetworkReply>> FRequests;
    // Set once the control is being destroyed: from then on no completion may touch it.
    bool iptal = false;
};
