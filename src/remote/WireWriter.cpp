#include "WireWriter.h"

#include "ProtocolError.h"

#include <QJsonDocument>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace vorpa {

void WireWriter::u8(quint8 v) { m_data.append(char(v)); }

void WireWriter::u16(quint16 v)
{
    char b[2];
    qToBigEndian(v, b);
    m_data.append(b, 2);
}

void WireWriter::u32(quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    m_data.append(b, 4);
}

void WireWriter::i32(qint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    m_data.append(b, 4);
}

void WireWriter::i64(qint64 v)
{
    char b[8];
    qToBigEndian(v, b);
    m_data.append(b, 8);
}

void WireWriter::f64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToBigEndian(bits, b);
    m_data.append(b, 8);
}

void WireWriter::string(const QString &v) { bytes(v.toUtf8()); }

void WireWriter::bytes(const QByteArray &v)
{
    if (quint64(v.size()) > std::numeric_limits<quint32>::max())
        throw ProtocolError("Değer bir ileti için fazla büyük");
    u32(quint32(v.size()));
    m_data.append(v);
}

void WireWriter::value(const WireValue &v)
{
    u8(quint8(v.type()));
    switch (v.type()) {
    case WireValue::Type::Null: break;
    case WireValue::Type::Int32: i32(v.toInt32()); break;
    case WireValue::Type::Int64: i64(v.toInt64()); break;
    case WireValue::Type::Double: f64(v.toDouble()); break;
    case WireValue::Type::String: string(v.toString()); break;
    case WireValue::Type::Boolean: boolean(v.toBool()); break;
    case WireValue::Type::Record: bytes(QJsonDocument(v.record()).toJson(QJsonDocument::Compact)); break;
    case WireValue::Type::Reader:
    case WireValue::Type::Packet: table(v.table()); break;
    case WireValue::Type::Stream: bytes(v.bytes()); break;
    }
}

void WireWriter::table(const DataSet &rows)
{
    const int columns = rows.fieldCount();
    if (columns > std::numeric_limits<quint16>::max())
        throw ProtocolError("Tablonun sütun sayısı fazla büyük");
    u16(quint16(columns));
    for (int c = 0; c < columns; ++c) {
        string(rows.field(c).name);
        u8(quint8(rows.field(c).type));
    }
    const int count = rows.recordCount();
    u32(quint32(count));
    for (int r = 0; r < count; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (rows.isNull(r, c)) {
                u8(0);
                continue;
            }
            u8(1);
            switch (rows.field(c).type) {
            case FieldType::Int32: i32(qint32(rows.intValue(r, c))); break;
            case FieldType::Int64: i64(rows.intValue(r, c)); break;
            case FieldType::Double:
            case FieldType::DateTime: f64(rows.doubleValue(r, c)); break;
            case FieldType::String: string(rows.stringValue(r, c)); break;
            case FieldType::Boolean: boolean(rows.boolValue(r, c)); break;
            case FieldType::Bytes: bytes(rows.bytesValue(r, c)); break;
            }
        }
    }
}

} // namespace vorpa
