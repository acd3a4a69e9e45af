#include "DataGrid.h"
#include "RoleRules.h"
#include "StockListGrid.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestRoleRules : public QObject {
    Q_OBJECT

private slots:
    void rulesPerRole_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("staff");
        QTest::addColumn<bool>("basketStatus");
        QTest::addColumn<bool>("campaigns");
        QTest::newRow("staff 1") << 1 << true << true << true;
        QTest::newRow("staff 2") << 2 << true << true << true;
        QTest::newRow("dealer 3") << 3 << false << false << true;
        QTest::newRow("dealer 4") << 4 << false << true << false;
        QTest::newRow("dealer 0") << 0 << false << true << true;
        QTest::newRow("unknown 7") << 7 << false << true << true;
    }
    void rulesPerRole()
    {
        QFETCH(int, role);
        QFETCH(bool, staff);
        QFETCH(bool, basketStatus);
        QFETCH(bool, campaigns);
        QPushButton musteritus;
        musteritus.setVisible(false);
        QAction R1;
        R1.setVisible(false);
        QTabWidget tabs;
        QWidget *campaignTab = new QWidget;
        tabs.addTab(new QWidget, QStringLiteral("Stok Listesi"));
        tabs.addTab(campaignTab, QStringLiteral("Kampanyalı Stoklar"));
        vorpa::DataGrid stock, newItems, basket;
        vorpa::StockListGrid::setUp(stock);
        vorpa::StockListGrid::setUp(newItems);
        vorpa::GridColumn status;
        status.caption = QStringLiteral("Durum");
        status.field = QStringLiteral("DURUM");
        status.kind = vorpa::ColumnKind::StatusIcon;
        vorpa::GridColumn rest;
        rest.caption = QStringLiteral("Kalan");
        rest.field = QStringLiteral("KALAN");
        rest.shown = vorpa::Hidden;
        rest.offered = vorpa::NotOffered;
        basket.setColumns({status, rest});

        vorpa::RoleRules::apply(role, {&musteritus, &R1, &tabs, campaignTab, &stock, &newItems, nullptr, &basket});

        QCOMPARE(musteritus.isVisibleTo(&musteritus), staff);
        QCOMPARE(R1.isVisible(), staff);
        for (vorpa::DataGrid *grid : {&stock, &newItems})
            for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
                QCOMPARE(grid->isColumnVisible(QString::fromLatin1(field)), staff);
                QCOMPARE(grid->isColumnOffered(QString::fromLatin1(field)), staff);
            }
        QCOMPARE(basket.isColumnVisible(QStringLiteral("KALAN")), staff);
        QCOMPARE(basket.isColumnOffered(QStringLiteral("KALAN")), staff);
        QCOMPARE(basket.isColumnVisible(QStringLiteral("DURUM")), basketStatus);
        QCOMPARE(basket.isColumnOffered(QStringLiteral("DURUM")), basketStatus);
        QCOMPARE(tabs.isTabVisible(1), campaigns);
        for (vorpa::DataGrid *grid : {&stock, &newItems}) {
            QCOMPARE(grid->isColumnVisible(QStringLiteral("K")), campaigns);
            QCOMPARE(grid->isColumnOffered(QStringLiteral("K")), campaigns);
            QCOMPARE(grid->isColumnOffered(QStringLiteral("KAMPFIYAT")), campaigns);
        }
    }
};

QTEST_MAIN(TestRoleRules)
#include "tst_rolerules.moc"
