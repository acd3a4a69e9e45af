#include "ConnectionRetry.h"
#include "DataGrid.h"
#include "Dispatcher.h"
#include "PictureText.h"
#include "ReferenceServer.h"
#include "RemoteServer.h"
#include "StartupFeeds.h"
#include "StockListTab.h"
#include "mainwindow/Unit1.h"
#include "mobilstokunit.h"
#include "requests/acilisreklamu.h"
#include "staff/seccariu.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// Records what the desktop was asked to do instead of doing it.
struct DesktopLog {
    QList<int> exits;
    QStringList opened;
    DesktopLog()
    {
        vorpa::setExitHandler([this](int code) { exits << code; });
        vorpa::setShellOpenHandler([this](const QString &target, const QStringList &) {
            opened << target;
            return true;
        });
    }
    ~DesktopLog()
    {
        vorpa::setExitHandler({});
        vorpa::setShellOpenHandler({});
    }
};

// Answers every message box with a fixed result and keeps the requests.
struct Answers {
    QList<vorpa::MessageRequest> asked;
    explicit Answers(int result)
    {
        vorpa::setMessageHandler([this, result](const vorpa::MessageRequest &r) {
            asked << r;
            return result;
        });
    }
    ~Answers() { vorpa::setMessageHandler({}); }
};

QTabWidget *tabs(TForm1 &form)
{
    return form.sPageControl1();
}

