#include "asyncresimu.h"
#include "dialogs/AmountEdit.h"
#include "dialogs/stokayarintiU.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using vorpa::AmountEdit;

namespace {

// Fills the dialog the way the stock list does for a new line.
void fill(Tstokayarinti &dialog, double price, const std::array<double, 4> &rates, double vat)
{
    dialog.barkod->setText(QStringLiteral("FRN-100"));
    dialog.adi->setText(QStringLiteral("Fren balatası"));
    dialog.kdvoran = vat;
    dialog.birimfiyat->setValue(price);
    dialog.edindirim1->setValue(rates[0]);
    dialog.edindirim2->setValue(rates[1]);
    dialog.edindirim3->setValue(rates[2]);
    dialog.edindirim4->setValue(rates[3]);
}

// Shows the dialog modelessly: the behaviour under test is the same as when it runs modally.
void showAndWait(Tstokayarinti &dialog)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

} // namespace

class StokayarintiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void builtAsCallersExpect();
    void showingComputesAndShowsTwoDecimals();
    void quantityChangesRecalculate();
    void amountFieldsKeepTwoDecimals_data();
    void amountFieldsKeepTwoDecimals();
    void f4DividesThePriceEachTime();
    void discountLineDecidedAtShowing_data();
    void discountLineDecidedAtShowing();
    void staffEditingRecalculatesOnKeyRelease();
    void keysAndResults_data();
    void keysAndResults();
    void enterInPriceFieldDoesNothing();
    void confirmedQuantityStaysInRange_data();
    void confirmedQuantityStaysInRange();
    void pictureAddressAndLogo();
};

void StokayarintiTest::builtAsCallersExpect()
{
    Tstokayarinti dialog(nullptr, 4711);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sepete Ekle"));
    QCOMPARE(dialog.stokno, 4711);
    QCOMPARE(dialog.adet->minimum(), 1);
    QCOMPARE(dialog.adet->maximum(), 10000);
    QCOMPARE(dialog.adet->value(), 1);
    QCOMPARE(dialog.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
    QCOMPARE(dialog.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
    QVERIFY(dialog.ParcaliTus1->font().bold());
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Fiyat:"));
    QCOMPARE(dialog.indirimoran->text(), QStringLiteral("İndirim:"));
    QVERIFY(dialog.GridPanel2->isHidden());
    for (AmountEdit *field : {dialog.birimfiyat, dialog.indtutar, dialog.kdvdahiltutar, dialog.geneltutar,
                              dialog.edindirim1, dialog.edindirim2, dialog.edindirim3, dialog.edindirim4}) {
        QVERIFY2(field->isReadOnly(), qPrintable(field->objectName()));
        QCOMPARE(field->text(), QStringLiteral("0,00"));
    }
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("Barkod:"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label7"))->text(), QStringLiteral("Finish Kod:"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label13"))->text(), QStringLiteral("İsk4"));
}

void StokayarintiTest::showingComputesAndShowsTwoDecimals()
{
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 1000, {10, 5, 0, 0}, 20);
    dialog.adet->setValue(2);
    showAndWait(dialog);
    QCOMPARE(dialog.indtutar->text(), QStringLiteral("290,00"));
    QCOMPARE(dialog.kdvdahiltutar->text(), QStringLiteral("1.026,00"));
    QCOMPARE(dialog.geneltutar->text(), QStringLiteral("2.052,00"));
    QCOMPARE(dialog.kdvdahiltutar->value(), 1026.0);
    QVERIFY(dialog.adet->hasFocus() || !QApplication::activeWindow());
}

void StokayarintiTest::quantityChangesRecalculate()
{
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 10.01, {0, 0, 0, 0}, 18);
    showAndWait(dialog);
    QCOMPARE(dialog.geneltutar->value(), 11.81);

    dialog.adet->setValue(3); // the arrows
    QCOMPARE(dialog.kdvdahiltutar->text(), QStringLiteral("11,81"));
    QCOMPARE(dialog.geneltutar->text(), QStringLiteral("35,43"));

    dialog.adet->setFocus();
    dialog.adet->selectAll();
    QTest::keyClicks(dialog.adet, QStringLiteral("10")); // typing replaces the selected quantity
    QCOMPARE(dialog.adet->text(), QStringLiteral("10"));
    QCOMPARE(dialog.geneltutar->value(), 118.1);
}

