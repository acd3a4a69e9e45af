#include "StreamRead.h"

#include <QIODevice>

namespace vorpa {

std::optional<QByteArray> ReadStreamExactly(QIODevice *stream, qint64 announced)
{
    constexpr qint64 Block = 1024;
    if (!stream || announced < 0)
        return std::nullopt;
    if (announced == 0)
        return QByteArray();
    if (!stream->isOpen() || !stream->seek(0))
        return std::nullopt;
    QByteArray data;
    char block[Block];
    for (;;) {
        const qint64 n = stream->read(block, Block);
        if (n > 0) {
            // More than announced can never match: stop before holding the rest.
            if (data.size() + n > announced)
                return std::nullopt;
            data.append(block, n);
        }
        if (n < Block)
            break;
    }
    if (data.size() != announced)
        return std::nullopt;
    return data;
}

} // namespace vorpa
