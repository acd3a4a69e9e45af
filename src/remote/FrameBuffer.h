#pragma once

#include <QByteArray>

#include <optional>

namespace vorpa {

/// Collects bytes as they arrive on a socket and cuts them into whole messages; a length prefix
/// above the limit is refused as soon as its four bytes are in, before the body is awaited.
class FrameBuffer {
public:
    explicit FrameBuffer(quint32 maxMessageSize);

    void append(const QByteArray &bytes);
    /// The next complete message body, or nothing while it is still incomplete.
    /// Raises ProtocolError for a zero or oversized length prefix.
    std::optional<QByteArray> next();
    /// Bytes received but not yet returned as a message.
    qsizetype pending() const { return m_data.size() - m_pos; }
    void clear();

private:
    quint32 m_max;
    QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace vorpa
