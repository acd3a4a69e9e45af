#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "Dispatcher.h"
#include "PictureText.h"
#include "RemoteServer.h"
#include "baglantiu.h"
#include "gifresim.h"
#include "mobilstokunit.h"
#include "requests/acilisreklamu.h"
#include "utils.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <vector>

namespace {

struct Entry {
    QString title;
    QString pictureText;
    QString search;
};

QString jpegPictureText(const QColor &colour, const QSize &size = QSize(64, 48))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return EncodePictureText(bytes);
}

// A loopback server answering the two advertisement operations from a list of entries, with a
// gate that can hold an entry's answer back and a log of the entries asked for.
class AdvertServer {
public:
    explicit AdvertServer(std::vector<Entry> entries) : m_entries(std::move(entries))
    {
        m_dispatcher.registerOperation(QStringLiteral("AcilisReklamAdet"), [this](const vorpa::CallParams &) {
            return vorpa::CallResult::integer(qint32(m_entries.size()));
        });
        m_dispatcher.registerOperation(QStringLiteral("AcilisREklamVer"), [this](const vorpa::CallParams &p) {
            const int index = p.integer(0);
            {
                QMutexLocker lock(&m_mutex);
                m_asked.push_back(index);
            }
            if (m_holdBack)
                m_gate.acquire();
            if (index < 0 || index >= int(m_entries.size()))
                return vorpa::CallResult::nullRecord();
            TAcilisEkran entry;
            entry.setSiraNo(index + 1);
            entry.setBaslik(m_entries[size_t(index)].title);
            entry.setResim(m_entries[size_t(index)].pictureText);
            entry.setArama(m_entries[size_t(index)].search);
            return vorpa::CallResult::record(&entry);
        });
        m_server = std::make_unique<vorpa::RemoteServer>(m_dispatcher);
        QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
        m_connection.setHostName(QStringLiteral("127.0.0.1"));
        m_connection.setPort(m_server->port());
    }
    ~AdvertServer()
    {
        m_gate.release(100);
        m_server->close();
    }

    const vorpa::DSConnection &connection() const { return m_connection; }
    std::vector<int> asked()
    {
        QMutexLocker lock(&m_mutex);
        return m_asked;
    }
    void holdBack() { m_holdBack = true; }
    void letGo() { m_gate.release(); }

private:
    std::vector<Entry> m_entries;
    vorpa::Dispatcher m_dispatcher;
    std::unique_ptr<vorpa::RemoteServer> m_server;
    vorpa::DSConnection m_connection;
    QMutex m_mutex;
    std::vector<int> m_asked;
    std::atomic<bool> m_holdBack{false};
    QSemaphore m_gate;
};

bool waitForLoad(Tacilisreklam &window)
{
    if (!window.isLoading())
        return true;
    QSignalSpy spy(&window, &Tacilisreklam::loadFinished);
    return spy.wait(30000);
}

QRgb centreColour(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

bool near(QRgb a, QColor b)
{
    return qAbs(qRed(a) - b.red()) < 12 && qAbs(qGreen(a) - b.green()) < 12 && qAbs(qBlue(a) - b.blue()) < 12;
}

} // namespace

class AcilisReklamTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void oneEntryCannotBePagedAway();
    void pagingStopsAtBothEnds();
    void arrowsDoNothingWhileLoading();
    void invalidPictureKeepsPictureAndCounter();
    void missingEntryLeavesEverything();
    void otherKeysCloseWithTwo_data();
    void otherKeysCloseWithTwo();
    void pictureClickResult_data();
    void pictureClickResult();
    void closingDuringLoadDiscardsTheResult();
    void unreachableServerReportsAndReenables();

private:
    std::vector<vorpa::MessageRequest> m_messages;
    QMutex m_retryMutex;
    std::vector<std::pair<QString, bool>> m_retryMessages;
};

