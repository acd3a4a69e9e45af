#pragma once

#include "DSConnection.h"
#include "RemoteError.h"
#include "RecordError.h"
#include "ResultReader.h"
#include "operations.h"

#include <QBuffer>

#include <memory>

namespace vorpa {

/// One prepared server-method command of a proxy: the operation's text and signature, and what
/// its last execution returned. Readers, streams and records it hands out stay valid until it
/// executes again or is destroyed.
class ServerCommand {
public:
    ServerCommand(DSConnection &connection, const OperationSpec &operation);

    const OperationSpec &operation() const { return *m_op; }
    QString text() const { return m_op->commandText(); }
    int executionCount() const { return m_executions; }

    /// Frees the previous results, sends the inputs and checks the answer against the signature.
    void execute(const QList<WireValue> &inputs);

    const QList<WireValue> &outs() const { return m_reply.outs; }
    const WireValue &result() const { return m_reply.result; }
    DataSet takePacket() { return m_reply.result.takeTable(); }
    ResultReader *reader();
    /// The stream result, open for reading at position 0.
    QIODevice *stream();
    /// The record result rebuilt by its class, nullptr for a null record.
    template <class T>
    T *record()
    {
        if (m_reply.result.isNull())
            return nullptr;
        try {
            std::unique_ptr<T> r = T::fromJson(m_reply.result.record());
            T *raw = r.get();
            m_record = std::shared_ptr<T>(std::move(r));
            return raw;
        } catch (const RecordError &e) {
            throw RemoteError(RemoteError::Kind::Transport,
                              QStringLiteral("%1: %2").arg(text(), QString::fromUtf8(e.what())));
        }
    }

private:
    DSConnection *m_connection;
    const OperationSpec *m_op;
    int m_executions = 0;
    ReplyMessage m_reply;
    std::unique_ptr<ResultReader> m_reader;
    std::unique_ptr<QBuffer> m_stream;
    std::shared_ptr<void> m_record;
};

} // namespace vorpa
