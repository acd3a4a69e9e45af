#include "TestHttpServer.h"
#include "asyncresimu.h"
#include "gifresim.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray picture(const QColor &colour, const char *format)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The colour in the middle of what the control shows, roughly (JPEG is lossy).
QString shownColour(const vorpa::ImageControl &control)
{
    if (control.picture().isNull())
        return QStringLiteral("none");
    const QImage image = control.picture().toImage();
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
        return QStringLiteral("red");
    if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
        return QStringLiteral("blue");
    if (c.green() > 200 && c.red() < 60 && c.blue() < 60)
        return QStringLiteral("green");
    return c.name();
}

QPixmap filled(const QColor &colour)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace

class TestAsyncResim : public QObject
{
    Q_OBJECT

private slots:
    void contentTypeDecidesTheFormat_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shown"); // the colour shown afterwards; green is the earlier picture

        const QByteArray jpeg = picture(Qt::blue, "JPEG");
        QTest::newRow("image/jpeg") << QByteArray("200 OK") << QByteArray("image/jpeg") << jpeg << "blue";
        QTest::newRow("image/JPEG") << QByteArray("200 OK") << QByteArray("image/JPEG") << jpeg << "blue";
        QTest::newRow("image/jpg") << QByteArray("200 OK") << QByteArray("image/jpg") << jpeg << "blue";
        QTest::newRow("any six first") << QByteArray("200 OK") << QByteArray("xxxxxxJpeg") << jpeg << "blue";
        QTest::newRow("image/png") << QByteArray("200 OK") << QByteArray("image/png") << picture(Qt::blue, "PNG")
                                   << "blue";
        QTest::newRow("image/bmp") << QByteArray("200 OK") << QByteArray("image/bmp") << picture(Qt::blue, "BMP")
                                   << "blue";
        QTest::newRow("404 with a picture") << QByteArray("404 Not Found") << QByteArray("image/jpeg") << jpeg
                                            << "blue";
        QTest::newRow("with a parameter") << QByteArray("200 OK") << QByteArray("image/jpeg; charset=utf-8") << jpeg
                                          << "green";
        QTest::newRow("image/gif") << QByteArray("200 OK") << QByteArray("image/gif") << jpeg << "green";
        QTest::newRow("image/x-png") << QByteArray("200 OK") << QByteArray("image/x-png")
                                     << picture(Qt::blue, "PNG") << "green";
        QTest::newRow("no content type") << QByteArray("200 OK") << QByteArray() << jpeg << "green";
        QTest::newRow("404 page") << QByteArray("404 Not Found") << QByteArray("text/html")
                                  << QByteArray("<html>yok</html>") << "green";
        QTest::newRow("empty body") << QByteArray("200 OK") << QByteArray("image/jpeg") << QByteArray() << "green";
        QTest::newRow("not a picture") << QByteArray("200 OK") << QByteArray("image/jpeg")
                                       << QByteArray("bozuk veri, resim degil") << "green";
        QTest::newRow("png body named jpeg") << QByteArray("200 OK") << QByteArray("image/jpeg")
                                             << picture(Qt::blue, "PNG") << "green";
    }

    void contentTypeDecidesTheFormat()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, shown);
        TestHttpServer server;
        server.answer("/resim", {status, contentType, body});
        TAsyncResim control;
        control.setPicture(filled(Qt::green));
        control.setUrl(server.url("/resim"));
        QCOMPARE(control.Url(), server.url("/resim"));
        QTRY_COMPARE_WITH_TIMEOUT(server.count("/resim"), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(control.runningDownloads(), 0, 30000);
        QCOMPARE(shownColour(control), shown);
    }

    void sameAddressOnceEmptyAddressNever()
    {
        TestHttpServer server;
        server.answer("/a", {"200 OK", "image/png", picture(Qt::blue, "PNG")});
        TAsyncResim control;
        control.setUrl(server.url("/a"));
        control.setUrl(server.url("/a"));
        QTRY_COMPARE_WITH_TIMEOUT(shownColour(control), QStringLiteral("blue"), 30000);
        control.setUrl(QString());
        QCOMPARE(control.Url(), QString());
        QCOMPARE(control.runningDownloads(), 0);
        QCOMPARE(shownColour(control), QStringLiteral("blue"));
        QCOMPARE(server.count("/a"), 1);
    }

    void lastCompletedDownloadWins()
    {
        TestHttpServer server;
        server.answer("/a", {"200 OK", "image/png", picture(Qt::red, "PNG"), true, true});
        server.answer("/b", {"200 OK", "image/png", picture(Qt::blue, "PNG")});
        TAsyncResim control;
        control.setUrl(server.url("/a"));
        QTRY_COMPARE_WITH_TIMEOUT(server.heldCount(), 1, 30000);
        control.setUrl(server.url("/b"));
        QTRY_COMPARE_WITH_TIMEOUT(shownColour(control), QStringLiteral("blue"), 30000);
        QCOMPARE(control.runningDownloads(), 1);
        server.release("/a");
        QTRY_COMPARE_WITH_TIMEOUT(shownColour(control), QStringLiteral("red"), 30000);
    }

    void noResponseChangesNothing()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        TAsyncResim control;
        control.setPicture(filled(Qt::green));
        QSignalSpy changes(&control, &vorpa::ImageControl::pictureChanged);
        control.setUrl(QStringLiteral("http://127.0.0.1:%1/resim").arg(port));
        QTRY_COMPARE_WITH_TIMEOUT(control.runningDownloads(), 0, 30000);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(shownColour(control), QStringLiteral("green"));
    }

    void completionAfterDestructionIsHarmless()
    {
        TestHttpServer server;
        server.answer("/a", {"200 OK", "image/png", picture(Qt::red, "PNG"), true, true});
        auto *control = new TAsyncResim;
        control->setUrl(server.url("/a"));
        QTRY_COMPARE_WITH_TIMEOUT(server.heldCount(), 1, 30000);
        delete control;
        server.release("/a");
        QTest::qWait(50);
    }

    void gifAnimationFollowsAnimate()
    {
        // A two-frame animation (Qt reads GIF but cannot write it).
        const QByteArray gif = QByteArray::fromHex("47494638396102000200f00000ff000000000021f904000000000021ff0b4e45545343415045322e3003010000"
                                                   "002c000000000200020000020284510021f90400000000002c0000000002000200800000ff00000002028451003b");
        TGifResim control;
        QVERIFY(!control.Animate());
        QVERIFY(control.loadPicture(gif));
        QVERIFY(control.holdsGif());
        QVERIFY(!control.isPlaying());
        control.setAnimate(true);
        QVERIFY(control.isPlaying());
        QVERIFY(control.transparent());
        control.setAnimate(true);
        QVERIFY(control.isPlaying());

        // A new GIF while Animate is on does not play until Animate goes off and on again.
        QVERIFY(control.loadPicture(gif));
        QVERIFY(!control.isPlaying());
        control.setAnimate(true);
        QVERIFY(!control.isPlaying());
        control.setAnimate(false);
        control.setAnimate(true);
        QVERIFY(control.isPlaying());

        // Any other picture only keeps the value.
        QVERIFY(control.loadPicture(picture(Qt::blue, "PNG")));
        QVERIFY(!control.holdsGif());
        control.setAnimate(false);
        QVERIFY(!control.Animate());
        QCOMPARE(shownColour(control), QStringLiteral("blue"));
        QVERIFY(!control.loadPicture("bozuk"));
        QCOMPARE(shownColour(control), QStringLiteral("blue"));
    }
};

QTEST_MAIN(TestAsyncResim)
#include "tst_asyncresim.moc"
