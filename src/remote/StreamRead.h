#pragma once

#include <QByteArray>

#include <optional>

class QIODevice;

namespace vorpa {

/// Copies a returned stream into memory the way every caller must: from position 0 in blocks of
/// 1024 bytes until a short read (nothing at all when the announced size is 0). The bytes are
/// given back only when their count equals the announced size; otherwise, or for a missing
/// stream or a negative size, the result is empty and the data is to be dropped.
std::optional<QByteArray> ReadStreamExactly(QIODevice *stream, qint64 announced);

} // namespace vorpa