void AcilisReklamTest::initTestCase()
{
    vorpa::setMessageHandler([this](const vorpa::MessageRequest &request) {
        m_messages.push_back(request);
        return vorpa::ModalResult::Ok;
    });
    vorpa::setRetryDelay(std::chrono::milliseconds(0));
    vorpa::setRetryMessageSink([this](const QString &text, bool finalError) {
        QMutexLocker lock(&m_retryMutex);
        m_retryMessages.emplace_back(text, finalError);
    });
}

void AcilisReklamTest::cleanup()
{
    QThreadPool::globalInstance()->waitForDone(60000);
    m_messages.clear();
    m_retryMessages.clear();
}

void AcilisReklamTest::oneEntryCannotBePagedAway()
{
    AdvertServer server({{QStringLiteral("Yaz kampanyası"), jpegPictureText(Qt::red), QStringLiteral("FREN")}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    // Loading: the counter is still empty and the buttons are off.
    QVERIFY(window.isLoading());
    QCOMPARE(window.Label2->text(), QString());
    QVERIFY(!window.Button1->isEnabled());
    QVERIFY(!window.Button2->isEnabled());
    window.show();
    QVERIFY(waitForLoad(window));

    QCOMPARE(window.Label2->text(), QStringLiteral("1 / 1"));
    QCOMPARE(window.Label1->text(), QStringLiteral("Yaz kampanyası"));
    QCOMPARE(window.arama, QStringLiteral("FREN"));
    QCOMPARE(window.adet, 1);
    QVERIFY(near(centreColour(window.picture()), Qt::red));
    QVERIFY(window.Button1->isEnabled() && window.Button2->isEnabled());
    QVERIFY(window.gifstokara->isHidden());

    QTest::mouseClick(window.Button2, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Left);
    QVERIFY(!window.isLoading());
    QCOMPARE(window.sirasi, 1);
    QCOMPARE(window.Label2->text(), QStringLiteral("1 / 1"));
    QVERIFY(window.isVisible()); // arrows are consumed, not closing keys
    QCOMPARE(server.asked(), std::vector<int>{0});
}

void AcilisReklamTest::pagingStopsAtBothEnds()
{
    AdvertServer server({{QStringLiteral("Bir"), jpegPictureText(Qt::red), QString()},
                         {QStringLiteral("İki"), jpegPictureText(Qt::green), QString()},
                         {QStringLiteral("Üç"), jpegPictureText(Qt::blue), QString()}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    window.show();
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label2->text(), QStringLiteral("1 / 3"));

    QTest::keyClick(&window, Qt::Key_Left); // first entry: nothing
    QVERIFY(!window.isLoading());

    QTest::mouseClick(window.Button2, Qt::LeftButton);
    QVERIFY(window.isLoading());
    QCOMPARE(window.Label2->text(), QStringLiteral("2 / 3")); // set at once
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label1->text(), QStringLiteral("İki"));
    QVERIFY(near(centreColour(window.picture()), Qt::green));

    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label2->text(), QStringLiteral("3 / 3"));
    QCOMPARE(window.Label1->text(), QStringLiteral("Üç"));

    QTest::keyClick(&window, Qt::Key_Right); // last entry: nothing
    QTest::mouseClick(window.Button2, Qt::LeftButton);
    QVERIFY(!window.isLoading());
    QCOMPARE(window.sirasi, 3);

    QTest::keyClick(&window, Qt::Key_Left);
    QCOMPARE(window.Label2->text(), QStringLiteral("2 / 3"));
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label1->text(), QStringLiteral("İki"));
    QCOMPARE(server.asked(), (std::vector<int>{0, 1, 2, 1}));
}

