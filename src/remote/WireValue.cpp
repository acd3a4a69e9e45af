#include "WireValue.h"

#include "ProtocolError.h"

namespace vorpa {

namespace {

[[noreturn]] void wrongType(WireValue::Type want, WireValue::Type got)
{
    throw ProtocolError(QStringLiteral("%1 bekleniyordu, %2 geldi")
                            .arg(WireValue::typeName(want), WireValue::typeName(got))
                            .toStdString());
}

} // namespace

WireValue WireValue::fromInt32(qint32 v) { return WireValue(Type::Int32, v); }
WireValue WireValue::fromInt64(qint64 v) { return WireValue(Type::Int64, v); }
WireValue WireValue::fromDouble(double v) { return WireValue(Type::Double, v); }
WireValue WireValue::fromString(const QString &v) { return WireValue(Type::String, v); }
WireValue WireValue::fromBool(bool v) { return WireValue(Type::Boolean, v); }
WireValue WireValue::fromRecord(const QJsonObject &v) { return WireValue(Type::Record, v); }
WireValue WireValue::stream(const QByteArray &bytes) { return WireValue(Type::Stream, bytes); }

WireValue WireValue::reader(DataSet rows)
{
    return WireValue(Type::Reader, std::make_shared<DataSet>(std::move(rows)));
}

WireValue WireValue::packet(DataSet rows)
{
    return WireValue(Type::Packet, std::make_shared<DataSet>(std::move(rows)));
}

template<typename T>
const T &WireValue::as(Type want) const
{
    if (m_type != want)
        wrongType(want, m_type);
    return std::get<T>(m_value);
}

qint32 WireValue::toInt32() const { return as<qint32>(Type::Int32); }
qint64 WireValue::toInt64() const { return as<qint64>(Type::Int64); }
double WireValue::toDouble() const { return as<double>(Type::Double); }
QString WireValue::toString() const { return as<QString>(Type::String); }
bool WireValue::toBool() const { return as<bool>(Type::Boolean); }
const QJsonObject &WireValue::record() const { return as<QJsonObject>(Type::Record); }
const QByteArray &WireValue::bytes() const { return as<QByteArray>(Type::Stream); }

const DataSet &WireValue::table() const
{
    if (!isTable())
        wrongType(Type::Packet, m_type);
    return *std::get<std::shared_ptr<DataSet>>(m_value);
}

DataSet WireValue::takeTable()
{
    if (!isTable())
        wrongType(Type::Packet, m_type);
    auto &p = std::get<std::shared_ptr<DataSet>>(m_value);
    if (p.use_count() == 1)
        return std::move(*p);
    return *p;
}

QString WireValue::typeName(Type type)
{
    switch (type) {
    case Type::Null: return QStringLiteral("null");
    case Type::Int32: return QStringLiteral("Integer");
    case Type::Int64: return QStringLiteral("Int64");
    case Type::Double: return QStringLiteral("Double");
    case Type::String: return QStringLiteral("string");
    case Type::Boolean: return QStringLiteral("Boolean");
    case Type::Record: return QStringLiteral("kayıt");
    case Type::Reader: return QStringLiteral("okuyucu");
    case Type::Packet: return QStringLiteral("veri paketi");
    case Type::Stream: return QStringLiteral("akış");
    }
    return QStringLiteral("?");
}

bool sameTable(const DataSet &a, const DataSet &b)
{
    if (a.fieldCount() != b.fieldCount() || a.recordCount() != b.recordCount())
        return false;
    for (int c = 0; c < a.fieldCount(); ++c) {
        if (a.field(c).name != b.field(c).name || a.field(c).type != b.field(c).type)
            return false;
    }
    for (int r = 0; r < a.recordCount(); ++r) {
        for (int c = 0; c < a.fieldCount(); ++c) {
            if (a.isNull(r, c) != b.isNull(r, c) || a.value(r, c) != b.value(r, c))
                return false;
        }
    }
    return true;
}

bool WireValue::operator==(const WireValue &other) const
{
    if (m_type != other.m_type)
        return false;
    if (isTable())
        return sameTable(table(), other.table());
    return m_value == other.m_value;
}

} // namespace vorpa
