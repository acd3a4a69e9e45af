#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class TSonucBilgisi;

namespace vorpa {
class DSConnection;
}

namespace Ui {
class Tgirisform;
}

// The login window: fetches this workstation's session record from the server, checks version,
// workstation, name, password and the active flag, remembers the login in ayar.ini and lets staff
// choose their customer. Returns 1 when the program may go on.
class Tgirisform : public QDialog
{
    Q_OBJECT

public:
    // The client's own version; the server names the version it expects.
    static constexpr int ClientVersion = 5;

    Tgirisform(QWidget *parent, vorpa::DSConnection &bagim, TSonucBilgisi &Bilgim);
    ~Tgirisform() override;

    // Path of the remembered login.
    static QString SettingsFileName();

    void LoadCredentials();
    void SaveCredentials();

    void Button1Click();
    void Button2Click();
    void Devamet(const QString &address);
    static QString ExternalIpAddress();

    QString idsi;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool adiKeyDown();
    bool sifreKeyDown();
    void ShowChecks(bool dogrusonuc);
    void Reset();
    bool ChooseCustomer();
    void RunUpdate();
    void ShowAccessRequest(const QString &webRoot);
    void SetBusy(bool busy);

    std::unique_ptr<Ui::Tgirisform> ui;
    vorpa::DSConnection *bagim;
    TSonucBilgisi *Bilgim;
};