void AcilisReklamTest::arrowsDoNothingWhileLoading()
{
    AdvertServer server({{QStringLiteral("Bir"), jpegPictureText(Qt::red), QString()},
                         {QStringLiteral("İki"), jpegPictureText(Qt::green), QString()},
                         {QStringLiteral("Üç"), jpegPictureText(Qt::blue), QString()}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    window.show();
    QVERIFY(waitForLoad(window));

    server.holdBack();
    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(window.isLoading());
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Left);
    QVERIFY(!window.Button2->isEnabled());
    QCOMPARE(window.sirasi, 2);
    QVERIFY(window.isVisible());
    server.letGo();
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label2->text(), QStringLiteral("2 / 3"));
    QCOMPARE(server.asked(), (std::vector<int>{0, 1}));
}

void AcilisReklamTest::invalidPictureKeepsPictureAndCounter()
{
    // The first entry's picture text is not hexadecimal: title and search text still count,
    // the counter stays empty and the picture area too.
    AdvertServer server({{QStringLiteral("Bozuk"), QStringLiteral("G1FF"), QStringLiteral("#YENİ#")},
                         {QStringLiteral("İyi"), jpegPictureText(Qt::blue), QStringLiteral("  ")},
                         {QStringLiteral("Resimsiz"), QString(), QStringLiteral("#KAMPANYA#")},
                         {QStringLiteral("Bayt"), QStringLiteral("00FF00FF"), QStringLiteral("BUJI")}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    window.show();
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label1->text(), QStringLiteral("Bozuk"));
    QCOMPARE(window.arama, QStringLiteral("#YENİ#"));
    QCOMPARE(window.adet, 4);
    QCOMPARE(window.Label2->text(), QString());
    QVERIFY(window.picture().isNull());

    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(waitForLoad(window));
    QVERIFY(near(centreColour(window.picture()), Qt::blue));
    const qint64 blue = window.picture().cacheKey();

    // No picture, then bytes that are no picture: the blue one stays, the texts move on.
    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label1->text(), QStringLiteral("Resimsiz"));
    QCOMPARE(window.arama, QStringLiteral("#KAMPANYA#"));
    QCOMPARE(window.picture().cacheKey(), blue);
    QCOMPARE(window.Label2->text(), QStringLiteral("3 / 4"));

    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.Label1->text(), QStringLiteral("Bayt"));
    QCOMPARE(window.picture().cacheKey(), blue);

    // A click on the (old) picture uses the entry's own search text.
    QTest::mouseClick(window.cxImage1, Qt::LeftButton);
    QCOMPARE(window.result(), int(Tacilisreklam::Secildi));
    QCOMPARE(window.arama, QStringLiteral("BUJI"));
}

