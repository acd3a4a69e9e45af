#pragma once

// A test server on the real dispatcher that answers every operation of the table with a result
// of the declared kind built from the parameters it received, and records each call.

#include "Dispatcher.h"
#include "RemoteServer.h"
#include "baglantiu.h"
#include "mobilstokunit.h"

#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>

namespace echo {

using namespace vorpa;

inline FieldType columnTypeOf(ParamType t)
{
    switch (t) {
    case ParamType::Integer: return FieldType::Int32;
    case ParamType::Double: return FieldType::Double;
    case ParamType::Int64: return FieldType::Int64;
    case ParamType::String:
    case ParamType::Record: return FieldType::String;
    }
    return FieldType::String;
}

/// One column "OP" with the operation's name, then one column per input parameter named after
/// it; a row with the received values, then a row of nulls.
inline DataSet tableOf(const OperationSpec &op, const QList<WireValue> &inputs)
{
    const QList<ParamSpec> specs = op.inputs();
    QList<FieldDef> fields{{QStringLiteral("OP"), FieldType::String}};
    for (const ParamSpec &p : specs)
        fields.append({p.name, columnTypeOf(p.type)});
    DataSet t(fields);
    const int row = t.appendRow();
    t.setString(row, 0, op.name);
    for (int k = 0; k < specs.size(); ++k) {
        const WireValue &v = inputs[k];
        switch (v.type()) {
        case WireValue::Type::Int32: t.setInt(row, k + 1, v.toInt32()); break;
        case WireValue::Type::Double: t.setDouble(row, k + 1, v.toDouble()); break;
        case WireValue::Type::String: t.setString(row, k + 1, v.toString()); break;
        case WireValue::Type::Record:
            t.setString(row, k + 1, QString::fromUtf8(QJsonDocument(v.record()).toJson(QJsonDocument::Compact)));
            break;
        default: break; // a null record stays a null cell
        }
    }
    t.appendRow();
    return t;
}

inline QString describe(const QList<WireValue> &inputs)
{
    QStringList parts;
    for (const WireValue &v : inputs) {
        switch (v.type()) {
        case WireValue::Type::Int32: parts << QString::number(v.toInt32()); break;
        case WireValue::Type::Double: parts << QString::number(v.toDouble(), 'g', 17); break;
        case WireValue::Type::String: parts << v.toString(); break;
        case WireValue::Type::Record: parts << v.record().value("type").toString(); break;
        default: parts << QStringLiteral("null"); break;
        }
    }
    return parts.join(QLatin1Char('|'));
}

inline qint32 intSum(const QList<WireValue> &inputs)
{
    qint32 sum = 1000;
    for (const WireValue &v : inputs) {
        if (v.type() == WireValue::Type::Int32)
            sum += v.toInt32();
    }
    return sum;
}

inline CallResult recordOf(const OperationSpec &op, const QList<WireValue> &in)
{
    const QString type = op.recordType;
    if (type == QLatin1String(TSonucBilgisi::TypeName)) {
        TSonucBilgisi r;
        r.setADI(in[0].toString());
        r.setVarmi(true);
        r.setVersion(5);
        r.setMusteriTipi(3);
        r.setCARINO(4711);
        return CallResult::record(&r);
    }
    if (type == QLatin1String(TAcilisEkranlariki::TypeName)) {
        TAcilisEkranlariki all;
        for (int k = 0; k < 2; ++k) {
            TAcilisEkran e;
            e.setSiraNo(k + 1);
            e.setBaslik(QStringLiteral("Duyuru %1").arg(k + 1));
            e.setArama(k == 0 ? QStringLiteral("#KAMPANYA#") : QStringLiteral("#YENİ#"));
            e.setResim(QStringLiteral("FF00"));
            all.addEkran(e);
        }
        return CallResult::record(&all);
    }
    if (type == QLatin1String(TAcilisEkran::TypeName)) {
        TAcilisEkran e;
        e.setSiraNo(in[0].toInt32());
        e.setBaslik(QStringLiteral("Reklam %1").arg(in[0].toInt32()));
        e.setArama(QStringLiteral("FREN"));
        return CallResult::record(&e);
    }
    if (type == QLatin1String(TSiparisDipAyrinti::TypeName)) {
        TSiparisDipAyrinti d;
        d.setDurumu(QString::number(in[0].toInt32()));
        d.setSizinMesaj(QString::number(in[1].toInt32()));
        d.setKargo(QStringLiteral("Aras Kargo"));
        return CallResult::record(&d);
    }
    if (type == QLatin1String(TTusSonuclari::TypeName)) {
        TTusSonuclari t;
        t.setAlindi(in[0].isNull() ? -1 : 1);
        t.setGoruldu(6);
        return CallResult::record(&t);
    }
    if (type == QLatin1String(TMobilCariBilgisi::TypeName)) {
        TMobilCariBilgisi m;
        m.setCARINO(in[0].toInt32());
        m.setBILGISAYARID(in[1].toString());
        m.setTLBAKIYE(-12.5);
        return CallResult::record(&m);
    }
    throw std::logic_error("no sample for this record type");
}

/// What the echo server answers to these inputs.
inline CallResult answerFor(const OperationSpec &op, const QList<WireValue> &in)
{
    switch (op.result) {
    case ResultKind::Reader: return CallResult::reader(tableOf(op, in));
    case ResultKind::Packet: return CallResult::packet(tableOf(op, in));
    case ResultKind::Record: return recordOf(op, in);
    case ResultKind::Stream: return CallResult::stream((op.name + QLatin1Char(':') + describe(in)).toUtf8());
    case ResultKind::Integer: return CallResult::integer(intSum(in));
    case ResultKind::Boolean: return CallResult::boolean(intSum(in) % 2 == 0);
    case ResultKind::String: return CallResult::string(op.name + QLatin1Char(':') + describe(in));
    case ResultKind::None: return CallResult::none();
    }
    return CallResult::none();
}

struct ReceivedCall {
    QString method;
    QList<WireValue> params;
};

/// The echo server; `override` lets one test replace an operation's handler.
class EchoServer {
public:
    EchoServer()
        : m_server(m_dispatcher)
    {
        for (const OperationSpec &op : serverOperations()) {
            m_dispatcher.registerOperation(op.name, [this, &op](const CallParams &p) {
                QList<WireValue> values;
                for (int k = 0; k < p.count(); ++k)
                    values.append(p.at(k));
                {
                    QMutexLocker lock(&m_mutex);
                    m_calls.append({op.commandText(), values});
                }
                return answerFor(op, values);
            });
        }
    }

    void override(const QString &name, Dispatcher::Handler handler)
    {
        m_dispatcher.registerOperation(name, std::move(handler));
    }

    bool start() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.port(); }
    RemoteServer &server() { return m_server; }

    QList<ReceivedCall> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    ReceivedCall lastCall() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls.isEmpty() ? ReceivedCall{} : m_calls.last();
    }

private:
    Dispatcher m_dispatcher;
    RemoteServer m_server;
    mutable QMutex m_mutex;
    QList<ReceivedCall> m_calls;
};

} // namespace echo
