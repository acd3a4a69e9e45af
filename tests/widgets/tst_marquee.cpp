#include "Marquee.h"

#include <QPainter>
#include <QTest>

using vorpa::Marquee;

class MarqueeTest : public QObject {
    Q_OBJECT
private slots:
    void blankTextLeavesItEmpty_data();
    void blankTextLeavesItEmpty();
    void htmlItemScrollsAndStopsWhenHidden();
    void pixmapItemSizesTheStrip();
    void contentWrapsAroundAfterLeavingOnTheLeft();
    void clearingStopsTheTimer();
};

void MarqueeTest::blankTextLeavesItEmpty_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("    ");
    QTest::newRow("tabs and line breaks") << QStringLiteral(" \t\r\n ");
}

void MarqueeTest::blankTextLeavesItEmpty()
{
    QFETCH(QString, text);
    Marquee marquee;
    marquee.resize(300, 40);
    marquee.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    QVERIFY(!marquee.addHtmlItem(text));
    marquee.start();
    QCOMPARE(marquee.itemCount(), 0);
    QVERIFY(marquee.isStarted());
    QVERIFY2(!marquee.isTicking(), "an empty strip must not spend timer ticks");

    const QImage shot = marquee.grab().toImage();
    const QColor background = shot.pixelColor(0, 0);
    for (int x = 0; x < shot.width(); x += 7)
        QCOMPARE(shot.pixelColor(x, shot.height() / 2), background);
}

void MarqueeTest::htmlItemScrollsAndStopsWhenHidden()
{
    Marquee marquee;
    marquee.resize(400, 40);
    QVERIFY(marquee.addHtmlItem(QStringLiteral("<b>Yeni</b> kampanya başladı")));
    QCOMPARE(marquee.itemCount(), 1);
    QCOMPARE(marquee.font().pixelSize(), 24);
    QCOMPARE(marquee.font().family(), QStringLiteral("Arial"));
    QCOMPARE(marquee.itemSpacing(), 5);
    QVERIFY(marquee.contentWidth() > 50);
    QVERIFY(marquee.contentHeight() >= 20);

    marquee.start();
    QVERIFY2(!marquee.isTicking(), "a hidden strip must not tick");
    marquee.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    QVERIFY(marquee.isTicking());
    QCOMPARE(marquee.scrollOffset(), 400);
    QTRY_VERIFY_WITH_TIMEOUT(marquee.scrollOffset() < 390, 10000);

    marquee.hide();
    QVERIFY(!marquee.isTicking());
    marquee.show();
    QVERIFY(marquee.isTicking());
    marquee.stop();
    QVERIFY(!marquee.isTicking());
}

void MarqueeTest::pixmapItemSizesTheStrip()
{
    QPixmap banner(120, 60);
    banner.fill(Qt::red);
    Marquee marquee;
    marquee.resize(300, 60);
    marquee.addPixmapItem(banner);
    QCOMPARE(marquee.itemCount(), 1);
    QCOMPARE(marquee.contentHeight(), 60);
    QCOMPARE(marquee.sizeHint().height(), 60);
    QCOMPARE(marquee.contentWidth(), 120 + marquee.itemSpacing());

    marquee.setStep(10, 5);
    marquee.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    marquee.start();
    // The picture enters from the right and is drawn as given.
    QTRY_VERIFY_WITH_TIMEOUT(marquee.scrollOffset() <= 150, 10000);
    marquee.stop();
    const int x = marquee.scrollOffset() + 60;
    QVERIFY(x >= 0 && x < 300);
    QCOMPARE(marquee.grab().toImage().pixelColor(x, 30), QColor(Qt::red));
}

void MarqueeTest::contentWrapsAroundAfterLeavingOnTheLeft()
{
    QPixmap dot(20, 10);
    dot.fill(Qt::blue);
    Marquee marquee;
    marquee.resize(100, 20);
    marquee.addPixmapItem(dot);
    marquee.setStep(7, 2);
    marquee.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    marquee.start();
    bool leftSeen = false;
    auto wrapped = [&] {
        const int offset = marquee.scrollOffset();
        if (offset + marquee.contentWidth() <= 7)
            leftSeen = true;
        return leftSeen && offset > 80;
    };
    QTRY_VERIFY_WITH_TIMEOUT(wrapped(), 20000);
}

void MarqueeTest::clearingStopsTheTimer()
{
    Marquee marquee;
    marquee.resize(200, 40);
    marquee.addHtmlItem(QStringLiteral("Duyuru"));
    marquee.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    marquee.start();
    QVERIFY(marquee.isTicking());
    marquee.clearItems();
    QVERIFY(!marquee.isTicking());
    QVERIFY(marquee.isStarted());
    // A new item after clearing scrolls again without another start.
    marquee.addHtmlItem(QStringLiteral("İkinci"));
    QVERIFY(marquee.isTicking());
    QCOMPARE(marquee.scrollOffset(), 200);
}

QTEST_MAIN(MarqueeTest)
#include "tst_marquee.moc"
