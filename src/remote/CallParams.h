#pragma once

#include "operations.h"

#include <QJsonValue>

#include <memory>

namespace vorpa {

/// The input parameters of one call as a server handler sees them: already checked against the
/// operation's signature, so each typed accessor matches what the operation declares.
class CallParams {
public:
    CallParams(const OperationSpec &operation, QList<WireValue> values);

    const OperationSpec &operation() const { return *m_op; }
    int count() const { return int(m_values.size()); }
    const WireValue &at(int index) const;
    /// Position of an input parameter by its declared name; std::invalid_argument when unknown.
    int indexOf(const char *name) const;

    qint32 integer(int index) const { return at(index).toInt32(); }
    double real(int index) const { return at(index).toDouble(); }
    QString string(int index) const { return at(index).toString(); }
    qint64 int64(int index) const { return at(index).toInt64(); }
    /// The record's JSON envelope, or a JSON null for a null record.
    QJsonValue recordJson(int index) const;
    /// The record rebuilt by its class (nullptr for a null record; RecordError for a bad one).
    template <class T>
    std::unique_ptr<T> record(int index) const
    {
        return T::fromJson(recordJson(index));
    }

    qint32 integer(const char *name) const { return integer(indexOf(name)); }
    double real(const char *name) const { return real(indexOf(name)); }
    QString string(const char *name) const { return string(indexOf(name)); }
    QJsonValue recordJson(const char *name) const { return recordJson(indexOf(name)); }
    template <class T>
    std::unique_ptr<T> record(const char *name) const
    {
        return record<T>(indexOf(name));
    }

private:
    const OperationSpec *m_op;
    QList<ParamSpec> m_inputs;
    QList<WireValue> m_values;
};

} // namespace vorpa
