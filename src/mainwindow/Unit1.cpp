#include "Unit1.h"

#include "app/ClientOptions.h"
#include "app/girisformu.h"
#include "utils.h"

#include "ui_Unit1.h"

#include <QApplication>
#include <QFont>
#include <QMenu>

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TForm1>())
    , FSbilgi(std::make_unique<TSonucBilgisi>())
    , FBagc(std::make_unique<vorpa::DSConnection>())
{
    ui->setupUi(this);
}

TForm1::~TForm1() = default;

QString TForm1::applicationTitle()
{
    return QStringLiteral("Vorpa Otomotiv B2B");
}

QString TForm1::windowCaption()
{
    return QStringLiteral("Vorpa Otomotiv B2B Programı");
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    SetTitles();
    FillWorkstationPart();
    PointConnectionAtServer();
    BuildGeneralMenu();
    if (!LoginAndApplyRole())
        return false;
    StartFeeds();
    return true;
}

void TForm1::SetTitles()
{
    QCoreApplication::setApplicationName(windowCaption());
    setWindowTitle(windowCaption());
    QFont messageFont = QApplication::font("QMessageBox");
    messageFont.setPointSize(15);
    QApplication::setFont(messageFont, "QMessageBox");
    QCoreApplication::setApplicationName(applicationTitle());
}

void TForm1::FillWorkstationPart()
{
    FSbilgi->setBilgiSayarAdi(ComputerName());
    FSbilgi->setBilgisayarKullanici(WindowsUserName());
    FSbilgi->setIcip(LocalIpAddress());
    FSbilgi->setBILGISAYARID(WorkstationId());
}

void TForm1::PointConnectionAtServer()
{
    const vorpa::ServerEndpoint &server = vorpa::ServerEndpoint::current();
    FBagc->setHostName(server.host);
    FBagc->setPort(QString::number(server.port));
}

void TForm1::BuildGeneralMenu()
{
    const QString webSite = vorpa::ServerEndpoint::current().webRoot;
    ui->W1->setText(webSite);
    connect(ui->W1, &QAction::triggered, this, [webSite] { vorpa::ShellOpen(webSite); });
    FGeneralMenu = new QMenu(this);
    FGeneralMenu->addAction(ui->W1);
    FGeneralMenu->addSeparator();
    FGeneralMenu->addAction(ui->R1);
    ui->Button3->setMenu(FGeneralMenu);
}

bool TForm1::LoginAndApplyRole()
{
    {
        Tgirisform login(this, *FBagc, *FSbilgi);
        if (login.exec() != vorpa::ModalResult::Ok) {
            vorpa::EndProcess(0);
            return false;
        }
    }
    if (FSbilgi->Disip().trimmed().isEmpty()) {
        vorpa::EndProcess(0);
        return false;
    }
    ApplyRoleRules();
    return true;
}

void TForm1::ApplyRoleRules()
{
    const int role = FSbilgi->MusteriTipi();
    const bool staff = role == 1 || role == 2;
    ui->musteritus->setVisible(staff);
    ui->R1->setVisible(staff);
}

void TForm1::StartFeeds()
{
    // The header texts, banners, scrolling text and tab counters arrive with the window's tabs;
    // until then there is nothing to fetch.
}
