#include "WireReader.h"

#include "ProtocolError.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QtEndian>

#include <cstring>
#include <vector>

namespace vorpa {

namespace {

[[noreturn]] void fail(const QString &text) { throw ProtocolError(text.toStdString()); }

bool validFieldType(quint8 t) { return t >= quint8(FieldType::Int32) && t <= quint8(FieldType::Bytes); }

} // namespace

WireReader::WireReader(const QByteArray &data)
    : m_data(data.constData())
    , m_size(data.size())
{
}

WireReader::WireReader(const char *data, qsizetype size)
    : m_data(data)
    , m_size(size < 0 ? 0 : size)
{
}

void WireReader::expectEnd() const
{
    if (!atEnd())
        fail(QStringLiteral("İletinin sonunda fazladan %1 bayt var").arg(remaining()));
}

const char *WireReader::take(qsizetype n)
{
    if (n < 0 || n > remaining())
        fail(QStringLiteral("İleti eksik: %1 bayt gerekiyordu, %2 bayt kaldı").arg(n).arg(remaining()));
    const char *p = m_data + m_pos;
    m_pos += n;
    return p;
}

quint8 WireReader::u8() { return quint8(*take(1)); }

quint16 WireReader::u16() { return qFromBigEndian<quint16>(take(2)); }

quint32 WireReader::u32() { return qFromBigEndian<quint32>(take(4)); }

qint32 WireReader::i32() { return qFromBigEndian<qint32>(take(4)); }

qint64 WireReader::i64() { return qFromBigEndian<qint64>(take(8)); }

double WireReader::f64()
{
    const quint64 bits = qFromBigEndian<quint64>(take(8));
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

bool WireReader::boolean()
{
    const quint8 b = u8();
    if (b > 1)
        fail(QStringLiteral("Geçersiz Boolean değeri: %1").arg(b));
    return b == 1;
}

qsizetype WireReader::length()
{
    const quint32 n = u32();
    if (qsizetype(n) > remaining())
        fail(QStringLiteral("İleti eksik: %1 baytlık alan bildirildi, %2 bayt kaldı").arg(n).arg(remaining()));
    return qsizetype(n);
}

QString WireReader::string()
{
    const qsizetype n = length();
    return QString::fromUtf8(take(n), n);
}

QByteArray WireReader::bytes()
{
    const qsizetype n = length();
    return QByteArray(take(n), n);
}

QByteArray WireReader::raw(qsizetype n) { return QByteArray(take(n), n); }

WireValue WireReader::value()
{
    const quint8 tag = u8();
    switch (WireValue::Type(tag)) {
    case WireValue::Type::Null: return WireValue::null();
    case WireValue::Type::Int32: return WireValue::fromInt32(i32());
    case WireValue::Type::Int64: return WireValue::fromInt64(i64());
    case WireValue::Type::Double: return WireValue::fromDouble(f64());
    case WireValue::Type::String: return WireValue::fromString(string());
    case WireValue::Type::Boolean: return WireValue::fromBool(boolean());
    case WireValue::Type::Record: {
        const qsizetype n = length();
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromRawData(take(n), n), &error);
        if (error.error != QJsonParseError::NoError)
            fail(QStringLiteral("Kayıt geçerli JSON değil: %1").arg(error.errorString()));
        if (!doc.isObject())
            fail(QStringLiteral("Kayıt bir JSON nesnesi değil"));
        return WireValue::fromRecord(doc.object());
    }
    case WireValue::Type::Reader: return WireValue::reader(table());
    case WireValue::Type::Packet: return WireValue::packet(table());
    case WireValue::Type::Stream: return WireValue::stream(bytes());
    }
    fail(QStringLiteral("Bilinmeyen değer türü: %1").arg(tag));
}

DataSet WireReader::table()
{
    const quint16 columnCount = u16();
    QList<FieldDef> fields;
    fields.reserve(columnCount);
    std::vector<FieldType> types;
    types.reserve(columnCount);
    for (quint16 c = 0; c < columnCount; ++c) {
        FieldDef def;
        def.name = string();
        const quint8 t = u8();
        if (!validFieldType(t))
            fail(QStringLiteral("Bilinmeyen sütun türü %1 (%2)").arg(t).arg(def.name));
        def.type = FieldType(t);
        types.push_back(def.type);
        fields.append(def);
    }
    const quint32 rowCount = u32();
    // Every cell takes at least its one-byte null flag, so a row count the remaining bytes
    // cannot hold is refused before any row is reserved.
    if (rowCount > 0 && (columnCount == 0 || qint64(rowCount) * columnCount > remaining()))
        fail(QStringLiteral("Tablo %1 satır bildiriyor ama ileti bu kadar satır taşıyamaz").arg(rowCount));

    DataSet rows(fields);
    rows.disableControls();
    rows.reserve(int(rowCount));
    for (quint32 r = 0; r < rowCount; ++r) {
        const int row = rows.appendRow();
        for (int c = 0; c < columnCount; ++c) {
            const quint8 flag = u8();
            if (flag == 0)
                continue;
            if (flag != 1)
                fail(QStringLiteral("Geçersiz hücre işareti: %1").arg(flag));
            switch (types[size_t(c)]) {
            case FieldType::Int32: rows.setInt(row, c, i32()); break;
            case FieldType::Int64: rows.setInt(row, c, i64()); break;
            case FieldType::Double:
            case FieldType::DateTime: rows.setDouble(row, c, f64()); break;
            case FieldType::String: rows.setString(row, c, string()); break;
            case FieldType::Boolean: rows.setBool(row, c, boolean()); break;
            case FieldType::Bytes: rows.setBytes(row, c, bytes()); break;
            }
        }
    }
    rows.enableControls();
    rows.first();
    return rows;
}

} // namespace vorpa
