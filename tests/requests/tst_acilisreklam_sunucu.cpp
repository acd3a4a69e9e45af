#include "AppServer.h"
#include "DSConnection.h"
#include "Store.h"
#include "baglantiu.h"
#include "requests/acilisreklamu.h"
#include "utils.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

// The advertisement window against the reference server with advertisements of its own.
class AcilisReklamSunucuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void pagesThroughTheServersAdverts();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<vorpa::AppServer> m_server;
    vorpa::DSConnection m_connection;
};

void AcilisReklamSunucuTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    vorpa::setMessageHandler([](const vorpa::MessageRequest &request) {
        qWarning("unexpected message: %s", qPrintable(request.text));
        return vorpa::ModalResult::Ok;
    });
    vorpa::AppServer::Options options;
    options.database = m_dir.filePath(QStringLiteral("vorpa.db"));
    options.catalogueSize = 50;
    options.address = QHostAddress::LocalHost;
    options.port = 0;
    options.webPort = 0;
    options.logCalls = false;
    m_server = std::make_unique<vorpa::AppServer>(options);
    m_server->prepareStore();

    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "JPEG"));
    vorpa::Store &store = m_server->store();
    store.run(QStringLiteral("DELETE FROM acilis_ekran"));
    store.run(QStringLiteral("INSERT INTO acilis_ekran (SIRANO, BASLIK, ARAMA, RESIM) VALUES (?, ?, ?, ?)"),
              {1, QStringLiteral("Yeni ürünler"), QStringLiteral("#YENİ#"), jpeg});
    store.run(QStringLiteral("INSERT INTO acilis_ekran (SIRANO, BASLIK, ARAMA, RESIM) VALUES (?, ?, ?, ?)"),
              {2, QStringLiteral("Bozuk resim"), QStringLiteral("AMORTISOR"), QByteArray("no picture here")});

    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
    m_connection.setHostName(QStringLiteral("127.0.0.1"));
    m_connection.setPort(m_server->port());
}

void AcilisReklamSunucuTest::cleanupTestCase()
{
    QThreadPool::globalInstance()->waitForDone(60000);
    if (m_server)
        m_server->stop();
}

void AcilisReklamSunucuTest::pagesThroughTheServersAdverts()
{
    TSonucBilgisi session;
    Tacilisreklam window;
    QSignalSpy loaded(&window, &Tacilisreklam::loadFinished);
    window.Ac(nullptr, m_connection, session);
    QVERIFY(loaded.wait(60000));
    QCOMPARE(window.adet, 2);
    QCOMPARE(window.Label1->text(), QStringLiteral("Yeni ürünler"));
    QCOMPARE(window.Label2->text(), QStringLiteral("1 / 2"));
    QVERIFY(!window.picture().isNull());
    const qint64 first = window.picture().cacheKey();

    // The second entry's bytes are no picture: its texts count, the picture stays.
    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(loaded.wait(60000));
    QCOMPARE(window.Label1->text(), QStringLiteral("Bozuk resim"));
    QCOMPARE(window.arama, QStringLiteral("AMORTISOR"));
    QCOMPARE(window.picture().cacheKey(), first);
    QCOMPARE(window.Label2->text(), QStringLiteral("2 / 2"));

    QTest::keyClick(&window, Qt::Key_Left);
    QVERIFY(loaded.wait(60000));
    QCOMPARE(window.arama, QStringLiteral("#YENİ#"));
    QTimer::singleShot(0, &window, [&] { QTest::mouseClick(window.cxImage1, Qt::LeftButton); });
    QCOMPARE(window.exec(), int(Tacilisreklam::Secildi));
    QCOMPARE(window.arama, Tacilisreklam::YeniArama);
}

QTEST_MAIN(AcilisReklamSunucuTest)
#include "tst_acilisreklam_sunucu.moc"
