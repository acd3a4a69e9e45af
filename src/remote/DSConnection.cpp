#include "DSConnection.h"

#include "ProtocolError.h"
#include "RemoteError.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <limits>

namespace vorpa {

namespace {

int waitSlice(const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime();
    if (left < 0)
        return std::numeric_limits<int>::max();
    return int(std::min<qint64>(left, std::numeric_limits<int>::max()));
}

} // namespace

DSConnection::DSConnection()
{
    m_params = {
        {QStringLiteral("ConnectionName"), QStringLiteral("DataSnapCONNECTION")},
        {QStringLiteral("DriverName"), QStringLiteral("DataSnap")},
        {QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip")},
        {QStringLiteral("HostName"), QString()},
        {QStringLiteral("Port"), QStringLiteral("9090")},
        {QStringLiteral("DSContext"), QStringLiteral("datasnap/")},
        {QStringLiteral("Filters"), QStringLiteral("{}")},
    };
}

DSConnection::~DSConnection() { Close(); }

QString DSConnection::target() const { return QStringLiteral("%1:%2").arg(HostName(), Port()); }

void DSConnection::Open()
{
    if (Connected())
        return;
    Close();
    if (HostName().trimmed().isEmpty())
        throw RemoteError(RemoteError::Kind::Transport, QStringLiteral("Sunucu adresi belirtilmemiş"));
    bool ok = false;
    const uint port = Port().toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        throw RemoteError(RemoteError::Kind::Transport, QStringLiteral("Geçersiz sunucu portu: \"%1\"").arg(Port()));

    m_socket = std::make_unique<QTcpSocket>();
    m_buffer = std::make_unique<FrameBuffer>(m_maxMessageSize);
    m_socket->connectToHost(HostName(), quint16(port));
    if (!m_socket->waitForConnected(m_connectTimeoutMs)) {
        const QString cause = m_socket->error() == QAbstractSocket::SocketTimeoutError
            ? QStringLiteral("%1 ms içinde yanıt yok").arg(m_connectTimeoutMs)
            : m_socket->errorString();
        Close();
        throw RemoteError(RemoteError::Kind::Transport,
                          QStringLiteral("Sunucuya bağlanılamadı (%1): %2").arg(target(), cause));
    }

    // The greeting shares the connect time-out: a silent peer must not hold Open() for a whole call time-out.
    m_deadlineMs = m_connectTimeoutMs;
    m_deadline = QDeadlineTimer(m_deadlineMs);
    send(FrameCodec::encode(HelloMessage{FrameCodec::ProtocolVersion}), QStringLiteral("el sıkışma"));
    Message answer;
    try {
        answer = FrameCodec::decode(receive(QStringLiteral("el sıkışma")));
    } catch (const ProtocolError &e) {
        breakWith(QStringLiteral("Sunucunun el sıkışma yanıtı geçersiz (%1): %2").arg(target(), QString::fromUtf8(e.what())));
    }
    if (const auto *failure = std::get_if<FailureMessage>(&answer)) {
        const QString text = failure->message;
        Close();
        throw RemoteError(RemoteError::Kind::Server, text);
    }
    const auto *welcome = std::get_if<WelcomeMessage>(&answer);
    if (!welcome)
        breakWith(QStringLiteral("Sunucu el sıkışmaya beklenmeyen bir iletiyle yanıt verdi (%1)").arg(target()));
    if (welcome->version != FrameCodec::ProtocolVersion)
        breakWith(QStringLiteral("Sunucunun protokol sürümü (%1) bu programınkiyle (%2) uyuşmuyor")
                      .arg(welcome->version)
                      .arg(FrameCodec::ProtocolVersion));
}

void DSConnection::Close()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_buffer.reset();
}

bool DSConnection::Connected() const
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return false;
    // Nobody runs an event loop for this socket between calls, so a peer that went away is only
    // noticed when the socket is polled.
    if (m_socket->bytesAvailable() == 0)
        m_socket->waitForReadyRead(0);
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

std::unique_ptr<DSConnection> DSConnection::CloneConnection() const
{
    auto copy = std::make_unique<DSConnection>();
    copy->m_params = m_params;
    copy->m_loginPrompt = m_loginPrompt;
    copy->m_connectTimeoutMs = m_connectTimeoutMs;
    copy->m_callTimeoutMs = m_callTimeoutMs;
    copy->m_maxMessageSize = m_maxMessageSize;
    return copy;
}

void DSConnection::breakWith(const QString &text)
{
    Close();
    throw RemoteError(RemoteError::Kind::Transport, text);
}

void DSConnection::send(const QByteArray &frame, const QString &what)
{
    m_socket->write(frame);
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(waitSlice(m_deadline))) {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                breakWith(QStringLiteral("Sunucu bağlantısı kesildi (%1, %2): %3")
                              .arg(target(), what, m_socket->errorString()));
            breakWith(QStringLiteral("Sunucuya %1 ms içinde gönderilemedi (%2, %3)").arg(m_deadlineMs).arg(target(), what));
        }
    }
}

