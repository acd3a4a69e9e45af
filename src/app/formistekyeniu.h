#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class Tformistekyeni;
}

// The access request window for a workstation the server does not know: it shows the server's
// request form address, carrying the workstation identifier, and opens it in the system's browser.
class Tformistekyeni : public QDialog
{
    Q_OBJECT

public:
    explicit Tformistekyeni(QWidget *AOwner = nullptr);
    ~Tformistekyeni() override;

    // The request form's address: always customer 0, a blank user and this workstation's identifier.
    static QString AccessRequestAddress(const QString &webRoot, const QString &workstationId);

    // Shows the address and opens it in the browser.
    void Navigate(const QString &address);
    QString address() const { return FAddress; }

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OpenInBrowser();

    std::unique_ptr<Ui::Tformistekyeni> ui;
    QString FAddress;
};
