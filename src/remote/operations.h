#pragma once

#include "WireValue.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace vorpa {

/// Parameter types as the operations declare them.
enum class ParamType : quint8 {
    Integer, // 32-bit signed
    Double,
    String,
    Int64,
    Record, // a marshalled record of ParamSpec::recordType, or null
};

/// What an operation answers with.
enum class ResultKind : quint8 { Reader, Packet, Record, Stream, Integer, Boolean, String, None };

/// One declared parameter: the server's name, its type, whether it is an out parameter.
struct ParamSpec {
    QString name;
    ParamType type = ParamType::Integer;
    bool out = false;
    QString recordType; // qualified record type name, for ParamType::Record
};

/// One server operation with its full signature; the single source the proxy, its tests, the
/// dispatcher's signature checks and the reference server all go by.
struct OperationSpec {
    QString name;
    QList<ParamSpec> params; // declaration order, out parameters included
    ResultKind result = ResultKind::None;
    QString recordType; // for ResultKind::Record

    /// "TServerMethods1." + name: the text a call carries.
    QString commandText() const;
    QList<ParamSpec> inputs() const;
    QList<ParamSpec> outs() const;
};

/// The prefix every call's method text starts with.
inline constexpr const char *ServerClassPrefix = "TServerMethods1.";

/// All 49 operations, grouped as the client uses them.
const QList<OperationSpec> &serverOperations();
/// By operation name, with or without the "TServerMethods1." prefix; nullptr when unknown.
const OperationSpec *findOperation(QStringView name);
/// Position in serverOperations(), or -1.
int operationIndex(QStringView name);

QString paramTypeName(ParamType type);
QString resultKindName(ResultKind kind);
/// The wire type an out value or plain result of this kind travels as.
WireValue::Type wireTypeOf(ParamType type);

/// Checks input values against the declared inputs (count, types, record type names);
/// an empty text when they match, otherwise a message naming the first mismatch.
QString checkInputs(const OperationSpec &op, const QList<WireValue> &values);
/// Checks out values and a result against the declaration; empty text when they match.
QString checkAnswer(const OperationSpec &op, const QList<WireValue> &outs, const WireValue &result);

} // namespace vorpa
