#pragma once

// Pictures travel inside records as text: each byte as two hexadecimal digits, high digit first.

#include <QByteArray>
#include <QString>

/// The bytes of a picture text. An odd last digit stands alone (a byte 0..15).
/// A piece that is not hexadecimal raises vorpa::ConversionError; nothing partial is returned.
QByteArray DecodePictureText(const QString &text);

/// The picture text of bytes, in upper-case digits.
QString EncodePictureText(const QByteArray &bytes);
