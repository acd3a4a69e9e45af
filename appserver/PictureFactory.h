#pragma once

#include <QByteArray>
#include <QString>

namespace vorpa {

/// Draws the sample pictures the server hands out: stock photos and announcement pictures as
/// JPEG, the upper banner as an animated GIF, the lower banner as a BMP.
class PictureFactory {
public:
    static QByteArray stockPicture(int stockNo, const QString &brand, const QString &code, const QString &group);
    static QByteArray announcementPicture(const QString &title, const QString &subtitle, int variant);
    static QByteArray upperBannerGif();
    static QByteArray lowerBannerBmp();
};

} // namespace vorpa
