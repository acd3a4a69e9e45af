#include "../widgets/TestHttpServer.h"
#include "LoginTestSupport.h"

#include "app/ClientOptions.h"
#include "app/dosyaindiru.h"

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTest>

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<yok>");
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }

    void init()
    {
        desktop = std::make_unique<DesktopRecorder>();
        http = std::make_unique<TestHttpServer>();
        vorpa::ServerEndpoint::setCurrent({"127.0.0.1", 9090, http->root()});
    }

    void cleanup()
    {
        desktop.reset();
        http.reset();
    }

    void progressText_data()
    {
        QTest::addColumn<qint64>("read");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << qint64(1572864) << qint64(3145728) << "Bilgi: %50,00  İndirilen: 1,50/3,00 Mb";
        QTest::newRow("start") << qint64(0) << qint64(1048576) << "Bilgi: %0,00  İndirilen: 0,00/1,00 Mb";
        QTest::newRow("a third") << qint64(349525) << qint64(1048576) << "Bilgi: %33,33  İndirilen: 0,33/1,00 Mb";
        QTest::newRow("no grouping") << qint64(2621440000) << qint64(5242880000)
                                     << "Bilgi: %50,00  İndirilen: 2500,00/5000,00 Mb";
    }

    void progressText()
    {
        QFETCH(qint64, read);
        QFETCH(qint64, length);
        QFETCH(QString, text);
        QCOMPARE(Tdosyaindir::ProgressText(read, length), text);
    }

    void versionLineServerFirst()
    {
        const auto update = Tdosyaindir::Yeni(nullptr, 7);
        QCOMPARE(child<QLabel>(update.get(), "sLabel1")->text(),
                 QStringLiteral("Vorpa Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen "
                                "Bekleyiniz...!\r\nVersion: 7-5"));
        QCOMPARE(update->windowTitle(), QStringLiteral("Dosya İndir"));
        QVERIFY(!update->basladi);
        QCOMPARE(Tdosyaindir::SetupUrl("http://sunucu:8080/"), QUrl("http://sunucu:8080/exe/VorpaSetup.exe"));
    }

    void downloadsOnceSavesAndStartsTheSetup()
    {
        const QByteArray setup = QByteArray("MZ") + QByteArray(300000, 'x');
        http->answer("/exe/VorpaSetup.exe", {"200 OK", "application/octet-stream", setup, true, true});
        writeFile(Tdosyaindir::SetupFileName(), "eski kurulum");

        const auto update = Tdosyaindir::Yeni(nullptr, 6);
        update->show();
        QTRY_COMPARE_WITH_TIMEOUT(http->heldCount(), 1, 30000);
        // The old setup is gone before the new one arrives.
        QVERIFY(!QFile::exists(Tdosyaindir::SetupFileName()));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(update.get(), &activate);
        QCoreApplication::sendEvent(update.get(), &activate);
        update->DownloadSetup();
        http->release("/exe/VorpaSetup.exe");
        QTRY_COMPARE_WITH_TIMEOUT(desktop->exits, QList<int>{0}, 30000);

        QCOMPARE(http->count("/exe/VorpaSetup.exe"), 1);
        QCOMPARE(readFile(Tdosyaindir::SetupFileName()), setup);
        QCOMPARE(desktop->opened, QStringList{Tdosyaindir::SetupFileName() + " /silent"});
        QVERIFY(desktop->messages.isEmpty());
        QCOMPARE(child<QLabel>(update.get(), "bilgi")->text(), Tdosyaindir::ProgressText(setup.size(), setup.size()));
        QCOMPARE(child<QProgressBar>(update.get(), "ProgressBar1")->maximum(), setup.size());
        QCOMPARE(child<QProgressBar>(update.get(), "ProgressBar1")->value(), setup.size());
        QVERIFY(!update->isVisible());

        const auto &headers = http->requests().first().headers;
        QCOMPARE(headers.value("user-agent"), QByteArray("Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                                                         "(KHTML, like Gecko) Chrome/60.0.3112.32 Safari/537.36"));
        QCOMPARE(headers.value("accept-language"), QByteArray("en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"));
        QCOMPARE(headers.value("accept-encoding"), QByteArray("gzip, deflate"));
        QVERIFY(headers.value("accept").startsWith("text/html,application/xhtml+xml"));
        QVERIFY(!headers.contains("cookie"));
    }

    void anErrorPageIsSavedAndStartedToo()
    {
        const auto update = Tdosyaindir::Yeni(nullptr, 6);
        update->show();
        QTRY_COMPARE_WITH_TIMEOUT(desktop->exits, QList<int>{0}, 30000);
        QCOMPARE(readFile(Tdosyaindir::SetupFileName()), QByteArray("<html>yok</html>"));
        QCOMPARE(desktop->opened.size(), 1);
    }

    void failedRequestSavesNothingAndEnds()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        vorpa::ServerEndpoint::setCurrent({"127.0.0.1", 9090, QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort())});
        closed.close();
        writeFile(Tdosyaindir::SetupFileName(), "eski kurulum");

        const auto update = Tdosyaindir::Yeni(nullptr, 6);
        update->show();
        QTRY_COMPARE_WITH_TIMEOUT(desktop->exits, QList<int>{0}, 30000);
        QCOMPARE(desktop->messages.size(), 1);
        QVERIFY(desktop->messages.first().text.startsWith(QStringLiteral("Hata Oluştu !\r\nHata: ")));
        QVERIFY(desktop->messages.first().text.size() > QStringLiteral("Hata Oluştu !\r\nHata: ").size());
        QCOMPARE(desktop->messages.first().kind, std::optional(vorpa::MessageKind::Error));
        QVERIFY(desktop->opened.isEmpty());
        QVERIFY(!QFile::exists(Tdosyaindir::SetupFileName()));
    }

private:
    std::unique_ptr<DesktopRecorder> desktop;
    std::unique_ptr<TestHttpServer> http;
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