QString tabCaption(TForm1 &form, const char *page)
{
    QTabWidget *t = tabs(form);
    return t->tabText(t->indexOf(form.findChild<QWidget *>(QString::fromLatin1(page))));
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        vorpa::InstallRetryMessages();
        vorpa::setRetryDelay(std::chrono::milliseconds(0));
    }

    void layoutAsBuilt()
    {
        TForm1 form;
        QStringList captions;
        for (int i = 0; i < tabs(form)->count(); ++i)
            captions << tabs(form)->tabText(i);
        QCOMPARE(captions, (QStringList{QStringLiteral("Stok Listesi"), QStringLiteral("Sepet"),
                                         QStringLiteral("Önceki Siparişler"), QStringLiteral("Cari Ekstre"),
                                         QStringLiteral("Yeni Stoklar"), QStringLiteral("Kampanyalı Stoklar"),
                                         QStringLiteral("Duyurular"), QStringLiteral("Bakiyeler"),
                                         QStringLiteral("Sanal Pos")}));
        QCOMPARE(tabs(form)->currentWidget()->objectName(), QStringLiteral("sstoklistesi"));
        for (const char *busy : {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifsepet",
                                 "gifekstre"})
            QVERIFY(form.findChild<QWidget *>(QString::fromLatin1(busy))->isHidden());
        QVERIFY(form.findChild<QWidget *>(QStringLiteral("musteritus"))->isHidden());
        QCOMPARE(form.findChild<QWidget *>(QStringLiteral("RxGIFAnimator2"))->maximumHeight(), 0);
        QCOMPARE(form.findChild<QWidget *>(QStringLiteral("Panel5"))->maximumHeight(), 40);
        QStringList legend;
        for (QLabel *label : form.findChild<QWidget *>(QStringLiteral("durumPanel"))->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                legend << label->text();
        QCOMPARE(legend, (QStringList{QStringLiteral("Durum Açıklaması:    "), QStringLiteral(" Stok mevcut  "),
                                       QStringLiteral(" Kritik Seviye "), QStringLiteral(" Telefon Açınız  "),
                                       QStringLiteral(" Yolda  "), QStringLiteral(" Tedarik Sürecinde "),
                                       QStringLiteral(" Özel Sipariş  "), QStringLiteral(" Yok  ")}));
    }

    void generalMenu()
    {
        DesktopLog desktop;
        TForm1 form;
        QStringList entries;
        for (QAction *a : form.generalMenu()->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
        const QString site = entries.value(4);
        QVERIFY(!site.isEmpty());
        QCOMPARE(entries, (QStringList{QStringLiteral("Mail Gönder"), QStringLiteral("-"),
                                        QStringLiteral("Şifre Değiştirme İsteği"), QStringLiteral("-"), site,
                                        QStringLiteral("-"), QStringLiteral("Çıkış"), QStringLiteral("-"),
                                        QStringLiteral("Raporlar")}));
        auto *araedit = form.findChild<QLineEdit *>(QStringLiteral("araedit"));
        araedit->setText(QStringLiteral("FREN"));
        form.generalMenu()->actions().at(4)->trigger();
        QCOMPARE(desktop.opened, QStringList{site});
        QCOMPARE(araedit->selectedText(), QStringLiteral("FREN"));
    }

    void rolesShapeTheWindow_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("staff");
        QTest::addColumn<bool>("campaigns");
        QTest::newRow("staff 1") << 1 << true << true;
        QTest::newRow("staff 2") << 2 << true << true;
        QTest::newRow("dealer 0") << 0 << false << true;
        QTest::newRow("dealer 3") << 3 << false << true;
        QTest::newRow("dealer 4") << 4 << false << false;
    }
    void rolesShapeTheWindow()
    {
        QFETCH(int, role);
        QFETCH(bool, staff);
        QFETCH(bool, campaigns);
        TForm1 form;
        form.sbilgi().setMusteriTipi(role);
        form.ApplyRoleRules();
        QCOMPARE(!form.findChild<QWidget *>(QStringLiteral("musteritus"))->isHidden(), staff);
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("R1"))->isVisible(), staff);
        QCOMPARE(tabs(form)->isTabVisible(5), campaigns);
        vorpa::DataGrid *grid = form.stockList().cxGrid1();
        QCOMPARE(grid->isColumnVisible(QStringLiteral("KALAN")), staff);
        QCOMPARE(grid->isColumnOffered(QStringLiteral("ALINANSIPARIS")), staff);
        QCOMPARE(grid->isColumnVisible(QStringLiteral("K")), campaigns);
    }

    void closingQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Evet") << vorpa::ModalResult::Yes << true;
        QTest::newRow("Hayır") << vorpa::ModalResult::No << false;
        QTest::newRow("box closed") << vorpa::ModalResult::Cancel << false;
    }
    void closingQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        DesktopLog desktop;
        Answers answers(answer);
        TForm1 form;
        form.show();
        form.findChild<QAction *>(QStringLiteral("G1"))->trigger(); // "Çıkış" asks the same
        QCOMPARE(answers.asked.size(), 1);
        const vorpa::MessageRequest &q = answers.asked.first();
        QCOMPARE(q.text, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
        QCOMPARE(q.kind, std::optional(vorpa::MessageKind::Confirmation));
        QCOMPARE(q.buttons, vorpa::YesNoButtons);
        QCOMPARE(q.defaultButton, vorpa::MessageButton::Yes);
        QCOMPARE(desktop.exits, ends ? QList<int>{0} : QList<int>{});
        QVERIFY(form.isVisible());
    }

    // A click on an advertisement whose search text is "#YENİ#" leads to the new items tab; any
    // other text is searched for in the stock list.
    void advertisementLeadsToTab_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("page");
        QTest::newRow("new items") << QStringLiteral("#YENİ#") << QStringLiteral("syeniler");
        QTest::newRow("campaigns") << QStringLiteral("#KAMPANYA#") << QStringLiteral("skampanyali");
        QTest::newRow("search") << QStringLiteral("fren") << QStringLiteral("sstoklistesi");
    }
    void advertisementLeadsToTab()
    {
        QFETCH(QString, search);
        QFETCH(QString, page);
        ReferenceServer server([search](vorpa::Dispatcher &d, ServerMethods1 &m) {
            d.registerOperation(QStringLiteral("AcilisReklamAdet"),
                                [](const vorpa::CallParams &) { return vorpa::CallResult::integer(1); });
            d.registerOperation(QStringLiteral("AcilisREklamVer"), [search, &m](const vorpa::CallParams &) {
                std::unique_ptr<TAcilisEkran> entry = m.AcilisREklamVer(0);
                entry->setArama(search);
                return vorpa::CallResult::record(entry.get());
            });
        });
        TForm1 form;
        server.pointAt(form.bagc());
        form.sbilgi().Kopyala(server.session());
        form.show();
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, [&] {
            auto *window = qobject_cast<Tacilisreklam *>(QApplication::activeModalWidget());
            if (!window || window->isLoading() || window->arama.isEmpty())
                return;
            driver.stop();
            QTest::mouseClick(window->cxImage1, Qt::LeftButton);
        });
        driver.start();
        tabs(form)->setCurrentIndex(1);
        form._acilisadet = 1;
        const int searches = server.searches().size();
        form.AcilisReklaminiGoster();
        QCOMPARE(tabs(form)->currentWidget()->objectName(), page);
        if (page == QLatin1String("sstoklistesi")) {
            QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("araedit"))->text(), QStringLiteral("fren"));
            QTRY_VERIFY_WITH_TIMEOUT(!form.stockList().isSearching(), 60000);
            QCOMPARE(server.searches().size(), searches + 1);
            QCOMPARE(server.searches().last(), QStringLiteral("fren"));
        }
    }

    // The whole start: feeds fill the window, and with the server's advertisements the window
    // opens once they are done.
    void startFeedsThenAdvertisement()
    {
        ReferenceServer server;
        Answers answers(vorpa::ModalResult::Ok);
        TForm1 form;
        server.pointAt(form.bagc());
        form.sbilgi().Kopyala(server.session());
        bool advertShown = false;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *window = qobject_cast<Tacilisreklam *>(QApplication::activeModalWidget())) {
                advertShown = true;
                window->reject();
            }
        });
        closer.start();
        form.show();
        form.StartFeeds();
        QTRY_VERIFY_WITH_TIMEOUT(!form.feeds().isRunning(), 60000);
        QVERIFY(advertShown);
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("kullanicilbl"))->text(), QStringLiteral("DEMO"));
        QVERIFY(form._acilisadet > 0);
        QCOMPARE(tabCaption(form, "sTabSheetduyuru"), QString::number(form._acilisadet) + QStringLiteral("=Duyurular"));
        QVERIFY(tabCaption(form, "ssepet").endsWith(QStringLiteral("=Sepet")));
        QVERIFY(answers.asked.isEmpty());
    }

    // A customer change resets header, basket and stock list, also when nothing was chosen.
    void customerChange()
    {
        ReferenceServer server;
        DesktopLog desktop;
        TForm1 form;
        server.pointAt(form.bagc());
        form.sbilgi().Kopyala(server.session(QStringLiteral("VORPA-SATIS")));
        form.sbilgi().setCARINO(1);
        form.sbilgi().setCariAdi(QStringLiteral("Önceki Cari"));
        form.show();
        QSignalSpy searched(&form.stockList(), &vorpa::StockListTab::searchFinished);
        form.stockList().Ara();
        QVERIFY(searched.wait(60000));
        QVERIFY(form.stok.recordCount() > 0);
        tabs(form)->setCurrentIndex(2);
        const int loads = server.basketLoads();
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *window = qobject_cast<Tseccari *>(QApplication::activeModalWidget())) {
                closer.stop();
                window->reject();
            }
        });
        closer.start();
        form.musteritusClick();
        QCOMPARE(form.stok.recordCount(), 0);
        QCOMPARE(tabCaption(form, "sstoklistesi"), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(tabs(form)->currentWidget()->objectName(), QStringLiteral("sstoklistesi"));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("cariadilbl"))->text(), QStringLiteral("Önceki Cari"));
        QCOMPARE(server.basketLoads(), loads + 1);
        QVERIFY(form.sepet.isActive());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
