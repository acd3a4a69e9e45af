#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "Dispatcher.h"
#include "GifEncoder.h"
#include "ImageControl.h"
#include "Marquee.h"
#include "OpeningAdvertisement.h"
#include "PictureText.h"
#include "ReferenceServer.h"
#include "RemoteServer.h"
#include "StartupFeeds.h"
#include "baglantiu.h"
#include "gifresim.h"
#include "mobilstokunit.h"
#include "requests/acilisreklamu.h"
#include "utils.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace {

QByteArray bitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray gif(int width, int height)
{
    QImage a(width, height, QImage::Format_RGB32);
    a.fill(Qt::white);
    QImage b = a;
    b.fill(Qt::black);
    return vorpa::GifEncoder::encode({a, b}, 20);
}

QByteArray jpeg()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// What the feed server answers; an empty optional makes the operation fail.
struct FeedAnswers {
    QString scrollingText = QStringLiteral("<b>Hoş geldiniz</b>");
    QByteArray upper = gif(320, 30);
    qint64 upperAnnounced = -1; // -1: the bytes' own length
    QByteArray lower = bitmap(400, 60);
    qint64 lowerAnnounced = -1;
    std::optional<int> adverts = 3;
    std::optional<QList<double>> counters = QList<double>{4, 12, 7, 5, 2.5};
};

// A loopback server answering the start-up feeds' operations as told.
class FeedServer {
public:
    explicit FeedServer(const FeedAnswers &answers) : m_answers(answers)
    {
        using P = const vorpa::CallParams &;
        using vorpa::CallResult;
        m_dispatcher.registerOperation(QStringLiteral("KayanYaziGetir"),
                                       [this](P) { return CallResult::string(m_answers.scrollingText); });
        m_dispatcher.registerOperation(QStringLiteral("BannerResimVer2"), [this](P) {
            return m_answers.upperAnnounced < 0 ? CallResult::stream(m_answers.upper)
                                                : CallResult::stream(m_answers.upper, m_answers.upperAnnounced);
        });
        m_dispatcher.registerOperation(QStringLiteral("BannerResimVer3"), [this](P) {
            return m_answers.lowerAnnounced < 0 ? CallResult::stream(m_answers.lower)
                                                : CallResult::stream(m_answers.lower, m_answers.lowerAnnounced);
        });
        m_dispatcher.registerOperation(QStringLiteral("AcilisReklamAdet"), [this](P) {
            if (!m_answers.adverts)
                throw std::runtime_error("Reklamlar okunamadı");
            return CallResult::integer(*m_answers.adverts);
        });
        m_dispatcher.registerOperation(QStringLiteral("BalonGetir"), [this](P) {
            if (!m_answers.counters)
                throw std::runtime_error("Sayaçlar okunamadı");
            vorpa::DataSet row({{QStringLiteral("SEPET"), vorpa::FieldType::Int32},
                                {QStringLiteral("YENI"), vorpa::FieldType::Int32},
                                {QStringLiteral("KAMPANYA"), vorpa::FieldType::Int32},
                                {QStringLiteral("DUYURU"), vorpa::FieldType::Int32},
                                {QStringLiteral("BAKIYE"), vorpa::FieldType::Double}});
            const QList<double> &c = *m_answers.counters;
            row.appendRow({int(c[0]), int(c[1]), int(c[2]), int(c[3]), c[4]});
            return CallResult::reader(std::move(row));
        });
        m_dispatcher.registerOperation(QStringLiteral("AcilisREklamVer"), [this](P p) {
            TAcilisEkran entry;
            entry.setSiraNo(p.integer(0) + 1);
            entry.setBaslik(QStringLiteral("Reklam"));
            entry.setResim(EncodePictureText(jpeg()));
            entry.setArama(m_search);
            return CallResult::record(&entry);
        });
        m_server = std::make_unique<vorpa::RemoteServer>(m_dispatcher);
        if (!m_server->listen(QHostAddress::LocalHost, 0))
            qFatal("feed server did not listen");
    }
    ~FeedServer() { m_server->close(); }
    quint16 port() const { return m_server->port(); }
    void setSearch(const QString &search) { m_search = search; }

private:
    FeedAnswers m_answers;
    QString m_search;
    vorpa::Dispatcher m_dispatcher;
    std::unique_ptr<vorpa::RemoteServer> m_server;
};

