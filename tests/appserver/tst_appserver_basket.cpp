#include "RemoteError.h"
#include "Store.h"
#include "ServerFixture.h"
#include "proxim.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <cmath>
#include <functional>

using vorpa::DataSet;
using vorpa::RemoteError;

namespace {

/// A catalogue item as the stock search shows it.
struct Item {
    int stokno = 0;
    QString barkod;
    QString adi;
    double fiyat = 0;
    double rates[4] = {0, 0, 0, 0};
    double kdv = 0;
    int k = 0;
};

double round2(double v)
{
    return std::round(v * 100.0) / 100.0;
}

QList<int> column(DataSet &data, const char *name)
{
    QList<int> values;
    const int c = data.fieldIndexOrThrow(QString::fromLatin1(name));
    for (int row = 0; row < data.recordCount(); ++row)
        values << int(data.intValue(row, c));
    return values;
}

} // namespace

/// Basket and order sending against the reference server, through the client proxy.
class TestAppServerBasket : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> fixture;
    QList<Item> items; // ordinary items with discounts, then campaign items

    DataSet basket(int carino)
    {
        auto c = fixture->connect();
        TServerMethods1Client proxy(*c);
        return proxy.SepetVer2(carino);
    }

    void clearBasket(const TSonucBilgisi &session)
    {
        auto c = fixture->connect();
        TServerMethods1Client proxy(*c);
        proxy.SepetHepsiniSil(&session);
    }

    int add(const TSonucBilgisi &session, const Item &item, double quantity, double price = -1)
    {
        auto c = fixture->connect();
        TServerMethods1Client proxy(*c);
        return proxy.SepetEkle2(&session, session.CARINO(), item.stokno, item.barkod, item.adi, quantity, item.kdv,
                                price < 0 ? item.fiyat : price, item.rates[0], session.Sirano(), item.k, item.rates[1],
                                item.rates[2], item.rates[3]);
    }

    int orderCount(int carino)
    {
        auto c = fixture->connect();
        TServerMethods1Client proxy(*c);
        return proxy.OncekiSiparisler(carino)->toDataSet().recordCount();
    }

