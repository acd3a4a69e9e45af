#include "girisformu.h"

#include "app/ClientOptions.h"
#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "app/ExternalAddress.h"
#include "IniFile.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "app/dosyaindiru.h"
#include "app/formistekyeniu.h"
#include "proxim.h"
#include "staff/seccariu.h"
#include "utils.h"

#include "ui_girisformu.h"

#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLocale>
#include <QUrl>
#include <QValidator>

static void initialiseLoginResources()
{
    Q_INIT_RESOURCE(giris);
}

namespace {

const QString Section = QStringLiteral("kullanici");
const QString NameKey = QStringLiteral("isim");
const QString PasswordKey = QStringLiteral("sifre");
const QString RememberKey = QStringLiteral("hatırla");

// Turns every typed letter into upper case (Turkish rules: i → İ, ı → I) as it is typed.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        input = QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(input);
        return Acceptable;
    }
};

// The session fetch of one login attempt, on a pool thread with its own copy of the connection.
bool FetchSession(const vorpa::DSConnection &bagim, TSonucBilgisi &Bilgim, const QString &idsi)
{
    bool fetched = false;
    const std::unique_ptr<vorpa::DSConnection> copy = bagim.CloneConnection();
    if (OpenConnectionWithRetry(*copy, 0)) {
        try {
            TServerMethods1Client proxy(copy.get());
            const TSonucBilgisi *record = proxy.BuyukGetir(idsi);
            if (record) {
                Bilgim.Kopyala(*record);
                fetched = true;
            }
        } catch (const std::exception &) {
            fetched = false;
        }
        copy->Close();
    }
    if (!fetched)
        return false;
    Bilgim.setBilgiSayarAdi(ComputerName());
    Bilgim.setBilgisayarKullanici(WindowsUserName());
    Bilgim.setIcip(LocalIpAddress());
    Bilgim.setBILGISAYARID(WorkstationId());
    Bilgim.setDisip(Tgirisform::ExternalIpAddress());
    return true;
}

} // namespace

Tgirisform::Tgirisform(QWidget *parent, vorpa::DSConnection &bagim, TSonucBilgisi &Bilgim)
    : QDialog(parent, Qt::Tool)
    , ui((initialiseLoginResources(), std::make_unique<Ui::Tgirisform>()))
    , bagim(&bagim)
    , Bilgim(&Bilgim)
{
    ui->setupUi(this);
    // Shown before the main window exists, so it needs a taskbar entry of its own.
    if (!parent)
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *shadow = new QGraphicsDropShadowEffect(ui->RxLabel1);
    shadow->setColor(Qt::white);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    ui->RxLabel1->setGraphicsEffect(shadow);
    ui->adi->setValidator(new UpperCaseValidator(ui->adi));
    ui->sifre->setValidator(new UpperCaseValidator(ui->sifre));
    ui->RxGIFAnimator1->loadPictureFile(QStringLiteral(":/giris/bekle.gif"));
    ui->RxGIFAnimator1->hide();
    ui->adi->installEventFilter(this);
    ui->sifre->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    idsi = WorkstationId();
    LoadCredentials();
    ui->adi->setFocus();
}

Tgirisform::~Tgirisform() = default;

QString Tgirisform::SettingsFileName()
{
    return SettingsFolder() + QStringLiteral("/ayar.ini");
}

void Tgirisform::LoadCredentials()
{
    const vorpa::IniFile ini(SettingsFileName());
    if (!ini.exists())
        return;
    ui->benihatirla->setChecked(ini.readBool(Section, RememberKey, true));
    if (ui->benihatirla->isChecked()) {
        ui->adi->setText(ini.readString(Section, NameKey));
        ui->sifre->setText(ini.readString(Section, PasswordKey));
    }
}

void Tgirisform::SaveCredentials()
{
    vorpa::IniFile ini(SettingsFileName());
    ini.writeString(Section, NameKey, ui->adi->text());
    ini.writeString(Section, PasswordKey, ui->sifre->text());
    ini.writeBool(Section, RememberKey, ui->benihatirla->isChecked());
    ini.save();
}

bool Tgirisform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->adi)
                return adiKeyDown();
            if (watched == ui->sifre)
                return sifreKeyDown();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Tgirisform::adiKeyDown()
{
    if (ui->adi->text().trimmed().isEmpty()) {
        vorpa::Beep(vorpa::BeepKind::Hand);
        vorpa::ShowPlatformMessage(QStringLiteral("Lütfen kullanıcı adını giriniz !"), vorpa::MessageKind::Warning);
        ui->adi->selectAll();
        ui->adi->setFocus();
        return true;
    }
    ui->sifre->selectAll();
    ui->sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (ui->sifre->text().trimmed().isEmpty()) {
        vorpa::Beep(vorpa::BeepKind::Hand);
        vorpa::ShowPlatformMessage(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"),
                                   vorpa::MessageKind::Warning);
        ui->sifre->selectAll();
        ui->sifre->setFocus();
        return true;
    }
    if (ui->Button1->isEnabled())
        Button1Click();
    return true;
}

