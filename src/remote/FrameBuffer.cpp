#include "FrameBuffer.h"

#include "FrameCodec.h"
#include "ProtocolError.h"

#include <QtEndian>

namespace vorpa {

FrameBuffer::FrameBuffer(quint32 maxMessageSize)
    : m_max(maxMessageSize)
{
}

void FrameBuffer::append(const QByteArray &bytes)
{
    // Drop what was already handed out before growing, so a long session does not keep it.
    if (m_pos > 0 && m_pos >= m_data.size() / 2) {
        m_data.remove(0, m_pos);
        m_pos = 0;
    }
    m_data.append(bytes);
}

std::optional<QByteArray> FrameBuffer::next()
{
    if (pending() < FrameCodec::HeaderSize)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(m_data.constData() + m_pos);
    if (length == 0)
        throw ProtocolError("Boş ileti alındı");
    if (length > m_max)
        throw ProtocolError(QStringLiteral("İleti çok büyük: %1 bayt bildirildi, en çok %2 bayt kabul edilir")
                                .arg(length)
                                .arg(m_max)
                                .toStdString());
    if (pending() - FrameCodec::HeaderSize < qsizetype(length))
        return std::nullopt;
    QByteArray body = m_data.mid(m_pos + FrameCodec::HeaderSize, length);
    m_pos += FrameCodec::HeaderSize + length;
    if (m_pos == m_data.size()) {
        m_data.clear();
        m_pos = 0;
    }
    return body;
}

void FrameBuffer::clear()
{
    m_data.clear();
    m_pos = 0;
}

} // namespace vorpa
