#include "StartupFeeds.h"

#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "ImageControl.h"
#include "Marquee.h"
#include "NumberFormat.h"
#include "ResultReader.h"
#include "StreamRead.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "gifresim.h"
#include "proxim.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTabWidget>

#include <atomic>
#include <memory>

namespace vorpa {

namespace {

// What the worker needs from the window, copied before it starts.
struct FeedJob {
    std::unique_ptr<DSConnection> connection; // parameters only; each step copies it again
    TSonucBilgisi session;
    std::shared_ptr<std::atomic<bool>> cancelled; // the window is gone: no further steps
};

// Runs f on the user-interface thread and waits for it; nothing once the feeds object is gone.
void onUiThread(const QPointer<StartupFeeds> &feeds, const std::function<void(StartupFeeds &)> &f)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&feeds, &f] {
            if (feeds)
                f(*feeds);
        },
        Qt::BlockingQueuedConnection);
}

// One step's private connection, opened with retries and the closing message; empty when it
// could not be opened, so the step is skipped.
std::unique_ptr<DSConnection> openCopy(const FeedJob &job)
{
    std::unique_ptr<DSConnection> copy = job.connection->CloneConnection();
    if (!OpenConnectionWithRetry(*copy, 1))
        return nullptr;
    return copy;
}

// A banner stream as the banner steps read it; a failing call or read gives no bytes.
struct Banner {
    qint64 announced = 0;
    std::optional<QByteArray> bytes;
};

Banner fetchBanner(DSConnection &connection, QIODevice *(TServerMethods1Client::*operation)(qint64 &))
{
    Banner banner;
    try {
        TServerMethods1Client proxy(connection);
        QIODevice *stream = (proxy.*operation)(banner.announced);
        banner.bytes = banner.announced == 0 ? QByteArray() : ReadStreamExactly(stream, banner.announced);
    } catch (const std::exception &) {
        banner.bytes.reset();
    }
    return banner;
}

void runFeeds(FeedJob &job, const QPointer<StartupFeeds> &feeds)
{
    const auto go = [&job] { return !job.cancelled->load(); };
    onUiThread(feeds, [](StartupFeeds &f) { f.AnaBilgiAl(); });

    if (!go())
        return;
    if (auto connection = openCopy(job)) {
        QString text;
        {
            TServerMethods1Client proxy(*connection);
            text = proxy.KayanYaziGetir();
        }
        connection->Close();
        onUiThread(feeds, [&text](StartupFeeds &f) { f.KayanYaziYaz(text); });
    }

    if (!go())
        return;
    if (auto connection = openCopy(job)) {
        const Banner banner = fetchBanner(*connection, &TServerMethods1Client::BannerResimVer2);
        connection->Close();
        onUiThread(feeds, [&banner](StartupFeeds &f) { f.UstBannerYaz(banner.announced, banner.bytes); });
    }

    if (!go())
        return;
    if (auto connection = openCopy(job)) {
        const Banner banner = fetchBanner(*connection, &TServerMethods1Client::BannerResimVer3);
        connection->Close();
        onUiThread(feeds, [&banner](StartupFeeds &f) { f.AltBannerYaz(banner.announced, banner.bytes); });
    }

    if (!go())
        return;
    if (auto connection = openCopy(job)) {
        std::optional<int> count;
        try {
            TServerMethods1Client proxy(*connection);
            count = proxy.AcilisReklamAdet();
        } catch (const std::exception &) {
            count.reset();
        }
        connection->Close();
        onUiThread(feeds, [&count](StartupFeeds &f) { f.ReklamAdetYaz(count); });
    }

    if (!go())
        return;
    if (auto connection = openCopy(job)) {
        TServerMethods1Client proxy(*connection);
        ResultReader *rows = proxy.BalonGetir(&job.session);
        while (go() && rows && rows->next()) {
            const qint64 sepet = rows->intValue(0);
            const qint64 yeni = rows->intValue(1);
            const qint64 kampanya = rows->intValue(2);
            const double bakiye = rows->doubleValue(4);
            onUiThread(feeds, [&](StartupFeeds &f) { f.BalonYaz(sepet, yeni, kampanya, bakiye); });
        }
        connection->Close();
    }
}

} // namespace