void Tgirisform::SetBusy(bool busy)
{
    ui->RxGIFAnimator1->setVisible(busy);
    ui->RxGIFAnimator1->setAnimate(busy);
}

QString Tgirisform::ExternalIpAddress()
{
    return vorpa::externalAddress();
}

void Tgirisform::Button1Click()
{
    ui->Button1->setText(QStringLiteral("Bağlanıyor..."));
    ui->Button1->setEnabled(false);
    SetBusy(true);
    auto i = std::make_shared<QString>();
    StartAsync([i] { *i = ExternalIpAddress(); })
        ->Await(
            [this, i] {
                ui->Button1->setText(QStringLiteral("Giriş!"));
                SetBusy(false);
                Devamet(*i);
            },
            this);
}

void Tgirisform::Devamet(const QString &address)
{
    if (address.trimmed().isEmpty()) {
        ShowTurkishMessage(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"),
                           vorpa::MessageKind::Error, vorpa::OkButton, vorpa::MessageButton::Ok);
        ui->Button1->setEnabled(true);
        return;
    }
    Bilgim->setDisip(address);
    bagim->setHostName(vorpa::ServerEndpoint::current().host);
    auto dogrusonuc = std::make_shared<bool>(false);
    // The worker gets its own copies of what it reads: the window may be gone before it ends.
    const vorpa::DSConnection *connection = bagim;
    TSonucBilgisi *record = Bilgim;
    const QString id = idsi;
    StartAsync([dogrusonuc, connection, record, id] { *dogrusonuc = FetchSession(*connection, *record, id); })
        ->Await([this, dogrusonuc] { ShowChecks(*dogrusonuc); }, this);
}

void Tgirisform::ShowChecks(bool dogrusonuc)
{
    SetBusy(false);
    if (!dogrusonuc) {
        ShowTurkishMessage(QStringLiteral("Bağlantı Kurulamadı !"), vorpa::MessageKind::Error, vorpa::OkButton,
                           vorpa::MessageButton::Ok);
        Reset();
        return;
    }
    if (Bilgim->Version() != ClientVersion) {
        RunUpdate();
        return;
    }
    if (!Bilgim->Varmi()) {
        ShowAccessRequest(vorpa::ServerEndpoint::current().webRoot);
        vorpa::EndProcess(0);
        done(QDialog::Rejected);
        return;
    }
    if (ui->adi->text() == Bilgim->ADI() && ui->sifre->text() == Bilgim->SIFRE()) {
        SaveCredentials();
        if (Bilgim->AKTIF() == 1) {
            if ((Bilgim->MusteriTipi() == 1 || Bilgim->MusteriTipi() == 2) && !ChooseCustomer())
                return;
            done(vorpa::ModalResult::Ok);
            return;
        }
    }
    ShowTurkishMessage(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"),
                       vorpa::MessageKind::Warning, vorpa::OkButton, vorpa::MessageButton::Ok);
    Reset();
}

void Tgirisform::Reset()
{
    ui->Button1->setEnabled(true);
    ui->adi->selectAll();
    ui->adi->setFocus();
}

bool Tgirisform::ChooseCustomer()
{
    Tseccari seccari(this);
    seccari.bag = bagim;
    seccari.bilgim = Bilgim;
    seccari.SepetSayisiYaz();
    seccari.TusSonuclari();
    if (seccari.exec() != vorpa::ModalResult::Ok) {
        vorpa::EndProcess(0);
        done(QDialog::Rejected);
        return false;
    }
    return true;
}

void Tgirisform::RunUpdate()
{
    const std::unique_ptr<Tdosyaindir> update = Tdosyaindir::Yeni(this, Bilgim->Version());
    update->bag = bagim;
    update->exec();
    // The update window ends the process; should it come back, the login cannot go on either.
    done(QDialog::Rejected);
}

void Tgirisform::ShowAccessRequest(const QString &webRoot)
{
    Tformistekyeni form(this);
    form.setWindowTitle(QStringLiteral("Vorpa Otomotiv B2B İstek Formu"));
    form.Navigate(Tformistekyeni::AccessRequestAddress(webRoot, WorkstationId()));
    form.exec();
}

void Tgirisform::Button2Click()
{
    vorpa::EndProcess(0);
    done(QDialog::Rejected);
}

void Tgirisform::showEvent(QShowEvent *event)
{
    vorpa::CentreOnScreen(this);
    QDialog::showEvent(event);
}
