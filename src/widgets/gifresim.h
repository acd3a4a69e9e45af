#pragma once

#include "ImageControl.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QMovie;

// A picture control whose picture may be an animated GIF, with the animation switched on and off
// by its owner through Animate.
class TGifResim : public vorpa::ImageControl
{
    Q_OBJECT
    Q_PROPERTY(bool Animate READ Animate WRITE setAnimate)

public:
    explicit TGifResim(QWidget *AOwner = nullptr);
    ~TGifResim() override;

    bool Animate() const { return FAnimate; }
    // Plays or stops a non-empty GIF picture (and makes the control transparent); with any other
    // picture only the value is kept. Writing the current value does nothing.
    void setAnimate(bool animate);

    // Replaces the picture with one in any format the toolkit reads; a GIF is shown on its first
    // frame and does not play until Animate is switched off and on again. False when undecodable.
    bool loadPicture(const QByteArray &data);
    bool loadPictureFile(const QString &fileName);

    bool holdsGif() const { return FMovie != nullptr; }
    bool isPlaying() const;

private:
    void clearMovie();

    bool FAnimate = false;
    QByteArray FData;
    QBuffer FBuffer;
    std::unique_ptr<QMovie> FMovie;
};
