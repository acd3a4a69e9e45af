#include "CallResult.h"

namespace vorpa {

CallResult CallResult::reader(DataSet rows)
{
    CallResult r;
    r.m_value = WireValue::reader(std::move(rows));
    return r;
}

CallResult CallResult::packet(DataSet rows)
{
    CallResult r;
    r.m_value = WireValue::packet(std::move(rows));
    return r;
}

CallResult CallResult::record(const QJsonObject &json)
{
    CallResult r;
    r.m_value = WireValue::fromRecord(json);
    return r;
}

CallResult CallResult::nullRecord() { return CallResult(); }

CallResult CallResult::stream(const QByteArray &bytes) { return stream(bytes, bytes.size()); }

CallResult CallResult::stream(const QByteArray &bytes, qint64 announcedSize)
{
    CallResult r;
    r.m_value = WireValue::stream(bytes);
    r.m_outs = {WireValue::fromInt64(announcedSize)};
    return r;
}

CallResult CallResult::integer(qint32 v)
{
    CallResult r;
    r.m_value = WireValue::fromInt32(v);
    return r;
}

CallResult CallResult::boolean(bool v)
{
    CallResult r;
    r.m_value = WireValue::fromBool(v);
    return r;
}

CallResult CallResult::string(const QString &v)
{
    CallResult r;
    r.m_value = WireValue::fromString(v);
    return r;
}

CallResult CallResult::none() { return CallResult(); }

} // namespace vorpa
