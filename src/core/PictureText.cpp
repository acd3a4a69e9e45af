#include "PictureText.h"

#include "ConversionError.h"

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QByteArray DecodePictureText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve((text.size() + 1) / 2);
    for (qsizetype p = 0; p < text.size(); p += 2) {
        const QStringView piece = QStringView(text).mid(p, 2);
        int value = 0;
        for (const QChar c : piece) {
            const int digit = hexValue(c);
            if (digit < 0)
                throw vorpa::ConversionError(
                    QStringLiteral("'%1' is not a valid integer value").arg(piece).toStdString());
            value = value * 16 + digit;
        }
        bytes.append(char(value));
    }
    return bytes;
}

QString EncodePictureText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}