StartupFeeds::StartupFeeds(const Controls &controls, DSConnection &bagc, TSonucBilgisi &sbilgi, int &acilisadet,
                           QObject *parent)
    : QObject(parent), m_controls(controls), m_bagc(bagc), m_sbilgi(sbilgi), m_acilisadet(acilisadet)
{
}

void StartupFeeds::Start(std::function<void()> whenDone)
{
    m_running = true;
    auto job = std::make_shared<FeedJob>();
    job->connection = m_bagc.CloneConnection();
    job->session.Kopyala(m_sbilgi);
    job->cancelled = m_cancelled;
    QPointer<StartupFeeds> self(this);
    StartAsync([job, self] { runFeeds(*job, self); })
        ->Await(
            [this, whenDone = std::move(whenDone)] {
                m_running = false;
                if (whenDone)
                    whenDone();
                emit finished();
            },
            this);
}

StartupFeeds::~StartupFeeds()
{
    m_cancelled->store(true);
}

void StartupFeeds::setCaption(QWidget *page, const QString &caption)
{
    if (page && m_controls.tabs)
        m_controls.tabs->setTabText(m_controls.tabs->indexOf(page), caption);
}

void StartupFeeds::AnaBilgiAl()
{
    m_controls.kullanicilbl->setText(m_sbilgi.ADI());
    m_controls.cariadilbl->setText(m_sbilgi.CariAdi());
    m_controls.saticilbl->setText(m_sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + m_sbilgi.SaticiTelefon()
                                  + QStringLiteral(" email: ") + m_sbilgi.SaticiMail());
}

void StartupFeeds::KayanYaziYaz(const QString &text)
{
    Marquee *marquee = m_controls.kayanyazi;
    marquee->stop();
    marquee->clearItems();
    if (!text.trimmed().isEmpty())
        marquee->addHtmlItem(text);
    marquee->start();
}

void StartupFeeds::UstBannerYaz(qint64 announced, const std::optional<QByteArray> &bytes)
{
    TGifResim *banner = m_controls.RxGIFAnimator2;
    if (!bytes)
        return;
    if (announced == 0) {
        banner->setAnimate(false);
        banner->setPicture(QPixmap());
        banner->setFixedHeight(0);
        return;
    }
    QBuffer probe;
    probe.setData(*bytes);
    probe.open(QIODevice::ReadOnly);
    QImageReader reader(&probe);
    const QSize size = reader.size();
    if (reader.format() != "gif" || !size.isValid() || !banner->loadPicture(*bytes))
        return;
    // A freshly loaded animation rests on its first frame until it is switched on again.
    banner->setAnimate(false);
    banner->setAnimate(true);
    banner->setFixedHeight(size.height());
}

void StartupFeeds::AltBannerYaz(qint64 announced, const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return;
    if (announced == 0) {
        m_controls.Panel5->setFixedHeight(StripHeight);
        return;
    }
    if (bytes->size() < MinimumBitmapBytes)
        return;
    QImage image;
    if (!image.loadFromData(*bytes, "BMP"))
        return;
    ImageControl *picture = m_controls.Image3;
    picture->setPicture(QPixmap::fromImage(image));
    Marquee *strip = m_controls.RealTimeMarquee1;
    strip->stop();
    strip->clearItems();
    strip->addDrawnItem(image.size(), [picture](QPixmap &target) {
        QPainter painter(&target);
        painter.drawPixmap(0, 0, picture->picture());
    });
    strip->setVisible(true);
    strip->start();
    strip->setFixedHeight(image.height());
    m_controls.Panel5->setFixedHeight(image.height() + StripHeight);
}

void StartupFeeds::ReklamAdetYaz(std::optional<int> count)
{
    m_acilisadet = count.value_or(0);
    if (count)
        setCaption(m_controls.sTabSheetduyuru, QString::number(*count) + QStringLiteral("=Duyurular"));
}

void StartupFeeds::BalonYaz(qint64 sepet, qint64 yeni, qint64 kampanya, double bakiye)
{
    setCaption(m_controls.ssepet, QString::number(sepet) + QStringLiteral("=Sepet"));
    setCaption(m_controls.syeniler, QString::number(yeni) + QStringLiteral("=Yeni Stoklar"));
    setCaption(m_controls.skampanyali, QString::number(kampanya) + QStringLiteral("=Kampanyalı"));
    setCaption(m_controls.sTabbakiyeler, formatGeneral(bakiye, QLocale()) + QStringLiteral("=Bakiyeler"));
}

} // namespace vorpa
