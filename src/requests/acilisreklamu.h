#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QSlider;
class TGifResim;
class TSonucBilgisi;

namespace Ui {
class Tacilisreklam;
}

namespace vorpa {
class DSConnection;
}

/// The opening advertisement window: pages through the server's advertisements one at a time,
/// each fetched in the background on the window's own connection copy, and tells its opener
/// through `arama` where a click on the picture should lead.
class Tacilisreklam : public QDialog {
    Q_OBJECT
public:
    static constexpr int Secildi = 1;   // the picture of an entry with a search text was clicked
    static constexpr int Kapatildi = 2; // any other way of closing
    /// Search texts with a meaning of their own; any other non-blank text is a stock search.
    static inline const QString KampanyaArama = QStringLiteral("#KAMPANYA#");
    static inline const QString YeniArama = QStringLiteral("#YENİ#");

    explicit Tacilisreklam(QWidget *AOwner = nullptr);
    ~Tacilisreklam() override;

    /// Copies the connection and the session record and starts showing entry 1; returns at once.
    void Ac(QWidget *AOwner, const vorpa::DSConnection &_c, const TSonucBilgisi &_b);
    /// Starts loading entry i (counting from 1) in the background.
    void REsimGoster(int i);

    /// Previous and next, as the buttons and the arrow keys do them.
    void Onceki();
    void Sonraki();

    bool isLoading() const { return m_loading; }
    /// The picture shown now (null until an entry's picture has loaded).
    const QPixmap &picture() const { return m_picture; }

    int adet = 0;   // number of advertisements as last reported by the server
    int sirasi = 1; // position of the entry shown, counting from 1
    QString arama;  // search text of the entry shown last; read by the opener after closing
    std::shared_ptr<vorpa::DSConnection> con; // shared with a running load, so closing is safe
    std::unique_ptr<TSonucBilgisi> Bilgim;

    QLabel *Label1 = nullptr;    // title
    QLabel *cxImage1 = nullptr;  // picture
    QLabel *Label2 = nullptr;    // counter "i / n"
    QPushButton *Button1 = nullptr;    // previous
    QPushButton *Button2 = nullptr;    // next
    QPushButton *Button1xxx = nullptr; // "Kapat"
    TGifResim *gifstokara = nullptr;   // busy indicator
    QSlider *zoom = nullptr;
    std::array<QIcon, 3> cxImageList1; // next, previous, close

signals:
    /// A load has ended and its results (whatever arrived) are applied.
    void loadFinished();

public slots:
    void reject() override;
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct LoadResult;

    void apply(const LoadResult &result);
    void setLoading(bool loading);
    void showCounter();
    void showPicture();
    void pictureClicked();
    bool handleKey(QKeyEvent *event);

    std::unique_ptr<Ui::Tacilisreklam> ui;
    QPixmap m_picture;
    bool m_loading = false;
    bool m_closed = false;
};
