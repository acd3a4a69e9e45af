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

WireValue WireValue::fromInt32(qint32 v)
{
    WireValue w;
    w.m_type = Type::Int32;
    w.m_value = v;
    return w;
}

WireValue WireValue::fromInt64(qint64 v)
{
    WireValue w;
    w.m_type = Type::Int64;
    w.m_value = v;
    return w;
}

WireValue WireValue::fromDouble(double v)
{
    WireValue w;
    w.m_type = Type::Double;
    w.m_value = v;
    return w;
}

WireValue WireValue::fromString(const QString &v)
{
    WireValue w;
    w.m_type = Type::String;
    w.m_value = v;
    return w;
}

WireValue WireValue::fromBool(bool v)
{
    WireValue w;
    w.m_type = Type::Boolean;
    w.m_value = v;
    return w;
}

WireValue WireValue::fromRecord(const QJsonObject &v)
{
    WireValue w;
    w.m_type = Type::Record;
    w.m_value = v;
    return w;
}

WireValue WireValue::reader(DataSet rows)
{
    WireValue w;
    w.m_type = Type::Reader;
    w.m_value = std::make_shared<DataSet>(std::move(rows));
    return w;
}

WireValue WireValue::packet(DataSet rows)
{
    WireValue w;
    w.m_type = Type::Packet;
    w.m_value = std::make_shared<DataSet>(std::move(rows));
    return w;
}

WireValue WireValue::stream(const QByteArray &bytes)
{
    WireValue w;
    w.m_type = Type::Stream;
    w.m_value = bytes;
    return w;
}

qint32 WireValue::toInt32() const
{
    if (m_type != Type::Int32)
        wrongType(Type::Int32, m_type);
    return std::get<qint32>(m_value);
}

qint64 WireValue::toInt64() const
{
    if (m_type != Type::Int64)
        wrongType(Type::Int64, m_type);
    return std::get<qint64>(m_value);
}

double WireValue::toDouble() const
{
    if (m_type != Type::Double)
        wrongType(Type::Double, m_type);
    return std::get<double>(m_value);
}

QString WireValue::toString() const
{
    if (m_type != Type::String)
        wrongType(Type::String, m_type);
    return std::get<QString>(m_value);
}

bool WireValue::toBool() const
{
    if (m_type != Type::Boolean)
        wrongType(Type::Boolean, m_type);
    return std::get<bool>(m_value);
}

const QJsonObject &WireValue::record() const
{
    if (m_type != Type::Record)
        wrongType(Type::Record, m_type);
    return std::get<QJsonObject>(m_value);
}

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

const QByteArray &WireValue::bytes() const
{
    if (m_type != Type::Stream)
        wrongType(Type::Stream, m_type);
    return std::get<QByteArray>(m_value);
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
