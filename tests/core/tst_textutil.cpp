#include "ConversionError.h"
#include "PictureText.h"
#include "TextUtil.h"

#include <QTest>

class TestTextUtil : public QObject {
    Q_OBJECT

private slots:
    void pictureText_data();
    void pictureText();
    void badPictureText_data();
    void badPictureText();
    void pictureTextRoundTrip();
    void commaText_data();
    void commaText();
    void urlEncode_data();
    void urlEncode();
};

void TestTextUtil::pictureText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("lower case") << "ff00" << QByteArray("\xff\x00", 2);
    QTest::newRow("odd length ends in a lone digit") << "ABC" << QByteArray("\xab\x0c", 2);
    QTest::newRow("one digit") << "7" << QByteArray("\x07", 1);
    QTest::newRow("jpeg start") << "FFD8FFE0" << QByteArray("\xff\xd8\xff\xe0", 4);
    QTest::newRow("mixed case") << "aBcD" << QByteArray("\xab\xcd", 2);
}

void TestTextUtil::pictureText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(DecodePictureText(text), bytes);
}

void TestTextUtil::badPictureText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("letter past F") << "G1" << "'G1' is not a valid integer value";
    QTest::newRow("bad piece after good ones") << "FF00zz" << "'zz' is not a valid integer value";
    QTest::newRow("blank inside") << "A B0" << "'A ' is not a valid integer value";
    QTest::newRow("lone bad digit at the end") << "00g" << "'g' is not a valid integer value";
    QTest::newRow("sign") << "-1" << "'-1' is not a valid integer value";
    QTest::newRow("non-ASCII digit") << "٣٣" << "is not a valid integer value";
}

void TestTextUtil::badPictureText()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        const QByteArray partial = DecodePictureText(text);
        QFAIL(qPrintable("decoded to " + partial.toHex()));
    } catch (const vorpa::ConversionError &e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(message), e.what());
    }
}

void TestTextUtil::pictureTextRoundTrip()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = EncodePictureText(all);
    QCOMPARE(text.size(), 512);
    QVERIFY(text.startsWith("000102") && text.endsWith("FDFEFF"));
    QCOMPARE(DecodePictureText(text), all);
    QCOMPARE(EncodePictureText({}), QString());
}

void TestTextUtil::commaText_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no lines") << QStringList{} << "";
    QTest::newRow("one empty line") << QStringList{""} << "\"\"";
    QTest::newRow("plain lines") << QStringList{"Merhaba", "Sipariş"} << "Merhaba,Sipariş";
    QTest::newRow("blank") << QStringList{"iyi günler", "x"} << "\"iyi günler\",x";
    QTest::newRow("comma") << QStringList{"a,b"} << "\"a,b\"";
    QTest::newRow("quote doubled") << QStringList{"5\" boru"} << "\"5\"\" boru\"";
    QTest::newRow("lone quote") << QStringList{"\""} << "\"\"\"\"";
    QTest::newRow("control character") << QStringList{"a\tb"} << "\"a\tb\"";
    QTest::newRow("empty lines between") << QStringList{"a", "", "b", ""} << "a,,b,";
    QTest::newRow("two empty lines") << QStringList{"", ""} << ",";
    QTest::newRow("leading blank") << QStringList{" a"} << "\" a\"";
}

void TestTextUtil::commaText()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(CommaText(lines), expected);
}

void TestTextUtil::urlEncode_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected");

    QTest::newRow("already plain") << "http://sunucu:8080/resimgoster.ashx?id=15"
                                   << "http://sunucu:8080/resimgoster.ashx?id=15";
    QTest::newRow("blank value in query")
        << "http://sunucu/formmailgonder.aspx?carino=0&kullanici= &id=AB12"
        << "http://sunucu/formmailgonder.aspx?carino=0&kullanici=%20&id=AB12";
    QTest::newRow("Turkish letters as UTF-8")
        << "http://sunucu/tesvarkart.html?carino=5&unvan=Şahin Oto Ç"
        << "http://sunucu/tesvarkart.html?carino=5&unvan=%C5%9Eahin%20Oto%20%C3%87";
    QTest::newRow("path encoded") << "http://sunucu/ödeme sayfası/a.html"
                                  << "http://sunucu/%C3%B6deme%20sayfas%C4%B1/a.html";
    QTest::newRow("host and port kept as written") << "HTTP://Sunucu.Local:9191/x y"
                                                   << "HTTP://Sunucu.Local:9191/x%20y";
    QTest::newRow("existing escapes kept") << "http://h/a%20b?x=%C5%9F" << "http://h/a%20b?x=%C5%9F";
    QTest::newRow("stray percent escaped") << "http://h/?oran=%5 indirim" << "http://h/?oran=%255%20indirim";
    QTest::newRow("no path") << "http://h:81" << "http://h:81";
    QTest::newRow("fragment") << "http://h/p#bölüm 2" << "http://h/p#b%C3%B6l%C3%BCm%202";
}

void TestTextUtil::urlEncode()
{
    QFETCH(QString, url);
    QFETCH(QString, expected);
    const QString encoded = UrlEncode(url);
    QCOMPARE(encoded, expected);
    QCOMPARE(UrlEncode(encoded), encoded);
}

QTEST_GUILESS_MAIN(TestTextUtil)
#include "tst_textutil.moc"