void StokayarintiTest::amountFieldsKeepTwoDecimals_data()
{
    QTest::addColumn<double>("put");
    QTest::addColumn<double>("held");
    QTest::addColumn<QString>("shown");
    QTest::newRow("third decimal rounds up") << 1.005 << 1.01 << "1,01";
    QTest::newRow("half away from zero") << 2.675 << 2.68 << "2,68";
    QTest::newRow("below one") << 0.5 << 0.5 << "0,50";
    QTest::newRow("grouped") << 1234567.891 << 1234567.89 << "1.234.567,89";
    QTest::newRow("negative") << -0.125 << -0.13 << "-0,13";
}

void StokayarintiTest::amountFieldsKeepTwoDecimals()
{
    QFETCH(double, put);
    QFETCH(double, held);
    QFETCH(QString, shown);
    AmountEdit field;
    field.setValue(put);
    QCOMPARE(field.value(), held);
    QCOMPARE(field.text(), shown);
}

void StokayarintiTest::f4DividesThePriceEachTime()
{
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 144, {0, 0, 0, 0}, 20);
    showAndWait(dialog);
    QCOMPARE(dialog.kdvdahiltutar->value(), 172.8);

    // Read-only fields react to F4 as well.
    QTest::keyClick(dialog.geneltutar, Qt::Key_F4);
    QCOMPARE(dialog.birimfiyat->value(), 120.0);
    QCOMPARE(dialog.kdvdahiltutar->value(), 144.0);
    QTest::keyClick(dialog.edindirim3, Qt::Key_F4);
    QCOMPARE(dialog.birimfiyat->value(), 100.0);
    QCOMPARE(dialog.birimfiyat->text(), QStringLiteral("100,00"));
    QCOMPARE(dialog.geneltutar->value(), 120.0);

    // The third press keeps the price at two decimals: 100 / 1,2 = 83,33.
    QTest::keyClick(dialog.birimfiyat, Qt::Key_F4);
    QCOMPARE(dialog.birimfiyat->value(), 83.33);
}

void StokayarintiTest::discountLineDecidedAtShowing_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("discount");
    QTest::newRow("no discounts") << 0.0 << 0.0 << false << "0,00";
    QTest::newRow("rates summing to one") << 1.0 << 0.0 << false << "1,00";
    QTest::newRow("negative counted in the sum") << 3.0 << -2.5 << false << "3,00";
    QTest::newRow("ten percent") << 10.0 << 0.0 << true << "10,00";
}

void StokayarintiTest::discountLineDecidedAtShowing()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(bool, visible);
    QFETCH(QString, discount);
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 100, {r1, r2, 0, 0}, 0);
    showAndWait(dialog);
    QCOMPARE(dialog.indirimoran->isVisible(), visible);
    QCOMPARE(dialog.indtutar->isVisible(), visible);
    // The amount is computed (the rate still reduces) even when the line is hidden.
    QCOMPARE(dialog.indtutar->text(), discount);
}

void StokayarintiTest::staffEditingRecalculatesOnKeyRelease()
{
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 100, {0, 0, 0, 0}, 20);
    dialog.enableStaffEditing(true);
    showAndWait(dialog);
    QVERIFY(dialog.GridPanel2->isVisible());
    QVERIFY(!dialog.birimfiyat->isReadOnly());
    QVERIFY(!dialog.edindirim4->isReadOnly());
    QVERIFY(dialog.indtutar->isReadOnly());

    dialog.edindirim1->setFocus();
    dialog.edindirim1->selectAll();
    QTest::keyClicks(dialog.edindirim1, QStringLiteral("25"));
    QCOMPARE(dialog.edindirim1->value(), 25.0);
    QCOMPARE(dialog.kdvdahiltutar->value(), 90.0);
    QCOMPARE(dialog.indirimler()[0], 25.0);

    dialog.birimfiyat->setFocus();
    dialog.birimfiyat->selectAll();
    QTest::keyClicks(dialog.birimfiyat, QStringLiteral("1.000,555"));
    QCOMPARE(dialog.fiyat(), 1000.56);
    QCOMPARE(dialog.kdvdahiltutar->value(), 900.5); // 1000,56 - 25 % = 750,42; + 20 % VAT
    dialog.edindirim1->setFocus(); // leaving the field shows the held value formatted
    QCOMPARE(dialog.birimfiyat->text(), QStringLiteral("1.000,56"));

    Tstokayarinti campaign(nullptr, 1);
    campaign.enableStaffEditing(false);
    QVERIFY(campaign.GridPanel2->isHidden());
    QVERIFY(!campaign.birimfiyat->isReadOnly());
}

