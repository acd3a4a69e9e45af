// Shows the login and the customer selection with the program's look against a running server,
// logs in as a staff user and saves pictures of both windows (for the documentation).
//     vorpa-screens --port P --web-root URL --user NAME --password PW --out DIR

#include "DSConnection.h"
#include "LoginTestSupport.h"
#include "MorvaneStyle.h"
#include "app/ClientOptions.h"
#include "app/girisformu.h"
#include "baglantiu.h"
#include "staff/seccariu.h"

#include <QCommandLineParser>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption port("port", "", "port");
    const QCommandLineOption webRoot("web-root", "", "url");
    const QCommandLineOption user("user", "", "name");
    const QCommandLineOption password("password", "", "password");
    const QCommandLineOption out("out", "", "dir");
    parser.addOptions({port, webRoot, user, password, out});
    parser.process(app);
    const QString dir = parser.value(out);

    vorpa::ServerEndpoint::setCurrent({"127.0.0.1", parser.value(port).toInt(), parser.value(webRoot)});
    vorpa::ApplyNamedStyle(app, "morvane");
    vorpa::InstallDesktopHandlers();
    vorpa::setMessageHandler([](const vorpa::MessageRequest &request) {
        std::fprintf(stderr, "message: %s\n", qUtf8Printable(request.text));
        return vorpa::ModalResult::Ok;
    });

    vorpa::DSConnection bagc;
    bagc.setHostName("127.0.0.1");
    bagc.setPort(parser.value(port));
    TSonucBilgisi sbilgi;
    Tgirisform login(nullptr, bagc, sbilgi);

    whenModal<Tseccari>([dir](Tseccari *selection) {
        QTest::qWait(500);
        selection->findChild<QToolButton *>("sepettus")->click();
        QTest::qWait(800);
        selection->grab().save(dir + "/seccari.png");
        selection->findChild<QPushButton *>("Button1")->click();
    });

    login.show();
    QTest::qWait(800);
    login.findChild<QLineEdit *>("adi")->setText(parser.value(user));
    login.findChild<QLineEdit *>("sifre")->setText(parser.value(password));
    QTest::qWait(300);
    login.grab().save(dir + "/login.png");
    login.findChild<QPushButton *>("Button1")->click();
    for (int waited = 0; login.isVisible() && waited < 60000; waited += 50)
        QTest::qWait(50);
    std::printf("result %d, customer %s\n", login.result(), qUtf8Printable(sbilgi.CariAdi()));
    return login.result() == 1 ? 0 : 1;
}