// The main window's controls the feeds fill.
struct FeedHarness {
    QWidget window;
    QLabel *kullanici = new QLabel(&window);
    QLabel *cari = new QLabel(&window);
    QLabel *satici = new QLabel(&window);
    TGifResim *upper = new TGifResim(&window);
    QTabWidget *tabs = new QTabWidget(&window);
    QWidget *panel5 = new QWidget(&window);
    vorpa::Marquee *kayanyazi = new vorpa::Marquee(panel5);
    vorpa::Marquee *lowerStrip = new vorpa::Marquee(panel5);
    vorpa::ImageControl *image3 = new vorpa::ImageControl(panel5);
    QList<QWidget *> pages;
    vorpa::DSConnection bagc;
    TSonucBilgisi sbilgi;
    int acilisadet = 0;
    std::unique_ptr<vorpa::StartupFeeds> feeds;

    FeedHarness()
    {
        const QStringList captions = {QStringLiteral("Stok Listesi"), QStringLiteral("Sepet"),
                                      QStringLiteral("Önceki Siparişler"), QStringLiteral("Cari Ekstre"),
                                      QStringLiteral("Yeni Stoklar"), QStringLiteral("Kampanyalı Stoklar"),
                                      QStringLiteral("Duyurular"), QStringLiteral("Bakiyeler"), QStringLiteral("Sanal Pos")};
        for (const QString &caption : captions) {
            pages << new QWidget;
            tabs->addTab(pages.last(), caption);
        }
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(kullanici), static_cast<QWidget *>(upper),
                           static_cast<QWidget *>(tabs), panel5})
            layout->addWidget(w);
        upper->setFixedHeight(0);
        panel5->setFixedHeight(40);
        lowerStrip->hide();
        lowerStrip->setFixedHeight(0);
        image3->hide();
        sbilgi.setADI(QStringLiteral("DEMO"));
        sbilgi.setCariAdi(QStringLiteral("Anadolu Oto"));
        sbilgi.setSaticiAdi(QStringLiteral("Ahmet Yılmaz"));
        sbilgi.setSaticiTelefon(QStringLiteral("0532 411 20 01"));
        sbilgi.setSaticiMail(QStringLiteral("ahmet@vorpa.com.tr"));
        feeds = std::make_unique<vorpa::StartupFeeds>(
            vorpa::StartupFeeds::Controls{kullanici, cari, satici, kayanyazi, upper, panel5, lowerStrip, image3, tabs,
                                          pages[1], pages[4], pages[5], pages[6], pages[7]},
            bagc, sbilgi, acilisadet);
        window.resize(1200, 800);
        window.show();
    }
    QString caption(int tab) const { return tabs->tabText(tab); }
    bool run()
    {
        QSignalSpy finished(feeds.get(), &vorpa::StartupFeeds::finished);
        bool whenDoneRan = false;
        feeds->Start([&whenDoneRan] { whenDoneRan = true; });
        return finished.wait(60000) && whenDoneRan;
    }
};

// Answers message boxes with OK and keeps their texts.
struct MessageLog {
    QStringList texts;
    MessageLog()
    {
        vorpa::setMessageHandler([this](const vorpa::MessageRequest &r) {
            texts << r.text;
            return vorpa::ModalResult::Ok;
        });
    }
    ~MessageLog() { vorpa::setMessageHandler({}); }
};

} // namespace

