#include "Unit1.h"

#include "app/ClientOptions.h"
#include "DataGrid.h"
#include "GridIcons.h"
#include "Marquee.h"
#include "OpeningAdvertisement.h"
#include "ReportErrors.h"
#include "RoleRules.h"
#include "SearchFieldInput.h"
#include "StartupFeeds.h"
#include "StockListTab.h"
#include "gifresim.h"
#include "app/girisformu.h"
#include "staff/seccariu.h"
#include "utils.h"

#include "ui_Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QTabBar>

// The window's pictures live in the static windows library, which the linker would otherwise drop.
static void initialiseMainWindowResources()
{
    Q_INIT_RESOURCE(anapencere);
}

namespace {

// The general menu's 48 × 48 icon: three bars in the window's dark slate.
QIcon menuIcon()
{
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(61, 65, 74));
    for (int bar = 0; bar < 3; ++bar)
        painter.drawRoundedRect(QRectF(8, 11 + bar * 11, 32, 5), 2.5, 2.5);
    return QIcon(picture);
}

// The legend of the stock status icons, in the order the legend shows them.
struct LegendEntry {
    QIcon icon;
    const char *caption;
};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TForm1>())
    , FSbilgi(std::make_unique<TSonucBilgisi>())
    , FBagc(std::make_unique<vorpa::DSConnection>())
{
    initialiseMainWindowResources();
    ui->setupUi(this);
    FBasket = std::make_unique<vorpa::BasketLines>(this, *FBagc, *FSbilgi, sepet);
    BuildControls();
    BuildLegend();
    FStockList = new vorpa::StockListTab({this, ui->sPageControl1, ui->sstoklistesi, ui->araedit, ui->gifstokara,
                                          ui->SpeedButton2, ui->SpeedButton1},
                                         *FBagc, *FSbilgi, stok, *FBasket, this);
    FFeeds = new vorpa::StartupFeeds({ui->kullanicilbl, ui->cariadilbl, ui->saticilbl, ui->kayanyazi,
                                      ui->RxGIFAnimator2, ui->Panel5, ui->RealTimeMarquee1, ui->Image3,
                                      ui->sPageControl1, ui->ssepet, ui->syeniler, ui->skampanyali,
                                      ui->sTabSheetduyuru, ui->sTabbakiyeler},
                                     *FBagc, *FSbilgi, _acilisadet, this);
    connect(ui->musteritus, &QPushButton::clicked, this, &TForm1::musteritusClick);
    BuildGeneralMenu();
    ui->sPageControl1->setCurrentWidget(ui->sstoklistesi);
    ui->araedit->setFocus();
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

QTabWidget *TForm1::sPageControl1() const
{
    return ui->sPageControl1;
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    SetTitles();
    FillWorkstationPart();
    PointConnectionAtServer();
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

void TForm1::BuildControls()
{
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    windowFont.setBold(true);
    ui->centralwidget->setFont(windowFont);

    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/anapencere/logo.png")));
    ui->GifResim1->loadPictureFile(QStringLiteral(":/anapencere/tekerlek.gif"));
    ui->GifResim1->setCenter(true);
    ui->GifResim1->setAnimate(true);
    ui->Button3->setIcon(menuIcon());
    ui->RxGIFAnimator2->setCenter(true);

    ui->aramaIkon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));
    QFont searchFont(QStringLiteral("Tahoma"));
    searchFont.setPixelSize(20);
    searchFont.setBold(false);
    ui->araedit->setFont(searchFont);
    new vorpa::SearchFieldInput(ui->araedit);
    ui->SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    ui->SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    for (TGifResim *busy : {ui->gifstokara, ui->gifyeniler, ui->gifkampanyali, ui->gifduyuru, ui->gifoncekiler,
                            ui->gifsepet, ui->gifekstre}) {
        busy->loadPictureFile(QStringLiteral(":/anapencere/bekle.gif"));
        busy->setCenter(true);
        busy->setAnimate(true);
        busy->hide();
    }

    QTabWidget *tabs = ui->sPageControl1;
    tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 120px; min-height: 45px; }"));
    tabs->setIconSize(QSize(24, 24));
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_FileDialogContentsView, QStyle::SP_DriveHDIcon,      QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogListView,     QStyle::SP_FileDialogNewFolder, QStyle::SP_DialogApplyButton,
        QStyle::SP_MessageBoxInformation,  QStyle::SP_BrowserReload,    QStyle::SP_DialogSaveButton,
    };
    for (int i = 0; i < tabs->count() && i < int(std::size(icons)); ++i)
        tabs->setTabIcon(i, style()->standardIcon(icons[i]));

    QFont marqueeFont(QStringLiteral("Arial"));
    marqueeFont.setPixelSize(24);
    ui->kayanyazi->setFont(marqueeFont);
    ui->kayanyazi->setItemSpacing(5);
}

