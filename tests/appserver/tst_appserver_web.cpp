#include "AdminCommands.h"
#include "GifEncoder.h"
#include "RemoteError.h"
#include "ServerFixture.h"
#include "Store.h"
#include "proxim.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>

namespace {

struct Answer {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

Answer fetch(const QString &url, const QByteArray &postBody = QByteArray())
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    QNetworkReply *reply = nullptr;
    if (postBody.isNull()) {
        reply = manager.get(request);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        reply = manager.post(request, postBody);
    }
    QSignalSpy done(reply, &QNetworkReply::finished);
    done.wait(60000);
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    answer.body = reply->readAll();
    reply->deleteLater();
    return answer;
}

} // namespace

/// The web side, the administrator's commands, the picture encoders and the executable itself.
class TestAppServerWeb : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> fixture;
    QTemporaryFile setup;
    int pictureStock = 0;
    int plainStock = 0;

    int requestCount()
    {
        return fixture->server().store().scalar(QStringLiteral("SELECT COUNT(*) FROM erisim_istegi")).toInt();
    }

    int admin(const QString &command, const vorpa::AdminCommands::Arguments &args, QString *output = nullptr)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = vorpa::AdminCommands::run(command, args, fixture->server().store(), outStream, errStream);
        if (output)
            *output = out + err;
        return code;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(setup.open());
        setup.write(QByteArray("MZ setup program bytes"));
        setup.flush();
        fixture = std::make_unique<ServerFixture>(200, setup.fileName());
        vorpa::Store &store = fixture->server().store();
        pictureStock = store.scalar(QStringLiteral("SELECT MIN(STOKNO) FROM stok WHERE RESIM = 1")).toInt();
        plainStock = store.scalar(QStringLiteral("SELECT MIN(STOKNO) FROM stok WHERE RESIM = 0")).toInt();
        QVERIFY(pictureStock > 0 && plainStock > 0);
    }

    void cleanupTestCase() { fixture.reset(); }

    void pagesAndTheirTypes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("type");
        QTest::newRow("picture") << QStringLiteral("resimgoster.ashx?id=%1").arg(pictureStock) << 200 << "image/jpeg";
        QTest::newRow("no picture") << QStringLiteral("resimgoster.ashx?id=%1").arg(plainStock) << 404 << "text/html";
        QTest::newRow("unknown stock") << QStringLiteral("resimgoster.ashx?id=99999") << 404 << "text/html";
        QTest::newRow("id not a number") << QStringLiteral("resimgoster.ashx?id=abc") << 404 << "text/html";
        QTest::newRow("home") << QString() << 200 << "text/html";
        QTest::newRow("setup") << QStringLiteral("exe/VorpaSetup.exe") << 200 << "application/octet-stream";
        QTest::newRow("unknown page") << QStringLiteral("yok.aspx") << 404 << "text/html";
        QTest::newRow("payment page") << QStringLiteral("tesvarkart.html?carino=1&sube=MERKEZ&firmasi=A&bakiye=5") << 200
                                      << "text/html";
    }

    void pagesAndTheirTypes()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QString, type);
        const Answer answer = fetch(fixture->webRoot() + path);
        QCOMPARE(answer.status, status);
        QVERIFY2(answer.contentType.startsWith(type.toLatin1()), answer.contentType.constData());
        if (type == QLatin1String("image/jpeg"))
            QCOMPARE(QImage::fromData(answer.body, "JPEG").size(), QSize(320, 240));
        if (path.startsWith(QLatin1String("exe/")))
            QCOMPARE(answer.body, QByteArray("MZ setup program bytes"));
    }

    void pictureOverHttpEqualsTheStream()
    {
        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        qint64 size = 0;
        QIODevice *stream = proxy.ResimVer5(pictureStock, size);
        QCOMPARE(fetch(fixture->webRoot() + QStringLiteral("resimgoster.ashx?id=%1").arg(pictureStock)).body, stream->readAll());
    }

    void paymentPageEscapesItsValues()
    {
        const Answer answer = fetch(fixture->webRoot()
                                    + QStringLiteral("tesvarkart.html?carino=1&sube=MERKEZ&firmasi=%3Cscript%3Ealert(1)%3C/script%3E"
                                                     "&bakiye=1.234,50%22%3E"));
        QCOMPARE(answer.status, 200);
        const QString page = QString::fromUtf8(answer.body);
        QVERIFY(!page.contains(QStringLiteral("<script>")));
        QVERIFY(page.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
        QVERIFY(page.contains(QStringLiteral("1.234,50&quot;&gt;")));
        QVERIFY(page.contains(QStringLiteral("MERKEZ")));
    }

    void accessRequestForm()
    {
        const QString url = fixture->webRoot() + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=PC-%3Cb%3E-7");
        const Answer form = fetch(url);
        QCOMPARE(form.status, 200);
        QVERIFY(QString::fromUtf8(form.body).contains(QStringLiteral("PC-&lt;b&gt;-7")));

        const int before = requestCount();
        const Answer missing = fetch(url, QByteArrayLiteral("firma=Yeni+Bayi&yetkili=&telefon=0555"));
        QCOMPARE(missing.status, 400);
        QVERIFY(QString::fromUtf8(missing.body).contains(QStringLiteral("Yetkili")));
        QCOMPARE(requestCount(), before);

        const Answer stored = fetch(url, QByteArrayLiteral("firma=Yeni+Bayi+%C5%9Eti.&yetkili=Ay%C5%9Fe&telefon=0555&mail=a%40b.c"));
        QCOMPARE(stored.status, 200);
        QCOMPARE(requestCount(), before + 1);
        vorpa::Store &store = fixture->server().store();
        QCOMPARE(store.scalar(QStringLiteral("SELECT FIRMA FROM erisim_istegi ORDER BY SIRANO DESC LIMIT 1")).toString(),
                 QStringLiteral("Yeni Bayi Şti."));
        QCOMPARE(store.scalar(QStringLiteral("SELECT BILGISAYARID FROM erisim_istegi ORDER BY SIRANO DESC LIMIT 1")).toString(),
                 QStringLiteral("PC-<b>-7"));
        QString listing;
        QCOMPARE(admin(QStringLiteral("access-requests"), {}, &listing), 0);
        QVERIFY(listing.contains(QStringLiteral("Yeni Bayi Şti.")));
    }

    // A user added and registered from the command line can log in from that workstation.
    void adminCommandsRegisterAUser()
    {
        vorpa::AdminCommands::Arguments user;
        user.name = QStringLiteral("yeni bayi");
        user.password = QStringLiteral("gizli1");
        user.role = QStringLiteral("3");
        user.customer = QStringLiteral("4");
        QCOMPARE(admin(QStringLiteral("add-user"), user), 0);
        QString message;
        QCOMPARE(admin(QStringLiteral("add-user"), user, &message), 1);
        QVERIFY(message.contains(QStringLiteral("zaten")));
        vorpa::AdminCommands::Arguments station;
        station.workstation = QStringLiteral("PC-NEW-1");
        station.user = QStringLiteral("yeni bayi");
        QCOMPARE(admin(QStringLiteral("register-workstation"), station), 0);

        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        const TSonucBilgisi *session = proxy.BuyukGetir(QStringLiteral("PC-NEW-1"));
        QVERIFY(session->Varmi());
        QCOMPARE(session->ADI(), QStringLiteral("YENİ BAYİ"));
        QCOMPARE(session->SIFRE(), QStringLiteral("GİZLİ1"));
        QCOMPARE(session->CARINO(), 4);
        QCOMPARE(session->MusteriTipi(), 3);
        QString listing;
        QCOMPARE(admin(QStringLiteral("list-users"), {}, &listing), 0);
        QVERIFY(listing.contains(QStringLiteral("PC-NEW-1")));

        // Moving the workstation to another user replaces the old registration.
        station.user = QStringLiteral("DEMO");
        QCOMPARE(admin(QStringLiteral("register-workstation"), station), 0);
        QCOMPARE(proxy.BuyukGetir(QStringLiteral("PC-NEW-1"))->ADI(), QStringLiteral("DEMO"));
    }

    void adminCommandErrors_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("values"); // workstation, user, name, password, role, customer
        QTest::newRow("unknown user") << "register-workstation" << QStringList{"PC-2", "NOBODY", "", "", "", ""};
        QTest::newRow("no workstation") << "register-workstation" << QStringList{"", "DEMO", "", "", "", ""};
        QTest::newRow("role out of range") << "add-user" << QStringList{"", "", "X1", "P", "7", "1"};
        QTest::newRow("role not a number") << "add-user" << QStringList{"", "", "X2", "P", "bayi", "1"};
        QTest::newRow("dealer without customer") << "add-user" << QStringList{"", "", "X3", "P", "0", "999"};
        QTest::newRow("no password") << "add-user" << QStringList{"", "", "X4", "", "0", "1"};
    }

    void adminCommandErrors()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, values);
        const vorpa::AdminCommands::Arguments args{values[0], values[1], values[2], values[3], values[4], values[5]};
        const int users = fixture->server().store().scalar(QStringLiteral("SELECT COUNT(*) FROM kullanici")).toInt();
        QString message;
        QCOMPARE(admin(command, args, &message), 1);
        QVERIFY(!message.trimmed().isEmpty());
        QCOMPARE(fixture->server().store().scalar(QStringLiteral("SELECT COUNT(*) FROM kullanici")).toInt(), users);
    }

    void outboxListsStoredMail()
    {
        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        proxy.MailGonserCariNormal(QStringLiteral("VORPA-EGE"), QStringLiteral("Teslimat sorusu"), {}, {}, {}, {}, {}, {},
                                   {}, {}, {}, {}, {}, {}, {}, {}, QStringLiteral("Siparişim ne zaman gelir?"));
        QString listing;
        QCOMPARE(admin(QStringLiteral("outbox"), {}, &listing), 0);
        QVERIFY(listing.contains(QStringLiteral("Teslimat sorusu")));
        QVERIFY(listing.contains(QStringLiteral("Siparişim ne zaman gelir?")));
    }

    // Every frame comes back as drawn, up to the fixed palette, also for noisy pictures that
    // fill the compression table several times.
    void gifEncoderRoundTrip()
    {
        QList<QImage> frames;
        QRandomGenerator rng(7);
        for (int f = 0; f < 3; ++f) {
            QImage frame(97, 61, QImage::Format_RGB32);
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    frame.setPixel(x, y, f == 2 ? qRgb(int(rng.bounded(6u)) * 51, int(rng.bounded(6u)) * 51, int(rng.bounded(6u)) * 51)
                                                : qRgb((x * 51 / 20) % 256 / 51 * 51, f * 102, 255 - y / 12 * 51));
            frames << frame;
        }
        QByteArray gif = vorpa::GifEncoder::encode(frames, 25);
        QBuffer buffer(&gif);
        QImageReader reader(&buffer, "GIF");
        QCOMPARE(reader.imageCount(), 3);
        for (int f = 0; f < 3; ++f) {
            const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(decoded.size(), frames[f].size());
            for (int y = 0; y < decoded.height(); ++y)
                for (int x = 0; x < decoded.width(); ++x)
                    QCOMPARE(decoded.pixel(x, y), frames[f].pixel(x, y));
        }
    }

    // The executable picks free ports when asked for port 0, says which, and stops on SIGTERM.
    void executableListensAndStopsCleanly()
    {
        QTemporaryDir dir;
        QProcess process;
        process.setProgram(QStringLiteral(VORPA_APPSERVER_EXE));
        process.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0"),
                              QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--catalogue-size"),
                              QStringLiteral("100"), QStringLiteral("--database"), dir.filePath(QStringLiteral("e.db"))});
        process.start();
        QVERIFY(process.waitForStarted(60000));
        QByteArray first;
        while (!first.contains('\n') && process.waitForReadyRead(120000))
            first += process.readAllStandardOutput();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^listening tcp=(\\d+) web=(\\d+)")).match(QString::fromLatin1(first));
        QVERIFY2(match.hasMatch(), first.constData());
        QVERIFY(match.captured(1).toInt() > 0 && match.captured(2).toInt() > 0);

        vorpa::DSConnection conn;
        conn.setHostName(QStringLiteral("127.0.0.1"));
        conn.setPort(match.captured(1));
        conn.Open();
        TServerMethods1Client proxy(conn);
        QVERIFY(proxy.BuyukGetir(QStringLiteral("VORPA-DEMO"))->Varmi());
        QCOMPARE(fetch(QStringLiteral("http://127.0.0.1:%1/").arg(match.captured(2))).status, 200);

        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardError().contains("BuyukGetir"));
    }
};

QTEST_MAIN(TestAppServerWeb)
#include "tst_appserver_web.moc"