class TestStartupFeeds : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        vorpa::InstallRetryMessages();
        vorpa::setRetryDelay(std::chrono::milliseconds(0));
    }

    void everyFeedArrives()
    {
        MessageLog messages;
        FeedServer server{FeedAnswers{}};
        FeedHarness h;
        h.bagc.setHostName(QStringLiteral("127.0.0.1"));
        h.bagc.setPort(server.port());
        QVERIFY(h.run());
        QCOMPARE(h.kullanici->text(), QStringLiteral("DEMO"));
        QCOMPARE(h.cari->text(), QStringLiteral("Anadolu Oto"));
        QCOMPARE(h.satici->text(),
                 QStringLiteral("Ahmet Yılmaz Telefonu: 0532 411 20 01 email: ahmet@vorpa.com.tr"));
        QCOMPARE(h.kayanyazi->itemCount(), 1);
        QVERIFY(h.kayanyazi->isStarted());
        QVERIFY(h.upper->holdsGif());
        QVERIFY(h.upper->isPlaying());
        QCOMPARE(h.upper->height(), 30);
        QVERIFY(h.lowerStrip->isVisible());
        QVERIFY(h.lowerStrip->isStarted());
        QCOMPARE(h.lowerStrip->itemCount(), 1);
        QCOMPARE(h.lowerStrip->height(), 60);
        QCOMPARE(h.panel5->height(), 100);
        QCOMPARE(h.image3->picture().size(), QSize(400, 60));
        QCOMPARE(h.acilisadet, 3);
        QCOMPARE(h.caption(6), QStringLiteral("3=Duyurular"));
        QCOMPARE(h.caption(1), QStringLiteral("4=Sepet"));
        QCOMPARE(h.caption(4), QStringLiteral("12=Yeni Stoklar"));
        QCOMPARE(h.caption(5), QStringLiteral("7=Kampanyalı"));
        QCOMPARE(h.caption(7), QStringLiteral("2,5=Bakiyeler"));
        QCOMPARE(h.caption(0), QStringLiteral("Stok Listesi"));
        QVERIFY(messages.texts.isEmpty());
    }

    // Answers that leave parts of the window as they were (or collapse them).
    void partialFeeds_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("blank scrolling text") << QStringLiteral("blank text");
        QTest::newRow("no banners") << QStringLiteral("no banners");
        QTest::newRow("incomplete banners") << QStringLiteral("incomplete banners");
        QTest::newRow("lower banner under 11 bytes") << QStringLiteral("tiny lower banner");
        QTest::newRow("advert count fails") << QStringLiteral("no adverts");
        QTest::newRow("whole balance") << QStringLiteral("whole balance");
    }
    void partialFeeds()
    {
        QFETCH(QString, change);
        FeedAnswers answers;
        if (change == QLatin1String("blank text"))
            answers.scrollingText = QStringLiteral("   \t ");
        if (change == QLatin1String("no banners")) {
            answers.upper.clear();
            answers.lower.clear();
        }
        if (change == QLatin1String("incomplete banners")) {
            answers.upperAnnounced = answers.upper.size() + 1;
            answers.lowerAnnounced = answers.lower.size() + 1;
        }
        if (change == QLatin1String("tiny lower banner"))
            answers.lower = answers.lower.left(10);
        if (change == QLatin1String("no adverts"))
            answers.adverts.reset();
        if (change == QLatin1String("whole balance"))
            answers.counters = QList<double>{0, 0, 0, 0, 2};
        MessageLog messages;
        FeedServer server(answers);
        FeedHarness h;
        h.bagc.setHostName(QStringLiteral("127.0.0.1"));
        h.bagc.setPort(server.port());
        h.panel5->setFixedHeight(77); // so that a collapse to 40 shows
        QVERIFY(h.run());
        QVERIFY(messages.texts.isEmpty());
        if (change == QLatin1String("blank text")) {
            QCOMPARE(h.kayanyazi->itemCount(), 0);
            QVERIFY(h.kayanyazi->isStarted());
            QVERIFY(!h.kayanyazi->isTicking());
        } else if (change == QLatin1String("no banners")) {
            QCOMPARE(h.upper->height(), 0);
            QVERIFY(h.upper->picture().isNull());
            QCOMPARE(h.panel5->height(), 40);
            QVERIFY(h.lowerStrip->isHidden());
        } else if (change == QLatin1String("incomplete banners") || change == QLatin1String("tiny lower banner")) {
            QCOMPARE(h.panel5->height(), 77);
            QVERIFY(h.lowerStrip->isHidden());
            QVERIFY(h.image3->picture().isNull());
            QCOMPARE(h.upper->height(), change == QLatin1String("tiny lower banner") ? 30 : 0);
        } else if (change == QLatin1String("no adverts")) {
            QCOMPARE(h.acilisadet, 0);
            QCOMPARE(h.caption(6), QStringLiteral("Duyurular"));
            QCOMPARE(h.caption(1), QStringLiteral("4=Sepet")); // the later step still ran
        } else {
            QCOMPARE(h.caption(7), QStringLiteral("2=Bakiyeler"));
        }
    }

    // A failing counters call ends the job; the end still comes and the error is shown after it.
    void failingCountersEndTheJob()
    {
        FeedAnswers answers;
        answers.counters.reset();
        MessageLog messages;
        FeedServer server(answers);
        FeedHarness h;
        h.bagc.setHostName(QStringLiteral("127.0.0.1"));
        h.bagc.setPort(server.port());
        QVERIFY(h.run());
        QTRY_COMPARE(messages.texts, QStringList{QStringLiteral("Sayaçlar okunamadı")});
        QCOMPARE(h.caption(1), QStringLiteral("Sepet"));
        QCOMPARE(h.caption(6), QStringLiteral("3=Duyurular"));
    }

    // With the server unreachable every step after the header is skipped with its messages.
    void unreachableServerSkipsSteps()
    {
        MessageLog messages;
        FeedHarness h;
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        h.bagc.setHostName(QStringLiteral("127.0.0.1"));
        h.bagc.setPort(closed.serverPort());
        closed.close();
        QVERIFY(h.run());
        QCOMPARE(h.kullanici->text(), QStringLiteral("DEMO"));
        QCOMPARE(messages.texts.count(vorpa::ConnectionFailedText), 5);
        QCOMPARE(h.acilisadet, 0);
        QCOMPARE(h.caption(1), QStringLiteral("Sepet"));
    }

    void referenceServerFeeds()
    {
        MessageLog messages;
        ReferenceServer server;
        FeedHarness h;
        h.sbilgi.Kopyala(server.session());
        server.pointAt(h.bagc);
        QVERIFY(h.run());
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(h.kullanici->text(), QStringLiteral("DEMO"));
        QCOMPARE(h.kayanyazi->itemCount(), 1);
        QVERIFY(h.upper->height() > 0);
        QCOMPARE(h.panel5->height(), h.lowerStrip->height() + 40);
        const int adverts = server.store().scalar(QStringLiteral("SELECT COUNT(*) FROM acilis_ekran")).toInt();
        QCOMPARE(h.acilisadet, adverts);
        QCOMPARE(h.caption(6), QString::number(adverts) + QStringLiteral("=Duyurular"));
        for (int tab : {1, 4, 5, 7})
            QVERIFY2(h.caption(tab).contains(u'='), qPrintable(h.caption(tab)));
    }

    // Where a clicked advertisement leads.
    void advertisementLeadsOn_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("new items") << QStringLiteral("#YENİ#") << true << QStringLiteral("new");
        QTest::newRow("campaigns") << QStringLiteral("#KAMPANYA#") << true << QStringLiteral("campaign");
        QTest::newRow("search text") << QStringLiteral("FREN BALATASI") << true << QStringLiteral("search:FREN BALATASI");
        QTest::newRow("blank search text") << QStringLiteral("  ") << true << QString();
        QTest::newRow("closed with Escape") << QStringLiteral("#YENİ#") << false << QString();
    }
    void advertisementLeadsOn()
    {
        QFETCH(QString, search);
        QFETCH(bool, click);
        QFETCH(QString, outcome);
        FeedServer server{FeedAnswers{}};
        server.setSearch(search);
        vorpa::DSConnection bagc;
        bagc.setHostName(QStringLiteral("127.0.0.1"));
        bagc.setPort(server.port());
        TSonucBilgisi sbilgi;
        QWidget owner;
        QString happened;
        bool windowGoneFirst = false;
        const vorpa::OpeningAdvertisement::Actions actions{
            [&] { happened = QStringLiteral("campaign"); },
            [&] { happened = QStringLiteral("new"); },
            [&](const QString &text) {
                windowGoneFirst = !QApplication::activeModalWidget();
                happened = QStringLiteral("search:") + text;
            }};
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, [&] {
            auto *window = qobject_cast<Tacilisreklam *>(QApplication::activeModalWidget());
            if (!window || window->isLoading() || window->Label1->text().isEmpty())
                return;
            driver.stop();
            if (click)
                QTest::mouseClick(window->cxImage1, Qt::LeftButton);
            else
                QTest::keyClick(window, Qt::Key_Escape);
        });
        driver.start();
        vorpa::OpeningAdvertisement::Goster(&owner, 1, bagc, sbilgi, actions);
        QCOMPARE(happened, outcome);
        if (outcome.startsWith(QLatin1String("search:")))
            QVERIFY(windowGoneFirst);
    }

    void noAdvertisementsShowNothing()
    {
        vorpa::DSConnection bagc;
        TSonucBilgisi sbilgi;
        bool anything = false;
        vorpa::OpeningAdvertisement::Goster(nullptr, 0, bagc, sbilgi,
                                            {[&] { anything = true; }, [&] { anything = true; },
                                             [&](const QString &) { anything = true; }});
        QVERIFY(!anything);
    }
};

QTEST_MAIN(TestStartupFeeds)
#include "tst_startupfeeds.moc"
