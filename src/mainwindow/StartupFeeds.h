#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTabWidget;
class QWidget;
class TGifResim;
class TSonucBilgisi;

namespace vorpa {

class DSConnection;
class ImageControl;
class Marquee;

/// The main window's start-up feeds: one background job that fetches the header, the scrolling
/// text, the two banners, the advertisement count and the counters one after another, each on
/// its own connection copy, and hands every result to the user-interface thread while it waits.
class StartupFeeds : public QObject {
    Q_OBJECT
public:
    /// The window's controls the feeds fill; all outlive this object.
    struct Controls {
        QLabel *kullanicilbl = nullptr;
        QLabel *cariadilbl = nullptr;
        QLabel *saticilbl = nullptr;
        Marquee *kayanyazi = nullptr;
        TGifResim *RxGIFAnimator2 = nullptr; // upper banner
        QWidget *Panel5 = nullptr;           // bottom strip
        Marquee *RealTimeMarquee1 = nullptr; // lower banner strip
        ImageControl *Image3 = nullptr;      // lower banner picture
        QTabWidget *tabs = nullptr;
        QWidget *ssepet = nullptr;
        QWidget *syeniler = nullptr;
        QWidget *skampanyali = nullptr;
        QWidget *sTabSheetduyuru = nullptr;
        QWidget *sTabbakiyeler = nullptr;
    };

    /// The bottom strip's height with the scrolling text alone.
    static constexpr int StripHeight = 40;
    /// A lower banner shorter than this cannot be a bitmap and is not shown.
    static constexpr int MinimumBitmapBytes = 11;

    StartupFeeds(const Controls &controls, DSConnection &bagc, TSonucBilgisi &sbilgi, int &acilisadet,
                 QObject *parent = nullptr);
    /// A running job stops before its next step.
    ~StartupFeeds() override;

    /// Starts the job; whenDone runs on the user-interface thread once it has ended (also after
    /// a step that ended it with an error, which is then shown after whenDone).
    void Start(std::function<void()> whenDone);
    bool isRunning() const { return m_running; }

    /// The header labels from the session record.
    void AnaBilgiAl();
    /// The scrolling text: the marquee restarted with the text, or with nothing for blanks only.
    void KayanYaziYaz(const QString &text);
    /// The upper banner from its bytes as fetched (none: the call failed; empty: nothing to show).
    void UstBannerYaz(qint64 announced, const std::optional<QByteArray> &bytes);
    /// The lower banner, the same way.
    void AltBannerYaz(qint64 announced, const std::optional<QByteArray> &bytes);
    /// The advertisement count and the announcements caption; a failed count (none) leaves the
    /// count at 0 and the caption as it was.
    void ReklamAdetYaz(std::optional<int> count);
    /// The counters row: basket, new items, campaign items and the balance.
    void BalonYaz(qint64 sepet, qint64 yeni, qint64 kampanya, double bakiye);

signals:
    void finished();

private:
    void setCaption(QWidget *page, const QString &caption);

    Controls m_controls;
    DSConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    int &m_acilisadet;
    bool m_running = false;
    std::shared_ptr<std::atomic<bool>> m_cancelled = std::make_shared<std::atomic<bool>>(false);
};

} // namespace vorpa