private slots:
    void initTestCase()
    {
        fixture = std::make_unique<ServerFixture>();
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        auto c = fixture->connect();
        TServerMethods1Client proxy(*c);
        DataSet stock = proxy.VorpaStokAraGetir(QString(), &demo);
        QVERIFY(stock.recordCount() >= 300);
        for (int row = 0; row < stock.recordCount(); ++row) {
            stock.setRecNo(row);
            Item item;
            item.stokno = stock.fieldByName(QStringLiteral("STOK_STOKNO")).toInt();
            item.barkod = stock.fieldByName(QStringLiteral("BARKOD")).toString();
            item.adi = stock.fieldByName(QStringLiteral("ADI")).toString();
            item.fiyat = stock.fieldByName(QStringLiteral("FIYAT")).toDouble();
            item.kdv = stock.fieldByName(QStringLiteral("KDV")).toDouble();
            item.k = stock.fieldByName(QStringLiteral("K")).toInt();
            for (int r = 0; r < 4; ++r)
                item.rates[r] = stock.fieldByName(QStringLiteral("IND%1").arg(r + 1)).toDouble();
            if (item.k == 0 && item.rates[0] > 0 && item.rates[1] > 0)
                items.prepend(item);
            else
                items.append(item);
        }
        QVERIFY(items.first().rates[1] > 0);
    }

    void cleanupTestCase() { fixture.reset(); }

    // The main path: lines are added with their amounts, changed, deselected, and the order takes
    // exactly the selected lines while the basket keeps the rest.
    void orderTakesExactlyTheSelectedLines()
    {
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        const Item &a = items[0];
        const Item &b = items[1];
        const Item &c = items[2];
        QCOMPARE(add(demo, a, 2), 1);
        QCOMPARE(add(demo, b, 1), 1);
        QCOMPARE(add(demo, c, 3), 1);

        DataSet lines = basket(demo.CARINO());
        QCOMPARE(lines.recordCount(), 3);
        QVERIFY(lines.locate(QStringLiteral("STOKNO"), a.stokno));
        const double gross = round2(2 * a.fiyat);
        double net = gross;
        for (const double r : a.rates)
            net -= r > 0 ? net * r / 100 : 0;
        QCOMPARE(lines.fieldByName(QStringLiteral("TUTAR")).toDouble(), gross);
        QCOMPARE(lines.fieldByName(QStringLiteral("NETTUTAR")).toDouble(), round2(net));
        QCOMPARE(lines.fieldByName(QStringLiteral("INDIRIMTUTAR")).toDouble(), round2(gross - round2(net)));
        QCOMPARE(lines.fieldByName(QStringLiteral("VERGITUTARI")).toDouble(), round2(round2(net) * a.kdv / 100));
        QCOMPARE(lines.fieldByName(QStringLiteral("NETBIRIMFIYAT")).toDouble(), round2(round2(net) / 2));
        QCOMPARE(lines.fieldByName(QStringLiteral("SEC")).toInt(), 1);
        const int lineA = lines.fieldByName(QStringLiteral("SIRANO")).toInt();

        {
            auto conn = fixture->connect();
            TServerMethods1Client proxy(*conn);
            QCOMPARE(proxy.SepetGuncelle2(&demo, demo.CARINO(), 0, a.barkod, a.adi, 5, a.kdv, a.fiyat, a.rates[0],
                                          demo.Sirano(), lineA, a.rates[1], a.rates[2], a.rates[3]),
                     1);
            QVERIFY(lines.locate(QStringLiteral("STOKNO"), c.stokno));
            proxy.SepetSecimGuncelle(lines.fieldByName(QStringLiteral("SIRANO")).toInt(), 0);
        }
        lines = basket(demo.CARINO());
        QVERIFY(lines.locate(QStringLiteral("SIRANO"), lineA));
        QCOMPARE(lines.fieldByName(QStringLiteral("MIKTAR")).toDouble(), 5.0);
        QCOMPARE(lines.fieldByName(QStringLiteral("TUTAR")).toDouble(), round2(5 * a.fiyat));

        const int ordersBefore = orderCount(demo.CARINO());
        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        QVERIFY(proxy.SiparisKaydet(&demo, demo.CARINO(), 1, 1, QStringLiteral("Acil"), demo.Sirano(), 1));
        DataSet orders = proxy.OncekiSiparisler(demo.CARINO())->toDataSet();
        QCOMPARE(orders.recordCount(), ordersBefore + 1);
        orders.first();
        const int orderNo = orders.fieldByName(QStringLiteral("IDNO")).toInt();
        QCOMPARE(orders.fieldByName(QStringLiteral("DURUM")).toString(), QStringLiteral("Alındı"));
        QCOMPARE(orders.fieldByName(QStringLiteral("VERENINNOTU")).toString(), QStringLiteral("Acil"));

        DataSet ordered = proxy.SiparisAyrintisi2(demo.CARINO(), orderNo)->toDataSet();
        QList<int> stocks = column(ordered, "STOKNO");
        std::sort(stocks.begin(), stocks.end());
        QList<int> expected = {a.stokno, b.stokno};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(stocks, expected);
        QVERIFY(ordered.locate(QStringLiteral("STOKNO"), a.stokno));
        QCOMPARE(ordered.fieldByName(QStringLiteral("MIKTAR")).toDouble(), 5.0);
        QCOMPARE(ordered.fieldByName(QStringLiteral("KALAN")).toDouble(), 5.0);

        lines = basket(demo.CARINO());
        QCOMPARE(column(lines, "STOKNO"), QList<int>{c.stokno});

        // Nothing selected: no order, nothing changes.
        QVERIFY(!proxy.SiparisKaydet(&demo, demo.CARINO(), 1, 1, QString(), demo.Sirano(), 1));
        QCOMPARE(orderCount(demo.CARINO()), ordersBefore + 1);
        QCOMPARE(basket(demo.CARINO()).recordCount(), 1);

        // The counters follow the basket and the new balance lines.
        vorpa::ResultReader *counters = proxy.BalonGetir(&demo);
        QVERIFY(counters->next());
        QCOMPARE(counters->intValue(0), 1);

        QCOMPARE(proxy.SepetSatirSil(&demo, lines.fieldByName(QStringLiteral("SIRANO")).toInt(),
                                     c.barkod + QStringLiteral("-") + c.adi),
                 1);
        QCOMPARE(basket(demo.CARINO()).recordCount(), 0);
    }

    // Adding a stock that is already in the basket adds to its line instead of a second line.
    void addingTheSameStockAddsToItsLine()
    {
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        QCOMPARE(add(demo, items[5], 2), 1);
        QCOMPARE(add(demo, items[5], 3), 1);
        DataSet lines = basket(demo.CARINO());
        QCOMPARE(lines.recordCount(), 1);
        QCOMPARE(lines.fieldByName(QStringLiteral("MIKTAR")).toDouble(), 5.0);
    }

    // Customers order at catalogue prices whatever they send; sales staff may set the price.
    void onlyStaffSetPrices()
    {
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        QCOMPARE(add(demo, items[3], 1, 1.0), 1);
        DataSet lines = basket(demo.CARINO());
        QCOMPARE(lines.fieldByName(QStringLiteral("BIRIMFIYAT")).toDouble(), items[3].fiyat);

        TSonucBilgisi manager = fixture->login(QStringLiteral("MUDUR"));
        manager.setCARINO(demo.CARINO());
        QCOMPARE(add(manager, items[4], 1, 1.5), 1);
        lines = basket(demo.CARINO());
        QVERIFY(lines.locate(QStringLiteral("STOKNO"), items[4].stokno));
        QCOMPARE(lines.fieldByName(QStringLiteral("BIRIMFIYAT")).toDouble(), 1.5);
        QCOMPARE(lines.fieldByName(QStringLiteral("VEREN")).toString(), QStringLiteral("MUDUR"));
        clearBasket(demo);
    }

    void badInputIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<std::function<void(TServerMethods1Client &, const TSonucBilgisi &, int)>>("call");
        using Call = std::function<void(TServerMethods1Client &, const TSonucBilgisi &, int)>;
        auto addLine = [this](double quantity, double price, double rate, int stock, QString code, int carino, int user) {
            return Call([=, this](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
                const Item &i = items[6];
                p.SepetEkle2(&s, carino < 0 ? s.CARINO() : carino, stock < 0 ? i.stokno : stock,
                             code.isNull() ? i.barkod : code, i.adi, quantity, i.kdv, price, rate,
                             user < 0 ? s.Sirano() : user, 0, 0, 0, 0);
            });
        };
        QTest::newRow("zero quantity") << addLine(0, 10, 0, -1, QString(), -1, -1);
        QTest::newRow("negative quantity") << addLine(-2, 10, 0, -1, QString(), -1, -1);
        QTest::newRow("quantity not a number") << addLine(std::nan(""), 10, 0, -1, QString(), -1, -1);
        QTest::newRow("negative price") << addLine(1, -5, 0, -1, QString(), -1, -1);
        QTest::newRow("rate above 100") << addLine(1, 10, 150, -1, QString(), -1, -1);
        QTest::newRow("unknown stock") << addLine(1, 10, 0, 999999, QString(), -1, -1);
        QTest::newRow("code of another stock") << addLine(1, 10, 0, -1, QStringLiteral("XYZ-1"), -1, -1);
        QTest::newRow("another customer") << addLine(1, 10, 0, -1, QString(), 2, -1);
        QTest::newRow("another user") << addLine(1, 10, 0, -1, QString(), -1, 2);
        QTest::newRow("tampered password") << Call([this](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            TSonucBilgisi forged;
            forged.Kopyala(s);
            forged.setSIFRE(QStringLiteral("YANLIS"));
            const Item &i = items[6];
            p.SepetEkle2(&forged, s.CARINO(), i.stokno, i.barkod, i.adi, 1, i.kdv, i.fiyat, 0, s.Sirano(), 0, 0, 0, 0);
        });
        QTest::newRow("no session record") << Call([this](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            const Item &i = items[6];
            p.SepetEkle2(nullptr, s.CARINO(), i.stokno, i.barkod, i.adi, 1, i.kdv, i.fiyat, 0, s.Sirano(), 0, 0, 0, 0);
        });
        QTest::newRow("selection other than 0 or 1") << Call([](TServerMethods1Client &p, const TSonucBilgisi &, int line) {
            p.SepetSecimGuncelle(line, 2);
        });
        QTest::newRow("selection of an unknown line") << Call([](TServerMethods1Client &p, const TSonucBilgisi &, int) {
            p.SepetSecimGuncelle(987654, 1);
        });
        QTest::newRow("update with another stock") << Call([this](TServerMethods1Client &p, const TSonucBilgisi &s, int line) {
            const Item &i = items[0];
            p.SepetGuncelle2(&s, s.CARINO(), items[9].stokno, i.barkod, i.adi, 4, i.kdv, i.fiyat, 0, s.Sirano(), line, 0, 0, 0);
        });
        QTest::newRow("update of an unknown line") << Call([this](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            const Item &i = items[0];
            p.SepetGuncelle2(&s, s.CARINO(), 0, i.barkod, i.adi, 4, i.kdv, i.fiyat, 0, s.Sirano(), 987654, 0, 0, 0);
        });
        QTest::newRow("deleting another customer's line") << Call([this](TServerMethods1Client &p, const TSonucBilgisi &, int line) {
            const TSonucBilgisi other = fixture->login(QStringLiteral("EGE"));
            p.SepetSatirSil(&other, line, QString());
        });
        QTest::newRow("order with unknown delivery") << Call([](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            p.SiparisKaydet(&s, s.CARINO(), 99, 1, QString(), s.Sirano(), 1);
        });
        QTest::newRow("order with a company of another cargo kind") << Call([](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            p.SiparisKaydet(&s, s.CARINO(), 1, 1, QString(), s.Sirano(), 4);
        });
        QTest::newRow("order for another customer") << Call([](TServerMethods1Client &p, const TSonucBilgisi &s, int) {
            p.SiparisKaydet(&s, 2, 1, 1, QString(), s.Sirano(), 1);
        });
    }

    void badInputIsRefusedAndChangesNothing()
    {
        QFETCH(std::function<void(TServerMethods1Client &, const TSonucBilgisi &, int)>, call);
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        QCOMPARE(add(demo, items[0], 2), 1);
        DataSet before = basket(demo.CARINO());
        const int line = before.fieldByName(QStringLiteral("SIRANO")).toInt();
        const int orders = orderCount(demo.CARINO());

        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        try {
            call(proxy, demo, line);
            QFAIL("the server accepted bad input");
        } catch (const RemoteError &e) {
            QVERIFY2(e.isServerFailure(), e.what());
            QVERIFY(!e.text().trimmed().isEmpty());
        }
        DataSet after = basket(demo.CARINO());
        QCOMPARE(after.recordCount(), 1);
        QCOMPARE(after.fieldByName(QStringLiteral("MIKTAR")).toDouble(), 2.0);
        QCOMPARE(after.fieldByName(QStringLiteral("SEC")).toInt(), 1);
        QCOMPARE(orderCount(demo.CARINO()), orders);
    }

    // A failure half way through storing an order rolls the whole order back.
    void failingOrderLeavesNoHalfOrder()
    {
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        QCOMPARE(add(demo, items[0], 1), 1);
        QCOMPARE(add(demo, items[7], 1), 1);
        const int orders = orderCount(demo.CARINO());
        const QString triggerSql = QStringLiteral(
            "CREATE TRIGGER test_fail BEFORE INSERT ON siparis_satir WHEN NEW.STOKNO = %1"
            " BEGIN SELECT RAISE(ABORT, 'disk dolu'); END").arg(items[7].stokno);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("trigger"));
            db.setDatabaseName(fixture->databasePath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(triggerSql));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("trigger"));

        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        QVERIFY_THROWS_EXCEPTION(RemoteError, proxy.SiparisKaydet(&demo, demo.CARINO(), 1, 1, QString(), demo.Sirano(), 1));
        QCOMPARE(orderCount(demo.CARINO()), orders);
        QCOMPARE(basket(demo.CARINO()).recordCount(), 2);
        QCOMPARE(fixture->server().store().scalar(QStringLiteral(
                     "SELECT COUNT(*) FROM siparis WHERE IDNO NOT IN (SELECT SIPARISNO FROM siparis_satir)")).toInt(),
                 0);
        fixture->server().store().run(QStringLiteral("DROP TRIGGER test_fail"));
        QVERIFY(proxy.SiparisKaydet(&demo, demo.CARINO(), 1, 1, QString(), demo.Sirano(), 1));
        QCOMPARE(basket(demo.CARINO()).recordCount(), 0);
    }

    // Two dealers filling their baskets and ordering at the same time never see each other's lines.
    void twoClientsFillTwoBasketsAtOnce()
    {
        const TSonucBilgisi first = fixture->login(QStringLiteral("DEMO"));
        const TSonucBilgisi second = fixture->login(QStringLiteral("EGE"));
        clearBasket(first);
        clearBasket(second);
        constexpr int lines = 25;
        auto fill = [this](const TSonucBilgisi &session, int offset, QString *error, bool *ordered) {
            try {
                auto conn = fixture->connect();
                TServerMethods1Client proxy(*conn);
                for (int n = 0; n < lines; ++n) {
                    const Item &i = items[offset + n];
                    if (proxy.SepetEkle2(&session, session.CARINO(), i.stokno, i.barkod, i.adi, 1 + n % 3, i.kdv,
                                         i.fiyat, i.rates[0], session.Sirano(), i.k, i.rates[1], i.rates[2], i.rates[3]) != 1)
                        *error = QStringLiteral("not added");
                }
                *ordered = proxy.SiparisKaydet(&session, session.CARINO(), 2, 2, QString(), session.Sirano(), 4);
            } catch (const std::exception &e) {
                *error = QString::fromUtf8(e.what());
            }
        };
        QString errorA, errorB;
        bool orderedA = false, orderedB = false;
        std::unique_ptr<QThread> a(QThread::create(fill, first, 10, &errorA, &orderedA));
        std::unique_ptr<QThread> b(QThread::create(fill, second, 100, &errorB, &orderedB));
        a->start();
        b->start();
        QVERIFY(a->wait(120000));
        QVERIFY(b->wait(120000));
        QVERIFY2(errorA.isEmpty(), qPrintable(errorA));
        QVERIFY2(errorB.isEmpty(), qPrintable(errorB));
        QVERIFY(orderedA && orderedB);

        auto conn = fixture->connect();
        TServerMethods1Client proxy(*conn);
        for (const auto &[session, offset] : {std::pair{first, 10}, std::pair{second, 100}}) {
            DataSet orders = proxy.OncekiSiparisler(session.CARINO())->toDataSet();
            orders.first();
            DataSet ordered = proxy.SiparisAyrintisi2(session.CARINO(), orders.fieldByName(QStringLiteral("IDNO")).toInt())
                                  ->toDataSet();
            QList<int> got = column(ordered, "STOKNO");
            QList<int> want;
            for (int n = 0; n < lines; ++n)
                want << items[offset + n].stokno;
            std::sort(got.begin(), got.end());
            std::sort(want.begin(), want.end());
            QCOMPARE(got, want);
            QCOMPARE(basket(session.CARINO()).recordCount(), 0);
        }
    }

    // What the server stored is still there after it restarts on the same file.
    void dataSurviveRestart()
    {
        const TSonucBilgisi demo = fixture->login(QStringLiteral("DEMO"));
        clearBasket(demo);
        QCOMPARE(add(demo, items[8], 4), 1);
        const int orders = orderCount(demo.CARINO());
        fixture->restart();
        DataSet lines = basket(demo.CARINO());
        QCOMPARE(lines.recordCount(), 1);
        QCOMPARE(lines.fieldByName(QStringLiteral("STOKNO")).toInt(), items[8].stokno);
        QCOMPARE(lines.fieldByName(QStringLiteral("MIKTAR")).toDouble(), 4.0);
        QCOMPARE(orderCount(demo.CARINO()), orders);
    }
};

QTEST_MAIN(TestAppServerBasket)
#include "tst_appserver_basket.moc"
