#include "StockLineCalc.h"

#include <QTest>

using vorpa::StockLineInput;

class StockLineCalcTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void amounts_data();
    void amounts();
    void discountLineVisibility_data();
    void discountLineVisibility();
    void quantityText_data();
    void quantityText();
};

using Rates = std::array<double, 4>;
Q_DECLARE_METATYPE(Rates)

void StockLineCalcTest::amounts_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<Rates>("rates");
    QTest::addColumn<double>("vat");
    QTest::addColumn<double>("discount");
    QTest::addColumn<double>("netUnit");
    QTest::addColumn<double>("vatInclusive");
    QTest::addColumn<double>("total");

    QTest::newRow("two cascaded rates") << 100.0 << 2 << Rates{10, 5, 0, 0} << 20.0
                                        << 29.0 << 85.5 << 102.6 << 205.2;
    // The total is the rounded VAT-inclusive unit price times the quantity (11,81 x 3), not
    // the rounded net amount plus VAT (35,44).
    QTest::newRow("total from rounded unit price") << 10.01 << 3 << Rates{0, 0, 0, 0} << 18.0
                                                   << 0.0 << 10.01 << 11.81 << 35.43;
    QTest::newRow("no discount") << 50.0 << 1 << Rates{0, 0, 0, 0} << 20.0
                                 << 0.0 << 50.0 << 60.0 << 60.0;
    QTest::newRow("four rates in order") << 200.0 << 1 << Rates{10, 10, 10, 10} << 0.0
                                         << 68.78 << 131.22 << 131.22 << 131.22;
    // A negative rate is skipped, not applied as a surcharge.
    QTest::newRow("negative rate skipped") << 100.0 << 1 << Rates{-5, 10, 0, 0} << 0.0
                                           << 10.0 << 90.0 << 90.0 << 90.0;
    QTest::newRow("rates summing to one still reduce") << 100.0 << 1 << Rates{1, 0, 0, 0} << 0.0
                                                       << 1.0 << 99.0 << 99.0 << 99.0;
    // The net amount is rounded before it is divided; the unit price rounds again.
    QTest::newRow("unit price from rounded net") << 0.99 << 7 << Rates{33, 0, 0, 0} << 8.0
                                                 << 2.2869 << 0.66 << 0.71 << 4.97;
    QTest::newRow("quantity zero gives zero prices") << 100.0 << 0 << Rates{10, 0, 0, 0} << 20.0
                                                     << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("a whole discount") << 40.0 << 2 << Rates{100, 0, 0, 0} << 20.0
                                      << 80.0 << 0.0 << 0.0 << 0.0;
}

void StockLineCalcTest::amounts()
{
    QFETCH(double, price);
    QFETCH(int, quantity);
    QFETCH(Rates, rates);
    QFETCH(double, vat);

    StockLineInput input;
    input.unitPrice = price;
    input.quantity = quantity;
    input.rates = rates;
    input.vatRate = vat;
    const vorpa::StockLineAmounts out = vorpa::calculateStockLine(input, QLocale());

    QFETCH(double, discount);
    QFETCH(double, netUnit);
    QFETCH(double, vatInclusive);
    QFETCH(double, total);
    QVERIFY2(qAbs(out.discount - discount) < 1e-9, qPrintable(QString::number(out.discount, 'f', 10)));
    QCOMPARE(out.netUnitPrice, netUnit);
    QCOMPARE(out.vatInclusiveUnitPrice, vatInclusive);
    QCOMPARE(out.total, total);
}

void StockLineCalcTest::discountLineVisibility_data()
{
    QTest::addColumn<Rates>("rates");
    QTest::addColumn<bool>("visible");
    QTest::newRow("all zero") << Rates{0, 0, 0, 0} << false;
    QTest::newRow("exactly one") << Rates{1, 0, 0, 0} << false;
    QTest::newRow("one spread over two") << Rates{0.5, 0.5, 0, 0} << false;
    QTest::newRow("just above one") << Rates{1, 0, 0, 0.01} << true;
    QTest::newRow("ten") << Rates{10, 0, 0, 0} << true;
    // The negative rate that the cascade skips still counts here.
    QTest::newRow("negative pulls the sum down") << Rates{5, -4, 0, 0} << false;
    QTest::newRow("negative with large rest") << Rates{-2, 5, 0, 0} << true;
}

void StockLineCalcTest::discountLineVisibility()
{
    QFETCH(Rates, rates);
    QFETCH(bool, visible);
    QCOMPARE(vorpa::discountLineVisible(rates), visible);
}

void StockLineCalcTest::quantityText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("quantity");
    QTest::newRow("number") << "12" << 12;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("letters") << "abc" << 1;
    QTest::newRow("decimal") << "2,5" << 1;
}

void StockLineCalcTest::quantityText()
{
    QFETCH(QString, text);
    QFETCH(int, quantity);
    QCOMPARE(vorpa::quantityFromText(text, QLocale()), quantity);
}

QTEST_APPLESS_MAIN(StockLineCalcTest)
#include "tst_stocklinecalc.moc"
