#pragma once

#include "WireValue.h"

#include <QByteArray>
#include <QString>

namespace vorpa {

/// Appends big-endian primitives and values to an outgoing message.
class WireWriter {
public:
    WireWriter() = default;
    explicit WireWriter(QByteArray initial)
        : m_data(std::move(initial))
    {
    }

    void u8(quint8 v);
    void u16(quint16 v);
    void u32(quint32 v);
    void i32(qint32 v);
    void i64(qint64 v);
    void f64(double v);
    void boolean(bool v) { u8(v ? 1 : 0); }
    void string(const QString &v);
    void bytes(const QByteArray &v);
    void raw(const char *data, qsizetype size) { m_data.append(data, size); }

    void value(const WireValue &v);

    QByteArray &data() { return m_data; }
    QByteArray take() { return std::move(m_data); }

private:
    void table(const DataSet &rows);

    QByteArray m_data;
};

} // namespace vorpa
