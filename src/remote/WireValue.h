#pragma once

#include "DataSet.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>
#include <variant>

namespace vorpa {

/// One value as it travels in a call or an answer: a parameter, an out value or a result.
class WireValue {
public:
    /// The one-byte tags that start every value on the wire.
    enum class Type : quint8 {
        Null = 0,
        Int32 = 1,
        Int64 = 2,
        Double = 3,
        String = 4,
        Boolean = 5,
        Record = 6,
        Reader = 7,
        Packet = 8,
        Stream = 9,
    };

    WireValue() = default;

    static WireValue null() { return {}; }
    static WireValue fromInt32(qint32 v);
    static WireValue fromInt64(qint64 v);
    static WireValue fromDouble(double v);
    static WireValue fromString(const QString &v);
    static WireValue fromBool(bool v);
    /// A record in its JSON envelope form {"type", "id", "fields"}.
    static WireValue fromRecord(const QJsonObject &v);
    /// A table read forward-only by the caller.
    static WireValue reader(DataSet rows);
    /// A table loaded whole into a dataset by the caller.
    static WireValue packet(DataSet rows);
    /// Raw bytes of a stream; its announced size travels separately as an out value.
    static WireValue stream(const QByteArray &bytes);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isTable() const { return m_type == Type::Reader || m_type == Type::Packet; }

    // Each accessor requires the matching type and raises ProtocolError otherwise.
    qint32 toInt32() const;
    qint64 toInt64() const;
    double toDouble() const;
    QString toString() const;
    bool toBool() const;
    const QJsonObject &record() const;
    const DataSet &table() const;
    /// Moves the table out when this value is its only holder, copies it otherwise.
    DataSet takeTable();
    const QByteArray &bytes() const;

    static QString typeName(Type type);

    /// Same type and equal contents (tables compared cell by cell).
    bool operator==(const WireValue &other) const;

private:
    using Value = std::variant<std::monostate, qint32, qint64, double, QString, bool, QJsonObject,
                               std::shared_ptr<DataSet>, QByteArray>;

    WireValue(Type type, Value value) : m_type(type), m_value(std::move(value)) {}
    /// The held value when it is of the wanted type; a protocol error otherwise.
    template<typename T>
    const T &as(Type want) const;

    Type m_type = Type::Null;
    Value m_value;
};

bool sameTable(const DataSet &a, const DataSet &b);

} // namespace vorpa