void StokayarintiTest::keysAndResults_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter in the quantity box") << "enter" << 1;
    QTest::newRow("keypad Enter in the quantity box") << "keypad" << 1;
    QTest::newRow("Sipariş ekle") << "ok" << 1;
    QTest::newRow("Vazgeç") << "cancel" << 2;
    QTest::newRow("window closed") << "close" << 2;
}

void StokayarintiTest::keysAndResults()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 10, {0, 0, 0, 0}, 20);
    dialog.adet->setValue(4);

    QTimer::singleShot(0, &dialog, [&] {
        if (action == QLatin1String("enter"))
            QTest::keyClick(dialog.adet, Qt::Key_Return);
        else if (action == QLatin1String("keypad"))
            QTest::keyClick(dialog.adet, Qt::Key_Enter, Qt::KeypadModifier);
        else if (action == QLatin1String("ok"))
            QTest::mouseClick(dialog.ParcaliTus1, Qt::LeftButton);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(dialog.ParcaliTus2, Qt::LeftButton);
        else
            dialog.close();
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.miktar(), 4);
}

void StokayarintiTest::enterInPriceFieldDoesNothing()
{
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 10, {0, 0, 0, 0}, 20);
    dialog.enableStaffEditing(true);
    int result = -1;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(dialog.birimfiyat, Qt::Key_Return);
        QTest::keyClick(dialog.edindirim2, Qt::Key_Return);
        // Escape has no binding either.
        QTest::keyClick(dialog.adet, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        result = dialog.isVisible() ? 0 : dialog.result();
        dialog.done(7);
    });
    QCOMPARE(dialog.exec(), 7);
    QCOMPARE(result, 0);
}

void StokayarintiTest::confirmedQuantityStaysInRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("shownTotal");
    QTest::newRow("zero") << "0" << 1 << 0.0;
    QTest::newRow("ordinary") << "25" << 25 << 250.0;
    QTest::newRow("upper bound") << "10000" << 10000 << 100000.0;
}

void StokayarintiTest::confirmedQuantityStaysInRange()
{
    QFETCH(QString, typed);
    QFETCH(int, quantity);
    QFETCH(double, shownTotal);
    Tstokayarinti dialog(nullptr, 1);
    fill(dialog, 10, {0, 0, 0, 0}, 0);
    int shownBeforeConfirm = -1;
    double total = -1;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.adet->setFocus();
        dialog.adet->selectAll();
        QTest::keyClicks(dialog.adet, typed);
        total = dialog.geneltutar->value();
        shownBeforeConfirm = dialog.adet->text().toInt();
        QTest::keyClick(dialog.adet, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(total, shownTotal); // a zero quantity shows zero amounts without a message
    Q_UNUSED(shownBeforeConfirm);
    QCOMPARE(dialog.miktar(), quantity);
    QCOMPARE(dialog.adet->value(), quantity);
}

void StokayarintiTest::pictureAddressAndLogo()
{
    Tstokayarinti::setWebRoot(QStringLiteral("http://127.0.0.1:1/"));
    Tstokayarinti dialog(nullptr, 815);
    QVERIFY(!dialog.Image1->picture().isNull());
    QCOMPARE(dialog.Image1->picture().size(), QSize(412, 100));
    showAndWait(dialog);
    QCOMPARE(dialog.AsyncResim1->Url(), QStringLiteral("http://127.0.0.1:1/resimgoster.ashx?id=815"));
}

QTEST_MAIN(StokayarintiTest)
#include "tst_stokayarinti.moc"