void AcilisReklamTest::missingEntryLeavesEverything()
{
    // The server counts two entries but has only one to give.
    AdvertServer server({{QStringLiteral("Tek"), jpegPictureText(Qt::red), QStringLiteral("FILTRE")}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    window.show();
    QVERIFY(waitForLoad(window));
    window.adet = 2; // as if the count had grown since
    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(waitForLoad(window));
    QCOMPARE(window.adet, 1); // the count is taken anew
    QCOMPARE(window.Label1->text(), QStringLiteral("Tek"));
    QCOMPARE(window.arama, QStringLiteral("FILTRE"));
    QCOMPARE(window.Label2->text(), QStringLiteral("2 / 2")); // set when paging, not reverted
    QVERIFY(near(centreColour(window.picture()), Qt::red));
    QVERIFY(m_messages.empty());
    QVERIFY(m_retryMessages.empty());
}

void AcilisReklamTest::otherKeysCloseWithTwo_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Shift") << int(Qt::Key_Shift);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("Down") << int(Qt::Key_Down);
}

void AcilisReklamTest::otherKeysCloseWithTwo()
{
    QFETCH(int, key);
    AdvertServer server({{QStringLiteral("Bir"), jpegPictureText(Qt::red), QStringLiteral("#YENİ#")}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    QSignalSpy loaded(&window, &Tacilisreklam::loadFinished);
    QTimer::singleShot(0, &window, [&] {
        QVERIFY(loaded.count() > 0 || loaded.wait(30000));
        // Keys reach the window first, whichever child has the focus.
        QTest::keyClick(window.Button2, Qt::Key(key));
    });
    QCOMPARE(window.exec(), int(Tacilisreklam::Kapatildi));
}

void AcilisReklamTest::pictureClickResult_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("result");
    QTest::newRow("new items") << QStringLiteral("#YENİ#") << 1;
    QTest::newRow("campaign") << QStringLiteral("#KAMPANYA#") << 1;
    QTest::newRow("search text") << QStringLiteral(" FREN DISKI ") << 1;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 2;
    QTest::newRow("empty") << QString() << 2;
}

void AcilisReklamTest::pictureClickResult()
{
    QFETCH(QString, search);
    QFETCH(int, result);
    AdvertServer server({{QStringLiteral("Bir"), jpegPictureText(Qt::red), search}});
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, server.connection(), session);
    QSignalSpy loaded(&window, &Tacilisreklam::loadFinished);
    QTimer::singleShot(0, &window, [&] {
        QVERIFY(loaded.count() > 0 || loaded.wait(30000));
        QTest::mouseClick(window.cxImage1, Qt::LeftButton);
    });
    QCOMPARE(window.exec(), result);
    QCOMPARE(window.arama, search); // handed over as received
}

void AcilisReklamTest::closingDuringLoadDiscardsTheResult()
{
    AdvertServer server({{QStringLiteral("Bir"), jpegPictureText(Qt::red), QStringLiteral("X")}});
    server.holdBack();
    TSonucBilgisi session;
    auto window = std::make_unique<Tacilisreklam>();
    window->Ac(nullptr, server.connection(), session);
    window->show();
    QTRY_VERIFY_WITH_TIMEOUT(!server.asked().empty(), 30000);

    // Closed and kept: the late result is not applied.
    QTest::mouseClick(window->Button1xxx, Qt::LeftButton);
    QCOMPARE(window->result(), int(Tacilisreklam::Kapatildi));
    server.letGo();
    QThreadPool::globalInstance()->waitForDone(60000);
    QCoreApplication::processEvents();
    QCOMPARE(window->Label1->text(), QString());
    QCOMPARE(window->arama, QString());

    // Freed while loading: the load ends without touching the destroyed window.
    window = std::make_unique<Tacilisreklam>();
    window->Ac(nullptr, server.connection(), session);
    QTRY_VERIFY_WITH_TIMEOUT(server.asked().size() == 2, 30000);
    window.reset();
    server.letGo();
    QThreadPool::globalInstance()->waitForDone(60000);
    QCoreApplication::processEvents();
}

void AcilisReklamTest::unreachableServerReportsAndReenables()
{
    // A port that was free a moment ago: nothing listens there.
    quint16 port = 0;
    {
        vorpa::Dispatcher dispatcher;
        vorpa::RemoteServer probe(dispatcher);
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.port();
        probe.close();
    }
    vorpa::DSConnection connection;
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(port);
    TSonucBilgisi session;
    Tacilisreklam window;
    window.Ac(nullptr, connection, session);
    QVERIFY(waitForLoad(window));
    // Each attempt's own failure, then the closing error.
    QCOMPARE(int(m_retryMessages.size()), vorpa::ConnectionAttempts + 1);
    QVERIFY(!m_retryMessages.front().second);
    QVERIFY(m_retryMessages.back().second);
    QCOMPARE(m_retryMessages.back().first, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QVERIFY(window.Button1->isEnabled() && window.Button2->isEnabled());
    QVERIFY(window.gifstokara->isHidden());
    QCOMPARE(window.Label2->text(), QString());
    QCOMPARE(window.adet, 0);
    // With the count unknown there is nothing to page to.
    QTest::keyClick(&window, Qt::Key_Right);
    QVERIFY(!window.isLoading());
    QCOMPARE(window.sirasi, 1);
}

QTEST_MAIN(AcilisReklamTest)
#include "tst_acilisreklam.moc"
