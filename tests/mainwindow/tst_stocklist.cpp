#include "ConnectionRetry.h"
#include "DataGrid.h"
#include "Dispatcher.h"
#include "ImageControl.h"
#include "PriceInfoCell.h"
#include "ReferenceServer.h"
#include "RemoteServer.h"
#include "StockListGrid.h"
#include "StockListHarness.h"
#include "dialogs/AmountEdit.h"
#include "dialogs/stokayarintiU.h"
#include "staff/hareket_stoku.h"
#include "staff/tumsiparislerU.h"
#include "utils.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <functional>

using vorpa::MessageRequest;

namespace {

// Answers every message box with OK and keeps what it was asked.
struct MessageLog {
    QList<MessageRequest> requests;
    MessageLog()
    {
        vorpa::setMessageHandler([this](const MessageRequest &r) {
            requests << r;
            return vorpa::ModalResult::Ok;
        });
    }
    ~MessageLog() { vorpa::setMessageHandler({}); }
    QStringList texts() const
    {
        QStringList t;
        for (const MessageRequest &r : requests)
            t << r.text;
        return t;
    }
};

// Runs handle on the first modal dialog of type T that opens, from the event loop.
template <typename T>
void whenModal(std::function<void(T &)> handle)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handle(*dialog);
    });
    timer->start();
}

// Types text key by key, as a keyboard would (the test library only types ASCII itself).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

bool search(StockListHarness &h)
{
    QSignalSpy finished(h.tab.get(), &vorpa::StockListTab::searchFinished);
    QTest::keyClick(h.araedit, Qt::Key_Return);
    if (!finished.wait(60000) && finished.isEmpty())
        return false;
    return finished.first().first().toBool();
}

int rowOfStock(const vorpa::DataSet &rows, int stokno)
{
    const int column = rows.fieldIndex(QStringLiteral("STOK_STOKNO"));
    for (int row = 0; row < rows.recordCount(); ++row)
        if (rows.intValue(row, column) == stokno)
            return row;
    return -1;
}

} // namespace

