#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace vorpa {

/// Writes animated GIF files (Qt reads GIF but cannot write it): every frame is mapped onto one
/// fixed 256-colour palette and LZW-compressed; the animation loops for ever.
class GifEncoder {
public:
    /// frames: all of the same size; delayCentiseconds: how long each frame is shown.
    static QByteArray encode(const QList<QImage> &frames, int delayCentiseconds);

private:
    static QByteArray compress(const QByteArray &indices);
};

} // namespace vorpa