QByteArray DSConnection::receive(const QString &what)
{
    for (;;) {
        try {
            if (std::optional<QByteArray> body = m_buffer->next())
                return *body;
        } catch (const ProtocolError &e) {
            breakWith(QStringLiteral("Sunucudan geçersiz yanıt (%1, %2): %3").arg(target(), what, QString::fromUtf8(e.what())));
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            breakWith(QStringLiteral("Sunucu bağlantıyı yanıt vermeden kapattı (%1, %2)").arg(target(), what));
        if (m_deadline.hasExpired())
            breakWith(QStringLiteral("Sunucu %1 ms içinde yanıt vermedi (%2, %3)").arg(m_deadlineMs).arg(target(), what));
        m_socket->waitForReadyRead(waitSlice(m_deadline));
        m_buffer->append(m_socket->readAll());
    }
}

ReplyMessage DSConnection::call(const QString &method, const QList<WireValue> &params)
{
    if (!Connected())
        throw RemoteError(RemoteError::Kind::Transport,
                          QStringLiteral("Sunucu bağlantısı açık değil (%1)").arg(method));
    CallMessage message{m_nextId++, method, params};
    QByteArray frame;
    try {
        frame = FrameCodec::encode(message);
    } catch (const ProtocolError &e) {
        throw RemoteError(RemoteError::Kind::Transport, QStringLiteral("%1: %2").arg(method, QString::fromUtf8(e.what())));
    }
    m_deadlineMs = m_callTimeoutMs;
    m_deadline = QDeadlineTimer(m_deadlineMs);
    send(frame, method);
    Message answer;
    try {
        answer = FrameCodec::decode(receive(method));
    } catch (const ProtocolError &e) {
        breakWith(QStringLiteral("Sunucudan geçersiz yanıt (%1, %2): %3").arg(target(), method, QString::fromUtf8(e.what())));
    }
    if (auto *reply = std::get_if<ReplyMessage>(&answer)) {
        if (reply->id != message.id)
            breakWith(QStringLiteral("Sunucu başka bir çağrıya yanıt verdi (%1)").arg(method));
        return std::move(*reply);
    }
    if (const auto *failure = std::get_if<FailureMessage>(&answer)) {
        const QString text = failure->message;
        // Id 0 is the server refusing the connection itself; it closes its side.
        if (failure->id == 0)
            Close();
        else if (failure->id != message.id)
            breakWith(QStringLiteral("Sunucu başka bir çağrıya yanıt verdi (%1)").arg(method));
        throw RemoteError(RemoteError::Kind::Server, text);
    }
    breakWith(QStringLiteral("Sunucu beklenmeyen bir iletiyle yanıt verdi (%1)").arg(method));
}

} // namespace vorpa