void TForm1::BuildLegend()
{
    auto *layout = new QHBoxLayout(ui->durumPanel);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(2);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    const QString colour = QStringLiteral("color: rgb(67, 76, 88);");
    auto addText = [&](const QString &text) {
        auto *label = new QLabel(text, ui->durumPanel);
        label->setFont(font);
        label->setStyleSheet(colour);
        layout->addWidget(label);
    };
    addText(QStringLiteral("Durum Açıklaması:    "));
    const LegendEntry entries[] = {
        {vorpa::StockStatusIcon(1), " Stok mevcut  "},      {vorpa::StockCriticalLevelIcon(), " Kritik Seviye "},
        {vorpa::StockStatusIcon(2), " Telefon Açınız  "},   {vorpa::StockStatusIcon(3), " Yolda  "},
        {vorpa::StockStatusIcon(5), " Tedarik Sürecinde "}, {vorpa::StockStatusIcon(4), " Özel Sipariş  "},
        {vorpa::StockStatusIcon(0), " Yok  "},
    };
    for (const LegendEntry &entry : entries) {
        auto *icon = new QLabel(ui->durumPanel);
        icon->setPixmap(entry.icon.pixmap(18, 18));
        layout->addWidget(icon);
        addText(QString::fromUtf8(entry.caption));
    }
    layout->addStretch();
}

void TForm1::BuildGeneralMenu()
{
    const QString webSite = vorpa::ServerEndpoint::current().webRoot;
    ui->W1->setText(webSite);
    connect(ui->W1, &QAction::triggered, this, [this, webSite] {
        vorpa::ShellOpen(webSite);
        ui->araedit->selectAll();
        ui->araedit->setFocus();
    });
    connect(ui->G1, &QAction::triggered, this, &QWidget::close);
    FGeneralMenu = new QMenu(this);
    const QList<QAction *> entries = {ui->M1, ui->N4, ui->W1, ui->G1, ui->R1};
    for (QAction *entry : entries) {
        if (entry != entries.first())
            FGeneralMenu->addSeparator();
        FGeneralMenu->addAction(entry);
    }
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
    vorpa::RoleRules::apply(FSbilgi->MusteriTipi(),
                            {ui->musteritus, ui->R1, ui->sPageControl1, ui->skampanyali, FStockList->cxGrid1(),
                             nullptr, nullptr, nullptr});
}

void TForm1::StartFeeds()
{
    FFeeds->Start([this] { AcilisReklaminiGoster(); });
}

void TForm1::AnaBilgiAl()
{
    FFeeds->AnaBilgiAl();
}

void TForm1::AcilisReklaminiGoster()
{
    vorpa::OpeningAdvertisement::Goster(
        this, _acilisadet, *FBagc, *FSbilgi,
        {[this] { ui->sPageControl1->setCurrentWidget(ui->skampanyali); },
         [this] { ui->sPageControl1->setCurrentWidget(ui->syeniler); },
         [this](const QString &text) { FStockList->AraMetin(text); }});
}

void TForm1::musteritusClick()
{
    {
        Tseccari seccari(this);
        seccari.bag = FBagc.get();
        seccari.bilgim = FSbilgi.get();
        seccari.SepetSayisiYaz();
        seccari.TusSonuclari();
        seccari.exec();
    }
    AnaBilgiAl();
    SepetiYenile();
    FStockList->CariDegisti();
}

bool TForm1::SepetiYenile()
{
    bool reloaded = false;
    vorpa::ReportErrors([this, &reloaded] { reloaded = FBasket->SepetiYenile(); });
    return reloaded;
}

void TForm1::SatirEkle(vorpa::DataSet &source, double miktar, double fiyat, double ind1, double ind2, double ind3,
                       double ind4)
{
    vorpa::ReportErrors([&] { FBasket->SatirEkle(source, miktar, fiyat, ind1, ind2, ind3, ind4); });
}

void TForm1::SatirGuncelle(int sirano, double miktar, double fiyat)
{
    vorpa::ReportErrors([&] { FBasket->SatirGuncelle(sirano, miktar, fiyat); });
}

void TForm1::SepetSatiriAc(int sirano)
{
    vorpa::ReportErrors([&] { FBasket->SepetSatiriAc(sirano); });
}

void TForm1::StokResmiAl(int stokno, vorpa::ImageControl *picture)
{
    FBasket->StokResmiAl(stokno, picture);
}

void TForm1::StokSatiriAc(int stokno)
{
    if (!stok.locate(QStringLiteral("STOK_STOKNO"), stokno))
        return;
    vorpa::ReportErrors([this] { FBasket->YeniSatirAc(stok, true); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->ignore();
    const int answer = ShowTurkishMessage(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"),
                                          vorpa::MessageKind::Confirmation, vorpa::YesNoButtons,
                                          vorpa::MessageButton::Yes);
    if (answer == vorpa::ModalResult::Yes)
        vorpa::EndProcess(0);
}
