#include "WeightLayout.h"

#include <QTest>

using vorpa::weightedColumnWidths;

class tst_GridLayout : public QObject {
    Q_OBJECT
private slots:
    void weightRule_data();
    void weightRule();
};

void tst_GridLayout::weightRule_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("weights");
    QTest::addColumn<QList<bool>>("visible");
    QTest::addColumn<QList<int>>("expected");

    // S = 1+2+3 = 6, unit = trunc(1000-30)/6 = 161
    QTest::newRow("all visible") << 1000 << QList<int>{1, 2, 3} << QList<bool>{true, true, true}
                                 << QList<int>{161, 322, 483};
    // hidden columns neither count nor change: S = 4, unit = trunc(770/4) = 192
    QTest::newRow("hidden skipped") << 800 << QList<int>{1, 2, 3, 3} << QList<bool>{true, false, true, false}
                                    << QList<int>{192, -1, 576, -1};
    // truncation, not rounding: 1153 - 30 = 1123, S = 7, 1123/7 = 160.43 -> 160
    QTest::newRow("truncated") << 1153 << QList<int>{2, 2, 3} << QList<bool>{true, true, true}
                               << QList<int>{320, 320, 480};
    // a visible weight-0 column gets 0 pixels by the rule
    QTest::newRow("zero weight visible") << 130 << QList<int>{0, 1, 1} << QList<bool>{true, true, true}
                                         << QList<int>{0, 50, 50};
    QTest::newRow("no visible column") << 900 << QList<int>{1, 2} << QList<bool>{false, false}
                                       << QList<int>{-1, -1};
    QTest::newRow("only zero weights visible")
        << 900 << QList<int>{0, 0, 2} << QList<bool>{true, true, false} << QList<int>{-1, -1, -1};
    QTest::newRow("no columns") << 900 << QList<int>{} << QList<bool>{} << QList<int>{};
    // narrower than the 30-pixel allowance: nothing negative
    QTest::newRow("tiny grid") << 20 << QList<int>{1, 2} << QList<bool>{true, true} << QList<int>{0, 0};
    QTest::newRow("exactly 30") << 30 << QList<int>{3} << QList<bool>{true} << QList<int>{0};
}

void tst_GridLayout::weightRule()
{
    QFETCH(int, width);
    QFETCH(QList<int>, weights);
    QFETCH(QList<bool>, visible);
    QFETCH(QList<int>, expected);
    QCOMPARE(weightedColumnWidths(width, weights, visible), expected);
}

QTEST_APPLESS_MAIN(tst_GridLayout)
#include "tst_grid_layout.moc"
