#include "acilisreklamu.h"

#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "PictureText.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "gifresim.h"
#include "mobilstokunit.h"
#include "proxim.h"
#include "ui_acilisreklamu.h"

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>

// What one background load brought back; each part is applied only if it arrived.
struct Tacilisreklam::LoadResult {
    bool haveCount = false;
    int count = 0;
    bool haveEntry = false;
    QString title;
    QString search;
    QImage picture; // null when the picture text or the picture could not be decoded
};

Tacilisreklam::Tacilisreklam(QWidget *AOwner)
    : QDialog(AOwner), ui(std::make_unique<Ui::Tacilisreklam>())
{
    Q_INIT_RESOURCE(acilisreklamu);
    ui->setupUi(this);
    Label1 = ui->Label1;
    cxImage1 = ui->cxImage1;
    Label2 = ui->Label2;
    Button1 = ui->Button1;
    Button2 = ui->Button2;
    Button1xxx = ui->Button1xxx;
    gifstokara = ui->gifstokara;
    zoom = ui->zoom;

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);

    cxImageList1 = {style()->standardIcon(QStyle::SP_ArrowRight), style()->standardIcon(QStyle::SP_ArrowLeft),
                    style()->standardIcon(QStyle::SP_DialogCloseButton)};
    Button2->setIcon(cxImageList1[0]);
    Button1->setIcon(cxImageList1[1]);
    Button1xxx->setIcon(cxImageList1[2]);

    QFile busy(QStringLiteral(":/requests/acilisreklamu.gif"));
    if (busy.open(QIODevice::ReadOnly))
        gifstokara->loadPicture(busy.readAll());

    connect(Button1, &QPushButton::clicked, this, &Tacilisreklam::Onceki);
    connect(Button2, &QPushButton::clicked, this, &Tacilisreklam::Sonraki);
    connect(Button1xxx, &QPushButton::clicked, this, &Tacilisreklam::reject);
    connect(zoom, &QSlider::valueChanged, this, &Tacilisreklam::showPicture);

    cxImage1->installEventFilter(this);
    // Every key reaches the window first, whichever child would otherwise take it.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

Tacilisreklam::~Tacilisreklam() = default;

void Tacilisreklam::Ac(QWidget *AOwner, const vorpa::DSConnection &_c, const TSonucBilgisi &_b)
{
    if (AOwner && !parentWidget())
        setParent(AOwner, windowFlags());
    con = std::shared_ptr<vorpa::DSConnection>(_c.CloneConnection());
    Bilgim = std::make_unique<TSonucBilgisi>();
    Bilgim->Kopyala(_b);
    sirasi = 1;
    REsimGoster(1);
}

void Tacilisreklam::REsimGoster(int i)
{
    setLoading(true);
    auto result = std::make_shared<LoadResult>();
    std::shared_ptr<vorpa::DSConnection> connection = con;
    const int index = i - 1; // the server counts from 0
    StartAsync([result, connection, index] {
        if (!connection || !OpenConnectionWithRetry(*connection, 1))
            return;
        QString pictureText;
        try {
            TServerMethods1Client proxy(*connection);
            result->count = proxy.AcilisReklamAdet();
            result->haveCount = true;
            if (const TAcilisEkran *entry = proxy.AcilisREklamVer(index)) {
                result->haveEntry = true;
                result->title = entry->Baslik();
                result->search = entry->Arama();
                pictureText = entry->Resim();
            }
        } catch (const std::exception &) {
            // A failing call leaves the window as it was; nothing is reported.
        }
        if (result->haveEntry) {
            try {
                const QByteArray bytes = DecodePictureText(pictureText);
                QImage picture;
                if (picture.loadFromData(bytes))
                    result->picture = picture;
            } catch (const std::exception &) {
                // Undecodable picture text: the previous picture stays.
            }
        }
        connection->Close();
    })->Await([this, result] { apply(*result); }, this);
}

void Tacilisreklam::apply(const LoadResult &result)
{
    if (m_closed)
        return; // a load that ends after closing is discarded
    if (result.haveCount)
        adet = result.count;
    if (result.haveEntry)
        Label1->setText(result.title);
    if (!result.picture.isNull()) {
        m_picture = QPixmap::fromImage(result.picture);
        showPicture();
        showCounter();
    }
    if (result.haveEntry)
        arama = result.search;
    setLoading(false);
    emit loadFinished();
}

void Tacilisreklam::setLoading(bool loading)
{
    m_loading = loading;
    Button1->setEnabled(!loading);
    Button2->setEnabled(!loading);
    gifstokara->setVisible(loading);
    gifstokara->setAnimate(loading);
}

void Tacilisreklam::showCounter()
{
    Label2->setText(QString::number(sirasi) + QStringLiteral(" / ") + QString::number(adet));
}

void Tacilisreklam::Onceki()
{
    if (m_loading || sirasi <= 1)
        return;
    --sirasi;
    REsimGoster(sirasi);
    showCounter();
}

void Tacilisreklam::Sonraki()
{
    // Only within the known count: with the count unknown (0) there is nothing further to page to.
    if (m_loading || sirasi >= adet)
        return;
    ++sirasi;
    REsimGoster(sirasi);
    showCounter();
}

void Tacilisreklam::showPicture()
{
    if (m_picture.isNull()) {
        cxImage1->clear();
        return;
    }
    const QSize area = ui->resimalani->viewport()->size();
    QSize fitted = m_picture.size();
    if (fitted.width() > area.width() || fitted.height() > area.height())
        fitted.scale(area, Qt::KeepAspectRatio);
    const QSize shown = fitted * (zoom->value() / 100.0);
    cxImage1->setPixmap(shown == m_picture.size()
                            ? m_picture
                            : m_picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Tacilisreklam::pictureClicked()
{
    done(arama.trimmed().isEmpty() ? Kapatildi : Secildi);
}

void Tacilisreklam::reject()
{
    done(Kapatildi);
}

void Tacilisreklam::done(int result)
{
    m_closed = true;
    QDialog::done(result);
}

bool Tacilisreklam::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        Onceki();
        break;
    case Qt::Key_Right:
        Sonraki();
        break;
    default:
        done(Kapatildi);
        break;
    }
    event->accept();
    return true;
}

void Tacilisreklam::keyPressEvent(QKeyEvent *event)
{
    handleKey(event);
}

bool Tacilisreklam::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    if (watched == cxImage1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && cxImage1->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        pictureClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tacilisreklam::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showPicture();
}
