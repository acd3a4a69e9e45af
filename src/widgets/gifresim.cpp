#include "gifresim.h"

#include <QFile>
#include <QImage>
#include <QMovie>

TGifResim::TGifResim(QWidget *AOwner)
    : vorpa::ImageControl(AOwner)
{
}

TGifResim::~TGifResim()
{
    clearMovie();
}

void TGifResim::clearMovie()
{
    if (FMovie) {
        FMovie->disconnect(this);
        FMovie->stop();
        FMovie.reset();
    }
    if (FBuffer.isOpen())
        FBuffer.close();
}

bool TGifResim::isPlaying() const
{
    return FMovie && FMovie->state() == QMovie::Running;
}

void TGifResim::setAnimate(bool animate)
{
    if (animate == FAnimate)
        return;
    FAnimate = animate;
    if (!FMovie)
        return;
    setTransparent(true);
    if (animate) {
        if (FMovie->state() == QMovie::Paused)
            FMovie->setPaused(false);
        else
            FMovie->start();
    } else if (FMovie->state() == QMovie::Running) {
        FMovie->setPaused(true);
    }
}

bool TGifResim::loadPicture(const QByteArray &data)
{
    QBuffer probe;
    probe.setData(data);
    probe.open(QIODevice::ReadOnly);
    QMovie candidate(&probe, "gif");
    const bool gif = candidate.isValid() && candidate.format() == "gif";
    if (gif) {
        clearMovie();
        FData = data;
        FBuffer.setData(FData);
        FBuffer.open(QIODevice::ReadOnly);
        FMovie = std::make_unique<QMovie>(&FBuffer, "gif");
        FMovie->setCacheMode(QMovie::CacheAll);
        connect(FMovie.get(), &QMovie::frameChanged, this, [this] { setPicture(FMovie->currentPixmap()); });
        if (!FMovie->jumpToFrame(0))
            setPicture(QPixmap());
        return true;
    }
    QImage image;
    if (!image.loadFromData(data))
        return false;
    clearMovie();
    setPicture(QPixmap::fromImage(image));
    return true;
}

bool TGifResim::loadPictureFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return loadPicture(file.readAll());
}
