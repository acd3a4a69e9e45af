#include "ServerCommand.h"

namespace vorpa {

ServerCommand::ServerCommand(DSConnection &connection, const OperationSpec &operation)
    : m_connection(&connection)
    , m_op(&operation)
{
}

void ServerCommand::execute(const QList<WireValue> &inputs)
{
    m_reader.reset();
    m_stream.reset();
    m_record.reset();
    m_reply = ReplyMessage();

    const QString wrongInputs = checkInputs(*m_op, inputs);
    if (!wrongInputs.isEmpty())
        throw RemoteError(RemoteError::Kind::Transport, wrongInputs);
    ++m_executions;
    ReplyMessage reply = m_connection->call(text(), inputs);
    const QString wrongAnswer = checkAnswer(*m_op, reply.outs, reply.result);
    if (!wrongAnswer.isEmpty())
        throw RemoteError(RemoteError::Kind::Transport, QStringLiteral("Sunucudan beklenmeyen yanıt: %1").arg(wrongAnswer));
    m_reply = std::move(reply);
}

ResultReader *ServerCommand::reader()
{
    if (!m_reader)
        m_reader = std::make_unique<ResultReader>(m_reply.result.takeTable());
    return m_reader.get();
}

QIODevice *ServerCommand::stream()
{
    if (!m_stream) {
        m_stream = std::make_unique<QBuffer>();
        m_stream->setData(m_reply.result.bytes());
        m_stream->open(QIODevice::ReadOnly);
    }
    return m_stream.get();
}

} // namespace vorpa
