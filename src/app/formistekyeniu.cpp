#include "formistekyeniu.h"

#include "utils.h"

#include "ui_formistekyeniu.h"

#include <QUrl>

Tformistekyeni::Tformistekyeni(QWidget *AOwner)
    : QDialog(AOwner)
    , ui(std::make_unique<Ui::Tformistekyeni>())
{
    ui->setupUi(this);
    resize(780, 555);
    connect(ui->Button1, &QPushButton::clicked, this, &Tformistekyeni::Button1Click);
    connect(ui->tarayicidaAc, &QPushButton::clicked, this, &Tformistekyeni::OpenInBrowser);
    connect(ui->adres, &QLabel::linkActivated, this, &Tformistekyeni::OpenInBrowser);
}

Tformistekyeni::~Tformistekyeni() = default;

QString Tformistekyeni::AccessRequestAddress(const QString &webRoot, const QString &workstationId)
{
    // An identifier holding "&" or "#" would otherwise cut the address short.
    return webRoot + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=")
           + QString::fromLatin1(QUrl::toPercentEncoding(workstationId));
}

void Tformistekyeni::Navigate(const QString &address)
{
    FAddress = address;
    ui->adres->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(address.toHtmlEscaped()));
    OpenInBrowser();
}

void Tformistekyeni::OpenInBrowser()
{
    if (!FAddress.isEmpty())
        vorpa::ShellOpen(FAddress);
}

void Tformistekyeni::Button1Click()
{
    close();
}

void Tformistekyeni::showEvent(QShowEvent *event)
{
    vorpa::CentreOnScreen(this);
    QDialog::showEvent(event);
}