class TestStockList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        vorpa::InstallRetryMessages();
        vorpa::setRetryDelay(std::chrono::milliseconds(0));
        m_server = std::make_unique<ReferenceServer>();
        m_dealer = m_server->session();
        QCOMPARE(m_dealer.ADI(), QStringLiteral("DEMO"));
    }
    void cleanupTestCase() { m_server.reset(); }

    void typedTextIsSearchedAsShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("turkish letters") << QStringLiteral("şöçğ") << QStringLiteral("SOCG");
        QTest::newRow("dotless and dotted i") << QStringLiteral("ıiİ") << QStringLiteral("III");
        QTest::newRow("capitals") << QStringLiteral("ĞÜŞÇÖ") << QStringLiteral("GUSCO");
        QTest::newRow("leading blanks kept") << QStringLiteral("  fren") << QStringLiteral("  FREN");
        QTest::newRow("empty field still searches") << QString() << QString();
    }
    void typedTextIsSearchedAsShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        MessageLog messages;
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        typeText(h.araedit, typed);
        QCOMPARE(h.araedit->text(), sent);
        const int before = m_server->searches().size();
        QVERIFY(search(h));
        QCOMPARE(m_server->searches().size(), before + 1);
        QCOMPARE(m_server->searches().last(), sent);
        QCOMPARE(h.caption(), QString::number(h.stok.recordCount()) + QStringLiteral("=Stok Listesi"));
        QCOMPARE(h.tab->cxGrid1()->rowCount(), h.stok.recordCount());
        QVERIFY(h.araedit->isEnabled());
        QVERIFY(h.gifstokara->isHidden());
        QVERIFY(messages.requests.isEmpty());
    }

    void pastedTextIsOnlyUpperCased()
    {
        StockListHarness h(m_dealer);
        QGuiApplication::clipboard()->setText(QStringLiteral("şöç"));
        h.araedit->paste();
        QCOMPARE(h.araedit->text(), QStringLiteral("ŞÖÇ"));
    }

    void searchFieldIsDisabledWhileSearching()
    {
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        h.tabs->setCurrentIndex(1);
        QSignalSpy finished(h.tab.get(), &vorpa::StockListTab::searchFinished);
        h.tab->Ara();
        QCOMPARE(h.tabs->currentIndex(), 0);
        QVERIFY(!h.araedit->isEnabled());
        QVERIFY(!h.gifstokara->isHidden());
        h.tab->Ara(); // ignored while one runs
        h.temizle->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.size(), 1);
        QVERIFY(h.stok.recordCount() > 0); // "Temizle" did not clear during the search
    }

    // Every kind of failure empties the list, says so once and puts the plain caption back.
    void failedSearch_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("server down") << QStringLiteral("down");
        QTest::newRow("server refuses") << QStringLiteral("refuse");
        QTest::newRow("result without IND1") << QStringLiteral("no IND1");
    }
    void failedSearch()
    {
        QFETCH(QString, kind);
        MessageLog messages;
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        QTest::keyClicks(h.araedit, QStringLiteral("fren"));
        QVERIFY(search(h));
        QVERIFY(h.stok.recordCount() > 0);

        vorpa::Dispatcher dispatcher;
        dispatcher.registerOperation(QStringLiteral("VorpaStokAraGetir"), [](const vorpa::CallParams &) {
            return vorpa::CallResult::packet(vorpa::DataSet({{QStringLiteral("STOK_STOKNO"), vorpa::FieldType::Int32}}));
        });
        vorpa::RemoteServer partial(dispatcher);
        if (kind == QLatin1String("down")) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            h.bagc.setPort(closed.serverPort());
            closed.close();
        } else if (kind == QLatin1String("refuse")) {
            h.araedit->setText(QString(201, u'A'));
        } else {
            QVERIFY(partial.listen(QHostAddress::LocalHost, 0));
            h.bagc.setPort(partial.port());
        }
        messages.requests.clear();
        QVERIFY(!search(h));
        QCOMPARE(h.stok.recordCount(), 0);
        QCOMPARE(h.caption(), QStringLiteral("Stok Listesi"));
        QVERIFY(h.araedit->isEnabled());
        QVERIFY(!messages.requests.isEmpty());
        const MessageRequest &last = messages.requests.last();
        QCOMPARE(last.text, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(last.kind, std::optional(vorpa::MessageKind::Error));
        QCOMPARE(messages.texts().count(last.text), 1);
    }

    void clearEmptiesListAndField()
    {
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        QTest::keyClicks(h.araedit, QStringLiteral("fren"));
        QVERIFY(search(h));
        h.tab->cxGrid1()->setColumnFilter(QStringLiteral("MARKA"), {h.stok.stringValue(0, h.stok.fieldIndex(QStringLiteral("MARKA")))});
        QVERIFY(h.tab->cxGrid1()->hasFilters());
        h.tabs->setCurrentIndex(1);
        h.temizle->click();
        QCOMPARE(h.stok.recordCount(), 0);
        QCOMPARE(h.caption(), QStringLiteral("Stok Listesi"));
        QCOMPARE(h.tabs->currentIndex(), 0);
        QVERIFY(!h.tab->cxGrid1()->hasFilters());
        QVERIFY(h.araedit->text().isEmpty());
    }

    void customerChangeLeavesEmptyList()
    {
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        QVERIFY(search(h));
        h.tabs->setCurrentIndex(1);
        h.tab->CariDegisti();
        QCOMPARE(h.stok.recordCount(), 0);
        QCOMPARE(h.caption(), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(h.tabs->currentIndex(), 0);
    }

    void layoutFollowsWindowWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wide");
        QTest::newRow("1152 narrow") << 1152 << false;
        QTest::newRow("1153 wide") << 1153 << true;
        QTest::newRow("1600 wide") << 1600 << true;
        QTest::newRow("900 narrow") << 900 << false;
    }
    void layoutFollowsWindowWidth()
    {
        QFETCH(int, width);
        QFETCH(bool, wide);
        StockListHarness h(m_dealer, 1000);
        vorpa::DataGrid *grid = h.tab->cxGrid1();
        grid->setColumnVisible(QStringLiteral("OEM2"), true); // as the user may choose
        h.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.window));
        h.window.resize(width, 800);
        QTRY_COMPARE(grid->rowHeight(), wide ? 60 : 100);
        for (const char *field : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
            QCOMPARE(grid->isColumnVisible(QString::fromLatin1(field)), wide);
        QCOMPARE(grid->isColumnVisible(vorpa::StockListGrid::PriceInfoColumn), !wide);
        if (!wide) {
            QCOMPARE(grid->columnWidth(vorpa::StockListGrid::PriceInfoColumn), 150);
            QCOMPARE(grid->columnWidth(QStringLiteral("OEM2")), 80);
        } else {
            // By weight: "Açıklama" (3) is three times as wide as "Resim" (1).
            QCOMPARE(grid->columnWidth(QStringLiteral("ADI")), 3 * grid->columnWidth(QStringLiteral("RESIM")));
        }
    }

    void layoutWaitsWhileSearching()
    {
        StockListHarness h(m_dealer, 1300);
        h.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.window));
        QTRY_COMPARE(h.tab->cxGrid1()->rowHeight(), 60);
        h.araedit->setEnabled(false);
        h.window.resize(1000, 800);
        QTest::qWait(50);
        QCOMPARE(h.tab->cxGrid1()->rowHeight(), 60);
    }

    void priceInformationText_data()
    {
        QTest::addColumn<double>("list");
        QTest::addColumn<double>("campaign");
        QTest::addColumn<double>("net");
        QTest::addColumn<double>("withVat");
        QTest::addColumn<QString>("text");
        QTest::newRow("no campaign") << 1250.0 << 0.0 << 1000.0 << 1200.0
                                     << QStringLiteral("Liste Fiyatı: 1.250,00\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.200,00\r\n");
        QTest::newRow("negative campaign") << 10.0 << -5.0 << 9.5 << 11.4
                                           << QStringLiteral("Liste Fiyatı: 10,00\r\nNetFiyat: 9,50\r\nKDV li Fiyat: 11,40\r\n");
        QTest::newRow("campaign") << 1234567.891 << 0.5 << 0.0 << 0.005
                                  << QStringLiteral("Liste Fiyatı: 1.234.567,89\r\nKampanyalı Fiyat: 0,50\r\n"
                                                    "NetFiyat: 0,00\r\nKDV li Fiyat: 0,01\r\n");
    }
    void priceInformationText()
    {
        QFETCH(double, list);
        QFETCH(double, campaign);
        QFETCH(double, net);
        QFETCH(double, withVat);
        QFETCH(QString, text);
        QCOMPARE(vorpa::PriceInfoText({list, campaign, net, withVat}), text);
    }

    // The drawn cell fills with the colour of its row's state and leaves the margins empty.
    void priceInformationCellBackground_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("even row") << 0 << false << QColor(239, 239, 239);
        QTest::newRow("odd row") << 1 << false << QColor(255, 255, 255);
        QTest::newRow("selected") << 1 << true << QColor(210, 240, 249);
    }
    void priceInformationCellBackground()
    {
        QFETCH(int, row);
        QFETCH(bool, selected);
        QFETCH(QColor, expected);
        vorpa::DataSet rows({{QStringLiteral("LISTEFIYAT1"), vorpa::FieldType::Double},
                             {QStringLiteral("KAMPFIYAT"), vorpa::FieldType::Double},
                             {QStringLiteral("NETFIYAT"), vorpa::FieldType::Double},
                             {QStringLiteral("KDVDAHIL"), vorpa::FieldType::Double}});
        rows.appendRow({1250.0, 0.0, 1000.0, 1200.0});
        rows.appendRow({1250.0, 0.0, 1000.0, 1200.0});
        vorpa::CellStyle style;
        style.evenBackground = QColor(239, 239, 239);
        style.oddBackground = QColor(255, 255, 255);
        style.selectedBackground = QColor(210, 240, 249);
        style.background = Qt::red; // must not be used: the cell picks its own colour
        style.textColor = Qt::black;
        style.selectedTextColor = Qt::black;
        style.selected = selected;
        QImage image(150, 100, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter painter(&image);
        vorpa::DrawPriceInfoCell(&painter, image.rect(), vorpa::RowValues(&rows, row), style);
        painter.end();
        QCOMPARE(QColor(image.pixel(2, 2)), expected);
        QCOMPARE(QColor(image.pixel(145, 50)), expected); // inside the right margin
        // Right-aligned: some text ink close to the right margin, none close to the left.
        bool inkRight = false;
        for (int y = 0; y < 100 && !inkRight; ++y)
            for (int x = 120; x < 140; ++x)
                inkRight = inkRight || QColor(image.pixel(x, y)) != expected;
        QVERIFY(inkRight);
    }

    // Double-click on an item already in the basket opens that line with the basket's quantity;
    // cancelling sends and reloads nothing, confirming changes the line with its own rates.
    void itemInBasketOpensItsLine()
    {
        MessageLog messages;
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        QVERIFY(h.basket.SepetiYenile());
        QVERIFY(h.sepet.recordCount() > 0);
        h.sepet.first();
        const int stokno = int(h.sepet.fieldByName(QStringLiteral("STOKNO")).toLongLong());
        const int sirano = int(h.sepet.fieldByName(QStringLiteral("SIRANO")).toLongLong());
        const int miktar = qRound(h.sepet.fieldByName(QStringLiteral("MIKTAR")).toDouble());
        const QString barkod = h.sepet.fieldByName(QStringLiteral("BARKOD")).toString();
        const double ind1 = h.sepet.fieldByName(QStringLiteral("INDIRIMORANI1")).toDouble();
        h.sepet.close(); // the list loads the basket itself when it needs it

        h.araedit->setText(barkod);
        QVERIFY(search(h));
        const int row = rowOfStock(h.stok, stokno);
        QVERIFY(row >= 0);
        h.tab->cxGrid1()->setFocusedRow(row);

        int shownQuantity = -1;
        whenModal<Tstokayarinti>([&](Tstokayarinti &d) {
            shownQuantity = d.adet->value();
            d.ParcaliTus2->click();
        });
        const int callsBefore = m_server->basketCalls().size();
        emit h.tab->cxGrid1()->rowDoubleClicked(row, 0);
        QCOMPARE(shownQuantity, miktar);
        QCOMPARE(m_server->basketCalls().size(), callsBefore);
        const int loads = m_server->basketLoads();

        whenModal<Tstokayarinti>([&](Tstokayarinti &d) {
            d.adet->setValue(miktar + 4);
            d.edindirim1->setValue(ind1 + 7); // typed rates are not what is sent for a basket line
            d.ParcaliTus1->click();
        });
        h.tab->SepeteEkle();
        const QList<ReferenceServer::BasketCall> calls = m_server->basketCalls();
        QCOMPARE(calls.size(), callsBefore + 1);
        QCOMPARE(calls.last().operation, QStringLiteral("SepetGuncelle2"));
        QCOMPARE(calls.last().stokno, 0);
        QCOMPARE(calls.last().sirano, sirano);
        QCOMPARE(calls.last().miktar, double(miktar + 4));
        QCOMPARE(calls.last().ind[0], ind1);
        QVERIFY(m_server->basketLoads() > loads);
        QVERIFY(h.sepet.locate(QStringLiteral("SIRANO"), sirano));
        QCOMPARE(h.sepet.fieldByName(QStringLiteral("MIKTAR")).toDouble(), double(miktar + 4));
        QVERIFY(messages.requests.isEmpty());
    }

    // An item not in the basket opens a new line filled from its row; confirming adds it.
    void newItemAddsLine_data()
    {
        QTest::addColumn<QString>("workstation");
        QTest::addColumn<bool>("staff");
        QTest::newRow("dealer") << QString::fromLatin1(vorpa::SampleData::DemoWorkstation) << false;
        QTest::newRow("dealer role 3") << QStringLiteral("VORPA-MARMARA") << false;
    }
    void newItemAddsLine()
    {
        QFETCH(QString, workstation);
        QFETCH(bool, staff);
        MessageLog messages;
        StockListHarness h(m_server->session(workstation));
        m_server->pointAt(h.bagc);
        h.window.show();
        QVERIFY(search(h));
        QVERIFY(h.basket.SepetiYenile());
        int row = -1;
        for (int r = 0; r < h.stok.recordCount() && row < 0; ++r) {
            const int stokno = int(h.stok.intValue(r, h.stok.fieldIndex(QStringLiteral("STOK_STOKNO"))));
            if (!h.sepet.locate(QStringLiteral("STOKNO"), stokno))
                row = r;
        }
        QVERIFY(row >= 0);
        h.stok.setRecNo(row);
        const int stokno = int(h.stok.fieldByName(QStringLiteral("STOK_STOKNO")).toLongLong());
        const double fiyat = h.stok.fieldByName(QStringLiteral("FIYAT")).toDouble();
        const int k = int(h.stok.fieldByName(QStringLiteral("K")).toLongLong());
        h.tab->cxGrid1()->setFocusedRow(row);

        bool panelShown = true;
        QString caption;
        whenModal<Tstokayarinti>([&](Tstokayarinti &d) {
            panelShown = d.GridPanel2->isVisible();
            caption = d.indirimoran->text();
            d.adet->setValue(3);
            d.ParcaliTus1->click();
        });
        h.tab->SepeteEkle();
        QCOMPARE(panelShown, staff);
        QVERIFY(caption.startsWith(k > 0 ? QStringLiteral("Kampanyalı ") : QStringLiteral("İndirim: %")));
        const ReferenceServer::BasketCall call = m_server->basketCalls().last();
        QCOMPARE(call.operation, QStringLiteral("SepetEkle2"));
        QCOMPARE(call.stokno, stokno);
        QCOMPARE(call.miktar, 3.0);
        QCOMPARE(call.fiyat, fiyat);
        QCOMPARE(call.k, k);
        QVERIFY(h.sepet.locate(QStringLiteral("STOKNO"), stokno));
        QVERIFY(messages.requests.isEmpty());
    }

    void noFocusedRowDoesNothing()
    {
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        const int loads = m_server->basketLoads();
        h.tab->SepeteEkle();
        h.tab->StokHareketleri();
        h.tab->SiparisleriGoster();
        QCOMPARE(m_server->basketLoads(), loads);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void addRefusedWithZeroChangesNothing()
    {
        ReferenceServer refusing([](vorpa::Dispatcher &d, ServerMethods1 &) {
            d.registerOperation(QStringLiteral("SepetEkle2"),
                                [](const vorpa::CallParams &) { return vorpa::CallResult::integer(0); });
        });
        MessageLog messages;
        StockListHarness h(refusing.session());
        refusing.pointAt(h.bagc);
        QVERIFY(search(h));
        QVERIFY(h.basket.SepetiYenile());
        const int lines = h.sepet.recordCount();
        const int loads = refusing.basketLoads();
        h.stok.first();
        h.basket.SatirEkle(h.stok, 2, 10, 0, 0, 0, 0);
        QCOMPARE(refusing.basketLoads(), loads);
        QCOMPARE(h.sepet.recordCount(), lines);
        QVERIFY(messages.requests.isEmpty());
    }

    void stockPicture_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("message");
        QTest::newRow("whole picture") << QStringLiteral("whole") << true << QString();
        QTest::newRow("shorter than announced") << QStringLiteral("short") << false << QString();
        QTest::newRow("not a JPEG") << QStringLiteral("garbage") << false << QStringLiteral("PictureDecodeError: ");
        QTest::newRow("server error") << QStringLiteral("error") << false << QStringLiteral("RemoteError: Resim yok");
    }
    void stockPicture()
    {
        QFETCH(QString, answer);
        QFETCH(bool, replaced);
        QFETCH(QString, message);
        ReferenceServer server([answer](vorpa::Dispatcher &d, ServerMethods1 &m) {
            d.registerOperation(QStringLiteral("ResimVer5"), [answer, &m](const vorpa::CallParams &p) {
                const QByteArray jpeg = m.ResimVer5(p.integer(0));
                if (answer == QLatin1String("short"))
                    return vorpa::CallResult::stream(jpeg, jpeg.size() + 10);
                if (answer == QLatin1String("garbage"))
                    return vorpa::CallResult::stream(QByteArray(3000, 'x'));
                if (answer == QLatin1String("error"))
                    throw std::runtime_error("Resim yok");
                return vorpa::CallResult::stream(jpeg);
            });
        });
        MessageLog messages;
        StockListHarness h(server.session());
        server.pointAt(h.bagc);
        vorpa::ImageControl picture;
        QPixmap builtIn(5, 5);
        builtIn.fill(Qt::green);
        picture.setPicture(builtIn);
        const int withPicture = server.store().scalar(QStringLiteral("SELECT MIN(STOKNO) FROM stok_resim")).toInt();
        QVERIFY(withPicture > 0);
        h.basket.StokResmiAl(withPicture, &picture);
        QCOMPARE(picture.picture().size() != builtIn.size(), replaced);
        if (message.isEmpty()) {
            QVERIFY(messages.requests.isEmpty());
        } else {
            QCOMPARE(messages.requests.size(), 1);
            QVERIFY2(messages.requests.first().text.startsWith(message), qPrintable(messages.requests.first().text));
            QVERIFY(!messages.requests.first().kind.has_value());
        }
        QVERIFY(!h.bagc.Connected());
    }

    // The pop-up menu: its entries in order; the two movement windows open on the focused item.
    void popupMenu()
    {
        StockListHarness h(m_dealer);
        m_server->pointAt(h.bagc);
        h.window.show();
        QVERIFY(search(h));
        QStringList entries;
        for (QAction *a : h.tab->popstok()->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(entries, (QStringList{QStringLiteral("Sepete Ekle"), QStringLiteral("-"),
                                        QStringLiteral("Sipariş Bakiyeleriniz"), QStringLiteral("-"),
                                        QStringLiteral("Siparişleri Göster"), QStringLiteral("-"),
                                        QStringLiteral("Stok Hareketleri")}));
        h.tab->cxGrid1()->setFocusedRow(0);
        const int stokno = int(h.stok.intValue(0, h.stok.fieldIndex(QStringLiteral("STOK_STOKNO"))));

        h.tab->popstok()->actions().at(2)->trigger(); // "Sipariş Bakiyeleriniz": nothing opens
        QVERIFY(!QApplication::activeModalWidget());

        int shownStock = -1;
        whenModal<Ttumsiparisler>([&](Ttumsiparisler &w) {
            shownStock = w.stokno;
            w.reject();
        });
        h.tab->popstok()->actions().at(4)->trigger();
        QCOMPARE(shownStock, stokno);

        bool movementsShown = false;
        whenModal<Thareket_stok>([&](Thareket_stok &w) {
            movementsShown = w.har.isActive();
            w.reject();
        });
        h.tab->popstok()->actions().at(6)->trigger();
        QVERIFY(movementsShown);
    }

private:
    std::unique_ptr<ReferenceServer> m_server;
    TSonucBilgisi m_dealer;
};

QTEST_MAIN(TestStockList)
#include "tst_stocklist.moc"
