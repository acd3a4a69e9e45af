#include "NumberFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

using vorpa::formatFloat;
using vorpa::formatGeneral;
using vorpa::roundTwo;

class TestNumberFormat : public QObject {
    Q_OBJECT

    const QLocale turkish{QLocale::Turkish, QLocale::Turkey};

private slots:
    void initTestCase() { QLocale::setDefault(turkish); }
    void formats_data();
    void formats();
    void general_data();
    void general();
    void rounding_data();
    void rounding();
    void followsTheGivenLocale();
};

void TestNumberFormat::formats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QString amount = vorpa::AmountFormat;
    QTest::newRow("amount zero") << amount << 0.0 << "0,00";
    QTest::newRow("amount grouped") << amount << 1234567.891 << "1.234.567,89";
    QTest::newRow("amount negative") << amount << -1234.5 << "-1.234,50";
    QTest::newRow("amount below 1") << amount << 0.5 << "0,50";
    QTest::newRow("amount half up 1.005") << amount << 1.005 << "1,01";
    QTest::newRow("amount half up 2.675") << amount << 2.675 << "2,68";
    QTest::newRow("amount negative half away") << amount << -0.125 << "-0,13";
    QTest::newRow("amount carries into new group") << amount << 999999.995 << "1.000.000,00";
    QTest::newRow("amount large") << amount << 1e12 << "1.000.000.000.000,00";
    QTest::newRow("amount exactly three digits") << amount << 123.0 << "123,00";
    QTest::newRow("amount tiny negative is no negative zero") << amount << -0.001 << "0,00";

    const QString twoDigits = vorpa::TwoDigitAmountFormat;
    QTest::newRow("two digits zero") << twoDigits << 0.0 << "00,00";
    QTest::newRow("two digits single") << twoDigits << 5.5 << "05,50";
    QTest::newRow("two digits grouped") << twoDigits << 12345.678 << "12.345,68";

    const QString rounding = vorpa::RoundingFormat;
    QTest::newRow("rounding below 1") << rounding << 0.5 << ",50";
    QTest::newRow("rounding zero") << rounding << 0.0 << ",00";
    QTest::newRow("rounding negative below 1") << rounding << -0.25 << "-,25";
    QTest::newRow("rounding grouped") << rounding << 1234.5 << "1.234,50";
    QTest::newRow("rounding rounds to one") << rounding << 0.999 << "1,00";

    QTest::newRow("empty is general") << QString() << 2.5 << "2,5";
    QTest::newRow("whole number half up") << "0" << 2.5 << "3";
    QTest::newRow("whole number negative") << "0" << -2.5 << "-3";
    QTest::newRow("required digits") << "000" << 7.0 << "007";
    QTest::newRow("optional decimals dropped") << "#,##0.##" << 5.0 << "5";
    QTest::newRow("optional decimals kept") << "#,##0.##" << 5.1 << "5,1";
    QTest::newRow("optional digit of zero") << "#" << 0.0 << "";
    QTest::newRow("negative section") << "0.00;(0.00)" << -5.0 << "(5,00)";
    QTest::newRow("zero section") << "0.00;-0.00;'sıfır'" << 0.001 << "sıfır";
    QTest::newRow("quoted prefix") << "'TL '#,##0.00" << 1234.0 << "TL 1.234,00";
    QTest::newRow("plain suffix") << "#,##0.00 TL" << 1234.0 << "1.234,00 TL";
    QTest::newRow("not a number") << vorpa::AmountFormat << std::numeric_limits<double>::quiet_NaN() << "NAN";
    QTest::newRow("minus infinity") << vorpa::AmountFormat << -std::numeric_limits<double>::infinity() << "-INF";
}

void TestNumberFormat::formats()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatFloat(value, format, turkish), expected);
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 2.0 << "2";
    QTest::newRow("fraction") << 2.5 << "2,5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative below 1") << -0.1 << "-0,1";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0,3";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("no grouping") << 1234567.0 << "1234567";
    QTest::newRow("largest fixed") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen digits go scientific") << 1e15 << "1E15";
    QTest::newRow("large") << 1e20 << "1E20";
    QTest::newRow("small fixed") << 0.00001 << "0,00001";
    QTest::newRow("small scientific") << 0.0000015 << "1,5E-6";
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatGeneral(value, turkish), expected);
}

void TestNumberFormat::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("1.005 up") << 1.005 << 1.01;
    QTest::newRow("2.675 up") << 2.675 << 2.68;
    QTest::newRow("negative half away from zero") << -0.125 << -0.13;
    QTest::newRow("negative grouped") << -1234.565 << -1234.57;
    QTest::newRow("below 1 parses back") << 0.456 << 0.46;
    QTest::newRow("half below 1") << 0.5 << 0.5;
    QTest::newRow("below half a cent") << 0.004 << 0.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("grouping removed") << 1234567.891 << 1234567.89;
    QTest::newRow("binary noise") << 0.1 + 0.2 << 0.3;
    QTest::newRow("tax step") << 100.0 * 1.2 - 100.0 << 20.0;
    QTest::newRow("large") << 98765432109.876 << 98765432109.88;
}

void TestNumberFormat::rounding()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    // Exact equality: the result must be the same double as the literal, not just close to it.
    QCOMPARE(roundTwo(value, turkish), expected);
}

void TestNumberFormat::followsTheGivenLocale()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(formatFloat(1234567.891, vorpa::AmountFormat, english), "1,234,567.89");
    QCOMPARE(formatFloat(0.5, vorpa::RoundingFormat, english), ".50");
    QCOMPARE(formatGeneral(2.5, english), "2.5");
    QCOMPARE(roundTwo(1234.567, english), 1234.57);
    QCOMPARE(roundTwo(-0.255, english), -0.26);
    // Alternating formats must not be confused by the parsed-format cache.
    QCOMPARE(formatFloat(5.0, vorpa::TwoDigitAmountFormat, turkish), "05,00");
    QCOMPARE(formatFloat(5.0, vorpa::AmountFormat, turkish), "5,00");
    QVERIFY(std::isnan(roundTwo(std::numeric_limits<double>::quiet_NaN(), turkish)));
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
