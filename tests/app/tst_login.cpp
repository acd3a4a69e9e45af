#include "LoginTestSupport.h"
#include "TestServer.h"

#include "DSConnection.h"
#include "IniFile.h"
#include "app/ExternalAddress.h"
#include "app/dosyaindiru.h"
#include "app/formistekyeniu.h"
#include "app/girisformu.h"
#include "baglantiu.h"
#include "mainwindow/Unit1.h"
#include "staff/seccariu.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThreadPool>
#include <QToolButton>

namespace {

const QString WrongCredentials = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        server = std::make_unique<TestServer>();
        QVERIFY(server->started());
        const int customer = server->firstCustomer();
        QVERIFY(customer > 0);
        QVERIFY(server->addUser("MEHMET", "ABC123", 0, customer));
        QVERIFY(server->addUser("PASIF", "ABC123", 3, customer));
        QVERIFY(server->addUser("SATICI", "ABC123", 1));
        server->execute("UPDATE kullanici SET AKTIF = 0 WHERE ADI = 'PASIF'");
    }

    void init()
    {
        QFile::remove(Tgirisform::SettingsFileName());
        QFile::remove(Tdosyaindir::SetupFileName());
        desktop = std::make_unique<DesktopRecorder>();
        server->pointClientAtServer();
        bagc = std::make_unique<vorpa::DSConnection>();
        bagc->setHostName("127.0.0.1");
        bagc->setPort(QString::number(server->port()));
        sbilgi = std::make_unique<TSonucBilgisi>();
        QVERIFY(server->registerWorkstation("MEHMET"));
    }

    void cleanup()
    {
        // Workers of an attempt the test walked away from must end before their objects go.
        QThreadPool::globalInstance()->waitForDone(60000);
        QCoreApplication::processEvents();
        desktop.reset();
        server->execute("INSERT OR REPLACE INTO ayar (ANAHTAR, METIN) VALUES ('VERSION', '5')");
        vorpa::setRetryDelay(std::chrono::milliseconds(500));
        vorpa::setExternalAddressSource({});
    }

    void windowLooksAsDesigned()
    {
        Tgirisform login(nullptr, *bagc, *sbilgi);
        QCOMPARE(login.windowTitle(), QStringLiteral("Giriş"));
        QCOMPARE(child<QLabel>(&login, "Label1")->text(), QStringLiteral(" Kullanıcı Adı:"));
        QCOMPARE(child<QLabel>(&login, "Label2")->text(), QStringLiteral(" Şifre:"));
        QCOMPARE(child<QCheckBox>(&login, "benihatirla")->text(), QStringLiteral("Beni hatırla"));
        QCOMPARE(child<QPushButton>(&login, "Button1")->text(), QStringLiteral("Giriş"));
        QCOMPARE(child<QPushButton>(&login, "Button2")->text(), QStringLiteral("Vazgeç"));
        QCOMPARE(child<QLineEdit>(&login, "sifre")->echoMode(), QLineEdit::Password);
        QVERIFY(child<QWidget>(&login, "RxGIFAnimator1")->isHidden());
        QCOMPARE(login.idsi, QString::fromLatin1(TestServer::Workstation));
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        QCOMPARE(child<QLabel>(&login, "Label1")->grab().toImage().pixelColor(2, 2), QColor(226, 10, 23));

        // Tab order: "Giriş", "Vazgeç", "Beni hatırla", user name, password.
        QStringList order;
        QWidget *widget = child<QPushButton>(&login, "Button1");
        for (int i = 0; i < 5; ++i) {
            order << widget->objectName();
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(order, (QStringList{"Button1", "Button2", "benihatirla", "adi", "sifre"}));
    }

    void credentialChecks_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("right") << "MEHMET" << "MEHMET" << "ABC123" << true << true;
        QTest::newRow("typed in lower case") << "MEHMET" << "mehmet" << "abc123" << true << true;
        QTest::newRow("wrong name") << "MEHMET" << "AHMET" << "ABC123" << false << false;
        QTest::newRow("wrong password") << "MEHMET" << "MEHMET" << "ABC124" << false << false;
        QTest::newRow("trailing blank") << "MEHMET" << "MEHMET" << "ABC123 " << false << false;
        QTest::newRow("leading blank in name") << "MEHMET" << " MEHMET" << "ABC123" << false << false;
        QTest::newRow("inactive account") << "PASIF" << "PASIF" << "ABC123" << false << true;
    }

    void credentialChecks()
    {
        QFETCH(QString, user);
        QFETCH(QString, typedName);
        QFETCH(QString, typedPassword);
        QFETCH(bool, accepted);
        QFETCH(bool, remembered);
        QVERIFY(server->registerWorkstation(user));

        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, typedName, typedPassword);
        QCOMPARE(login.result() == vorpa::ModalResult::Ok, accepted);
        if (accepted) {
            QVERIFY(desktop->messages.isEmpty());
            QCOMPARE(sbilgi->ADI(), QStringLiteral("MEHMET"));
            QCOMPARE(sbilgi->CARINO(), server->firstCustomer());
            // The workstation part is this machine's, whatever the server sent.
            QCOMPARE(sbilgi->BILGISAYARID(), QString::fromLatin1(TestServer::Workstation));
            QCOMPARE(sbilgi->BilgiSayarAdi(), QStringLiteral("test-pc"));
            QCOMPARE(sbilgi->BilgisayarKullanici(), QStringLiteral("tester"));
            QCOMPARE(sbilgi->Disip(), QStringLiteral("127.0.0.1"));
        } else {
            QCOMPARE(desktop->texts(), QStringList{WrongCredentials});
            QCOMPARE(desktop->messages.first().kind, std::optional(vorpa::MessageKind::Warning));
            QCOMPARE(child<QPushButton>(&login, "Button1")->text(), QStringLiteral("Giriş!"));
            QVERIFY(child<QPushButton>(&login, "Button1")->isEnabled());
        }
        QVERIFY(desktop->exits.isEmpty());
        const vorpa::IniFile ini(Tgirisform::SettingsFileName());
        QCOMPARE(ini.exists(), remembered);
        if (remembered) {
            QCOMPARE(ini.readString("kullanici", "isim"), typedName.toUpper());
            QCOMPARE(ini.readString("kullanici", "sifre"), typedPassword.toUpper());
            QCOMPARE(ini.readBool("kullanici", "hatırla", false), true);
            QCOMPARE(QFile::permissions(Tgirisform::SettingsFileName())
                         & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup),
                     QFileDevice::Permissions());
        }
    }

    void outdatedVersionStartsTheUpdate_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("older") << 4;
        QTest::newRow("newer") << 6;
    }

    void outdatedVersionStartsTheUpdate()
    {
        QFETCH(int, version);
        server->execute("INSERT OR REPLACE INTO ayar (ANAHTAR, METIN) VALUES ('VERSION', ?)",
                        {QString::number(version)});
        QString shownText;
        desktop->onExit = [&] {
            if (auto *update = qobject_cast<Tdosyaindir *>(QApplication::activeModalWidget()))
                shownText = child<QLabel>(update, "sLabel1")->text();
        };
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "MEHMET", "ABC123");
        QVERIFY(shownText.endsWith(QStringLiteral("Version: %1-5").arg(version)));
        QCOMPARE(desktop->opened, QStringList{Tdosyaindir::SetupFileName() + " /silent"});
        QCOMPARE(desktop->exits, QList<int>{0});
        QVERIFY(login.result() != vorpa::ModalResult::Ok);
        QVERIFY(!desktop->texts().contains(WrongCredentials));
        QVERIFY(!QFile::exists(Tgirisform::SettingsFileName()));
    }

    void unknownWorkstationShowsAccessRequest()
    {
        server->execute("DELETE FROM istasyon");
        QString title, address;
        whenModal<Tformistekyeni>([&](Tformistekyeni *form) {
            title = form->windowTitle();
            address = form->address();
            child<QPushButton>(form, "Button1")->click();
        });
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "MEHMET", "ABC123");
        QCOMPARE(title, QStringLiteral("Vorpa Otomotiv B2B İstek Formu"));
        const QString expected = server->webRoot() + "formmailgonder.aspx?carino=0&kullanici= &id=TEST-WS-0042";
        QCOMPARE(address, expected);
        QCOMPARE(desktop->opened, QStringList{expected});
        QCOMPARE(desktop->exits, QList<int>{0});
        QVERIFY(login.result() != vorpa::ModalResult::Ok);
        QVERIFY(!QFile::exists(Tgirisform::SettingsFileName()));
    }

    void staffChooseTheirCustomer()
    {
        QVERIFY(server->registerWorkstation("SATICI"));
        int listed = 0;
        int chosen = 0;
        whenModal<Tseccari>([&](Tseccari *selection) {
            child<QToolButton>(selection, "sBitBtn2")->click();
            listed = selection->CARILER.recordCount();
            chosen = int(selection->CARILER.intValue(0, selection->CARILER.fieldIndex("CARINO")));
            child<QPushButton>(selection, "Button1")->click();
        });
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "SATICI", "ABC123");
        QVERIFY(listed > 0);
        QVERIFY(chosen > 0);
        QCOMPARE(login.result(), vorpa::ModalResult::Ok);
        QCOMPARE(sbilgi->CARINO(), chosen);
        QCOMPARE(sbilgi->MusteriTipi(), 1);
        QVERIFY(desktop->exits.isEmpty());
    }

    void staffCancellingTheSelectionEndsTheProgram()
    {
        QVERIFY(server->registerWorkstation("SATICI"));
        whenModal<Tseccari>([&](Tseccari *selection) { child<QPushButton>(selection, "Button2")->click(); });
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "SATICI", "ABC123");
        QVERIFY(!desktop->exits.isEmpty());
        QCOMPARE(desktop->exits.first(), 0);
        QVERIFY(login.result() != vorpa::ModalResult::Ok);
    }

    void unreachableServerThenSecondAttempt()
    {
        vorpa::setRetryDelay(std::chrono::milliseconds(0));
        vorpa::InstallRetryMessages();
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        bagc->setPort(QString::number(closed.serverPort()));
        closed.close();

        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "MEHMET", "ABC123");
        QCOMPARE(desktop->messages.size(), 12);
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(desktop->messages[i].kind, std::nullopt);
            QVERIFY(!desktop->messages[i].text.isEmpty());
        }
        QCOMPARE(desktop->messages.last().text, QStringLiteral("Bağlantı Kurulamadı !"));
        QCOMPARE(desktop->messages.last().kind, std::optional(vorpa::MessageKind::Error));
        QCOMPARE(child<QPushButton>(&login, "Button1")->text(), QStringLiteral("Giriş!"));

        // The next attempt starts over and fetches the session again.
        bagc->setPort(QString::number(server->port()));
        desktop->messages.clear();
        child<QPushButton>(&login, "Button1")->click();
        waitForAttempt(login);
        QCOMPARE(login.result(), vorpa::ModalResult::Ok);
        QVERIFY(desktop->messages.isEmpty());
    }

    void everyAttemptFetchesTheSessionAnew()
    {
        QVERIFY(server->registerWorkstation("PASIF"));
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "PASIF", "ABC123");
        QCOMPARE(desktop->texts(), QStringList{WrongCredentials});
        server->execute("UPDATE kullanici SET AKTIF = 1 WHERE ADI = 'PASIF'");
        child<QPushButton>(&login, "Button1")->click();
        waitForAttempt(login);
        server->execute("UPDATE kullanici SET AKTIF = 0 WHERE ADI = 'PASIF'");
        QCOMPARE(login.result(), vorpa::ModalResult::Ok);
        QCOMPARE(sbilgi->AKTIF(), 1);
    }

    void buttonStatesDuringAnAttempt()
    {
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        auto *button = child<QPushButton>(&login, "Button1");
        child<QLineEdit>(&login, "adi")->setText("MEHMET");
        child<QLineEdit>(&login, "sifre")->setText("YANLIS");
        button->click();
        QCOMPARE(button->text(), QStringLiteral("Bağlanıyor..."));
        QVERIFY(!button->isEnabled());
        QVERIFY(child<QWidget>(&login, "RxGIFAnimator1")->isVisible());
        waitForAttempt(login);
        QVERIFY(!child<QWidget>(&login, "RxGIFAnimator1")->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Giriş!"));
    }

    void emptyExternalAddressStopsBeforeTheServer()
    {
        vorpa::setExternalAddressSource([] { return QStringLiteral("  "); });
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        typeAndLogIn(login, "MEHMET", "ABC123");
        QCOMPARE(desktop->texts(), QStringList{"Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"});
        QCOMPARE(desktop->messages.first().kind, std::optional(vorpa::MessageKind::Error));
        QVERIFY(child<QPushButton>(&login, "Button1")->isEnabled());
        QCOMPARE(sbilgi->ADI(), QString());
    }

    void enterKeyChecksTheFields()
    {
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        auto *adi = child<QLineEdit>(&login, "adi");
        auto *sifre = child<QLineEdit>(&login, "sifre");

        adi->setText("   ");
        QTest::keyClick(adi, Qt::Key_Return);
        QCOMPARE(desktop->texts(), QStringList{"Lütfen kullanıcı adını giriniz !"});
        QCOMPARE(desktop->messages.last().kind, std::optional(vorpa::MessageKind::Warning));
        QCOMPARE(desktop->beeps, QList<vorpa::BeepKind>{vorpa::BeepKind::Hand});
        QCOMPARE(adi->selectedText(), QStringLiteral("   "));

        QTest::keyClicks(adi, "mehmet");
        QTest::keyClick(adi, Qt::Key_Enter);
        QCOMPARE(desktop->messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), sifre);

        QTest::keyClick(sifre, Qt::Key_Return);
        QCOMPARE(desktop->texts().last(), QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
        QCOMPARE(desktop->beeps.size(), 2);

        QTest::keyClicks(sifre, "abc123");
        QCOMPARE(sifre->text(), QStringLiteral("ABC123"));
        QCOMPARE(sifre->echoMode(), QLineEdit::Password);
        QTest::keyClick(sifre, Qt::Key_Return);
        waitForAttempt(login);
        QCOMPARE(login.result(), vorpa::ModalResult::Ok);
    }

    void rememberedLogin_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("no file") << QByteArray() << true << "" << "";
        QTest::newRow("remember") << QByteArray("[kullanici]\nisim=MEHMET\nsifre=ABC123\nhatırla=1\n") << true
                                  << "MEHMET" << "ABC123";
        QTest::newRow("do not remember") << QByteArray("[kullanici]\nisim=MEHMET\nsifre=ABC123\nhatırla=0\n")
                                         << false << "" << "";
        QTest::newRow("no flag reads as remember") << QByteArray("[kullanici]\nisim=MEHMET\n") << true << "MEHMET"
                                                   << "";
    }

    void rememberedLogin()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, checked);
        QFETCH(QString, name);
        QFETCH(QString, password);
        if (!file.isEmpty()) {
            QFile ini(Tgirisform::SettingsFileName());
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write(file);
        }
        Tgirisform login(nullptr, *bagc, *sbilgi);
        QCOMPARE(child<QCheckBox>(&login, "benihatirla")->isChecked(), checked);
        QCOMPARE(child<QLineEdit>(&login, "adi")->text(), name);
        QCOMPARE(child<QLineEdit>(&login, "sifre")->text(), password);
    }

    void uncheckedRememberStillSavesButIsNotShownNextTime()
    {
        {
            Tgirisform login(nullptr, *bagc, *sbilgi);
            login.show();
            child<QCheckBox>(&login, "benihatirla")->setChecked(false);
            typeAndLogIn(login, "MEHMET", "ABC123");
            QCOMPARE(login.result(), vorpa::ModalResult::Ok);
        }
        const vorpa::IniFile ini(Tgirisform::SettingsFileName());
        QCOMPARE(ini.readString("kullanici", "isim"), QStringLiteral("MEHMET"));
        QCOMPARE(ini.readString("kullanici", "sifre"), QStringLiteral("ABC123"));
        QCOMPARE(ini.readBool("kullanici", "hatırla", true), false);
        Tgirisform next(nullptr, *bagc, *sbilgi);
        QVERIFY(!child<QCheckBox>(&next, "benihatirla")->isChecked());
        QCOMPARE(child<QLineEdit>(&next, "adi")->text(), QString());
    }

    void cancelEndsTheProcessAtOnce()
    {
        Tgirisform login(nullptr, *bagc, *sbilgi);
        login.show();
        child<QLineEdit>(&login, "adi")->setText("MEHMET");
        child<QLineEdit>(&login, "sifre")->setText("ABC123");
        child<QPushButton>(&login, "Button1")->click();
        child<QPushButton>(&login, "Button2")->click();
        QCOMPARE(desktop->exits, QList<int>{0});
        QVERIFY(!login.isVisible());
        QVERIFY(login.result() != vorpa::ModalResult::Ok);
    }

    void mainWindowRunsTheLoginAtCreation()
    {
        {
            vorpa::IniFile ini(Tgirisform::SettingsFileName());
            ini.writeString("kullanici", "isim", "MEHMET");
            ini.writeString("kullanici", "sifre", "ABC123");
            QVERIFY(ini.save());
        }
        whenModal<Tgirisform>([](Tgirisform *login) { child<QPushButton>(login, "Button1")->click(); });
        TForm1 form;
        QVERIFY(form.FormCreate());
        QCOMPARE(form.windowTitle(), QStringLiteral("Vorpa Otomotiv B2B Programı"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vorpa Otomotiv B2B"));
        QCOMPARE(QApplication::font("QMessageBox").pointSize(), 15);
        QCOMPARE(form._acilisadet, 0);
        QCOMPARE(form.sbilgi().ADI(), QStringLiteral("MEHMET"));
        QCOMPARE(form.bagc().HostName(), QStringLiteral("127.0.0.1"));
        QCOMPARE(form.bagc().Port(), QString::number(server->port()));
        QVERIFY(form.findChild<QPushButton *>("musteritus")->isHidden());
        QVERIFY(!form.findChild<QAction *>("R1")->isVisible());
        QVERIFY(desktop->exits.isEmpty());
    }

    void mainWindowEndsWhenTheLoginIsClosed()
    {
        whenModal<Tgirisform>([](Tgirisform *login) { login->close(); });
        TForm1 form;
        QVERIFY(!form.FormCreate());
        QCOMPARE(desktop->exits, QList<int>{0});
    }

private:
    void typeAndLogIn(Tgirisform &login, const QString &name, const QString &password)
    {
        auto *adi = child<QLineEdit>(&login, "adi");
        auto *sifre = child<QLineEdit>(&login, "sifre");
        adi->clear();
        sifre->clear();
        QTest::keyClicks(adi, name);
        QTest::keyClicks(sifre, password);
        child<QPushButton>(&login, "Button1")->click();
        waitForAttempt(login);
    }

    void waitForAttempt(Tgirisform &login)
    {
        auto *button = child<QPushButton>(&login, "Button1");
        QTRY_VERIFY_WITH_TIMEOUT(!login.isVisible() || (button->isEnabled() && button->text() == "Giriş!"), 60000);
    }

    std::unique_ptr<TestServer> server;
    std::unique_ptr<DesktopRecorder> desktop;
    std::unique_ptr<vorpa::DSConnection> bagc;
    std::unique_ptr<TSonucBilgisi> sbilgi;
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
