#pragma once

#include <QDialog>
#include <QNetworkRequest>
#include <QPointer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace vorpa {
class DSConnection;
}

namespace Ui {
class Tdosyaindir;
}

// The update window: downloads the new setup program once, with its progress shown, starts it
// silently and ends the program; a failed download is reported and ends the program as well.
class Tdosyaindir : public QDialog
{
    Q_OBJECT

public:
    Tdosyaindir(QWidget *AOwner, int _y);
    ~Tdosyaindir() override;

    static std::unique_ptr<Tdosyaindir> Yeni(QWidget *AOwner, int _y);

    // Where the setup program is saved.
    static QString SetupFileName();
    // The setup program's address on the server's web side.
    static QUrl SetupUrl(const QString &webRoot);
    // The progress line for the bytes read of the announced length, in the user's number settings.
    static QString ProgressText(qint64 readCount, qint64 contentLength);

    // The login's connection; the download does not use it.
    vorpa::DSConnection *bag = nullptr;
    bool basladi = false;

    void DownloadSetup();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void NetHTTPClient1ReceiveData(qint64 AReadCount, qint64 AContentLength);
    void NetHTTPClient1RequestError(const QString &AError);
    void Downloaded(QNetworkReply *reply);
    void StartSetup(const QString &fileName);

    std::unique_ptr<Ui::Tdosyaindir> ui;
    std::unique_ptr<QNetworkAccessManager> NetHTTPClient1;
    QNetworkRequest NetHTTPRequest1;
    QPointer<QNetworkReply> FReply;
};
