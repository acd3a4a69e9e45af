#pragma once

#include "WireValue.h"

#include <QByteArray>
#include <QString>

namespace vorpa {

/// Reads big-endian primitives and values from received bytes; every length is checked against
/// what remains before anything is allocated, and any overrun raises ProtocolError.
class WireReader {
public:
    explicit WireReader(const QByteArray &data);
    WireReader(const char *data, qsizetype size);

    qsizetype remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos == m_size; }
    /// Raises ProtocolError when bytes are left over.
    void expectEnd() const;

    quint8 u8();
    quint16 u16();
    quint32 u32();
    qint32 i32();
    qint64 i64();
    double f64();
    bool boolean();
    /// u32 byte count, then that many bytes of UTF-8.
    QString string();
    /// u32 byte count, then that many raw bytes.
    QByteArray bytes();
    /// Exactly n raw bytes.
    QByteArray raw(qsizetype n);

    WireValue value();

private:
    const char *take(qsizetype n);
    qsizetype length();
    DataSet table();

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

} // namespace vorpa
