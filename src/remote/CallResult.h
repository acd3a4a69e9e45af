#pragma once

#include "WireValue.h"

#include <QList>

namespace vorpa {

/// What a server handler answers: the result value and the out values that go with it
/// (a stream's announced size). Build one with the named constructors.
class CallResult {
public:
    static CallResult reader(DataSet rows);
    static CallResult packet(DataSet rows);
    static CallResult record(const QJsonObject &json);
    /// A record by its class; a null pointer answers a null record.
    template <class T>
    static CallResult record(const T *r)
    {
        return r ? record(r->toJson()) : nullRecord();
    }
    static CallResult nullRecord();
    /// The bytes with their own length as the announced size.
    static CallResult stream(const QByteArray &bytes);
    /// The bytes with a separately announced size (which the client checks against them).
    static CallResult stream(const QByteArray &bytes, qint64 announcedSize);
    static CallResult integer(qint32 v);
    static CallResult boolean(bool v);
    static CallResult string(const QString &v);
    static CallResult none();

    const WireValue &value() const { return m_value; }
    const QList<WireValue> &outs() const { return m_outs; }

private:
    CallResult() = default;

    WireValue m_value;
    QList<WireValue> m_outs;
};

} // namespace vorpa
