#include "../app/LoginTestSupport.h"
#include "../app/TestServer.h"

#include "DSConnection.h"
#include "DataGrid.h"
#include "DataSetModel.h"
#include "baglantiu.h"
#include "staff/seccariu.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTcpServer>
#include <QToolButton>

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestSeccari : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        server = std::make_unique<TestServer>();
        QVERIFY(server->started());
        QVERIFY(server->addUser("YONETICI", "ABC123", 2));
        staffNumber = server->store().scalar("SELECT SIRANO FROM kullanici WHERE ADI = 'YONETICI'").toInt();
        QVERIFY(staffNumber > 0);
    }

    void init()
    {
        desktop = std::make_unique<DesktopRecorder>();
        bag = std::make_unique<vorpa::DSConnection>();
        bag->setHostName("127.0.0.1");
        bag->setPort(QString::number(server->port()));
        session = std::make_unique<TSonucBilgisi>();
        session->setSirano(staffNumber);
        session->setADI("YONETICI");
        session->setSIFRE("ABC123");
        session->setMusteriTipi(2);
        session->setCARINO(0);
        window = std::make_unique<Tseccari>();
        window->bag = bag.get();
        window->bilgim = session.get();
    }

    void cleanup()
    {
        window.reset();
        desktop.reset();
    }

    void searchText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("dotless i") << "ılık ışık" << "ilik işik";
        QTest::newRow("trimmed") << "  FORD  " << "FORD";
        QTest::newRow("blanks only") << "   " << "";
        QTest::newRow("inner blanks kept") << " A  B " << "A  B";
    }

    void searchText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        QCOMPARE(Tseccari::AramaMetni(typed), sent);
    }

    void countersShowTheServersNumbers()
    {
        server->execute("DELETE FROM siparis WHERE DURUM = 5");
        window->SepetSayisiYaz();
        window->TusSonuclari();
        QVERIFY(desktop->messages.isEmpty());
        const int baskets =
            server->store().scalar("SELECT COUNT(DISTINCT CARINO) FROM sepet").toInt();
        QVERIFY(baskets > 0);
        QCOMPARE(child<QToolButton>(window.get(), "sepettus")->text(), QString::number(baskets));
        const std::pair<const char *, int> buttons[] = {{"alinditus", 2},         {"onaylanditus", 3},
                                                        {"goruldutus", 4},        {"parcalihazirlandi", 5},
                                                        {"hazirlanditus", 6},     {"sevktus", 7}};
        for (const auto &[name, status] : buttons) {
            const int orders = server->store()
                                   .scalar("SELECT COUNT(*) FROM siparis WHERE DURUM = ?", {status})
                                   .toInt();
            QCOMPARE(child<QToolButton>(window.get(), name)->text(), QString::number(orders));
        }
        QCOMPARE(child<QToolButton>(window.get(), "parcalihazirlandi")->text(), QStringLiteral("0"));
        QCOMPARE(child<QToolButton>(window.get(), "sBitBtn2")->text(), QString());
        QCOMPARE(child<QToolButton>(window.get(), "sepettus")->toolTip(),
                 QStringLiteral("Sipariş sepetinde \r\nstok olan carileri listeler."));
    }

    void searchListsAndShowsTheFocusedCustomer()
    {
        auto *edit = child<QLineEdit>(window.get(), "NEdit1");
        QVERIFY(child<QGroupBox>(window.get(), "CariBilgileri")->isHidden());
        QTest::keyClicks(edit, "   ");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(desktop->messages.isEmpty());
        const int customers = server->store().scalar("SELECT COUNT(*) FROM cari").toInt();
        QCOMPARE(window->CARILER.recordCount(), customers);
        auto *grid = child<vorpa::DataGrid>(window.get(), "cxGrid1");
        QCOMPARE(grid->summaryText(0), QString::number(customers));
        QCOMPARE(grid->view()->currentIndex().row(), 0);
        QVERIFY(!child<QGroupBox>(window.get(), "CariBilgileri")->isHidden());

        const auto field = [&](const char *name) {
            return window->CARILER.fieldByName(QString::fromLatin1(name));
        };
        window->CARILER.setRecNo(0);
        QCOMPARE(child<QLabel>(window.get(), "carikod")->text(), field("CARIKOD").toString());
        QCOMPARE(child<QLabel>(window.get(), "cariadi")->text(), field("CARIADI").toString());
        QCOMPARE(child<QLabel>(window.get(), "ilce")->text(),
                 field("ILCE").toString() + "/" + field("IL").toString());
        QCOMPARE(child<QLabel>(window.get(), "bakiye")->text(),
                 QLocale().toString(field("TLBAKIYE").toDouble(), 'f', 2) + " " + field("DURUM").toString());

        // Shown and hidden columns.
        const auto *model = grid->model();
        QStringList shown;
        for (int c = 0; c < model->columnCount(); ++c) {
            if (!grid->view()->isColumnHidden(c))
                shown << model->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(shown, (QStringList{"CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET", "ALINDI",
                                     "ONAYLANDI", "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI"}));

        // The details follow the focused row.
        grid->setFocusedRow(1);
        window->CARILER.setRecNo(1);
        QCOMPARE(child<QLabel>(window.get(), "carikod")->text(), field("CARIKOD").toString());
        QCOMPARE(edit->selectedText(), edit->text());
    }

    void choosingWritesTheSessionRecord()
    {
        window->CariSepetVer(1);
        QVERIFY(window->CARILER.recordCount() > 0);
        auto *grid = child<vorpa::DataGrid>(window.get(), "cxGrid1");
        grid->setFocusedRow(window->CARILER.recordCount() - 1);
        window->CARILER.setRecNo(window->CARILER.recordCount() - 1);
        const int carino = window->CARILER.fieldByName("CARINO").toInt();
        const QString code = window->CARILER.fieldByName("CARIKOD").toString();
        const QString name = window->CARILER.fieldByName("CARIADI").toString();
        QVERIFY(window->CARILER.fieldByName("SEPET").toInt() > 0);
        child<QPushButton>(window.get(), "Button1")->click();
        QCOMPARE(window->result(), 1);
        QCOMPARE(session->CARINO(), carino);
        QCOMPARE(session->carikod(), code);
        QCOMPARE(session->CariAdi(), name);
        QCOMPARE(session->ADI(), QStringLiteral("YONETICI"));
        QCOMPARE(session->MusteriTipi(), 2);
    }

    void customerGridSearchesByTypingAndChoosesByDoubleClick()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->CariAra();
        auto *grid = child<vorpa::DataGrid>(window.get(), "cxGrid1");
        const int rows = window->CARILER.recordCount();
        QVERIFY(rows > 2);
        QCOMPARE(grid->look().gridLineColor, QColor(143, 170, 220));
        QCOMPARE(grid->view()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(grid->summaries().size(), 1);
        QCOMPARE(grid->summaries().first().column, QStringLiteral("CARIKOD"));

        // A header filter set on one list does not hide rows of the next.
        grid->setColumnFilter("CARIKOD", {grid->model()->cellText(0, grid->columnIndex("CARIKOD"))});
        QCOMPARE(grid->rowCount(), 1);
        window->CariAra();
        QVERIFY(!grid->hasFilters());
        QCOMPARE(grid->rowCount(), rows);
        QCOMPARE(grid->focusedRow(), 0);

        // Amounts in the amount format; columns fitted to what they hold.
        const int balance = grid->columnIndex("TLBAKIYE");
        window->CARILER.setRecNo(0);
        QCOMPARE(grid->model()->cellText(0, balance),
                 QLocale().toString(window->CARILER.fieldByName("TLBAKIYE").toDouble(), 'f', 2));
        const int name = grid->columnIndex("CARIADI");
        int widest = 0;
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, QFontMetrics(grid->look().font).horizontalAdvance(grid->model()->cellText(r, name)));
        QVERIFY2(grid->columnWidth("CARIADI") >= widest, qPrintable(QString::number(widest)));

        // The hidden columns are offered to the user, unticked; the shown ones ticked.
        std::unique_ptr<QMenu> chooser = grid->createColumnChooser();
        QHash<QString, bool> ticked;
        for (const QAction *action : chooser->actions())
            ticked.insert(action->text(), action->isChecked());
        QCOMPARE(ticked.size(), grid->columns().size());
        QCOMPARE(ticked.value("CARIKOD"), true);
        for (const char *hidden : {"CARINO", "KOD5", "VADEKONTROLAY", "EMAIL"}) {
            QVERIFY2(ticked.contains(hidden), hidden);
            QVERIFY2(!ticked.value(hidden), hidden);
        }

        // Typing in the grid finds a customer by its code; the details follow.
        const int wanted = rows - 1;
        window->CARILER.setRecNo(wanted);
        const QString code = window->CARILER.fieldByName("CARIKOD").toString();
        const int carino = window->CARILER.fieldByName("CARINO").toInt();
        grid->view()->setFocus();
        QTest::keyClicks(grid->view(), code);
        QCOMPARE(grid->focusedRow(), wanted);
        QCOMPARE(child<QLabel>(window.get(), "carikod")->text(), code);

        // A double-click chooses the customer under the pointer.
        const QModelIndex cell = grid->view()->currentIndex();
        grid->view()->scrollTo(cell);
        const QPoint centre = grid->view()->visualRect(cell).center();
        QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, centre); // a double click's first press
        QTest::mouseDClick(grid->view()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(window->result(), 1);
        QCOMPARE(session->CARINO(), carino);
        QCOMPARE(session->carikod(), code);
    }

    void emptyListHidesTheDetailsAndChoosesNothing()
    {
        window->CariAra();
        QVERIFY(!child<QGroupBox>(window.get(), "CariBilgileri")->isHidden());
        child<QLineEdit>(window.get(), "NEdit1")->setText("QQQZZZ YOK");
        window->CariAra();
        QCOMPARE(window->CARILER.recordCount(), 0);
        QVERIFY(child<QGroupBox>(window.get(), "CariBilgileri")->isHidden());
        child<QPushButton>(window.get(), "Button1")->click();
        QCOMPARE(window->result(), 0);
        QCOMPARE(session->CARINO(), 0);
    }

    void failingCallReachesTheErrorReportAndKeepsTheCounter()
    {
        window->SepetSayisiYaz();
        const QString before = child<QToolButton>(window.get(), "sepettus")->text();
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        bag->setPort(QString::number(closed.serverPort()));
        closed.close();
        window->SepetSayisiYaz();
        QCOMPARE(desktop->messages.size(), 1);
        QCOMPARE(desktop->messages.first().kind, std::optional(vorpa::MessageKind::Error));
        QCOMPARE(child<QToolButton>(window.get(), "sepettus")->text(), before);
    }

    void geometryAndCancel()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect area = window->screen()->availableGeometry();
        QCOMPARE(window->geometry(), QRect(area.x() + 50, area.y() + 50, area.width() - 100, area.height() - 100));
        QCOMPARE(window->windowTitle(), QStringLiteral("Cari Seçimi"));
        child<QPushButton>(window.get(), "Button2")->click();
        QCOMPARE(desktop->exits, QList<int>{0});
        QVERIFY(!window->isVisible());
    }

    void emptyBasketsLeaveTheBasketButtonBlank()
    {
        server->execute("DELETE FROM sepet");
        window->SepetSayisiYaz();
        QCOMPARE(child<QToolButton>(window.get(), "sepettus")->text(), QString());
    }

private:
    std::unique_ptr<TestServer> server;
    std::unique_ptr<DesktopRecorder> desktop;
    std::unique_ptr<vorpa::DSConnection> bag;
    std::unique_ptr<TSonucBilgisi> session;
    std::unique_ptr<Tseccari> window;
    int staffNumber = 0;
};

QTEST_MAIN(TestSeccari)
#include "tst_seccari.moc"
