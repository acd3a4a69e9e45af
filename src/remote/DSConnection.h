#pragma once

#include "FrameBuffer.h"
#include "FrameCodec.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QString>

#include <memory>

class QTcpSocket;

namespace vorpa {

/// The client's connection component: named connection settings, a blocking TCP connection to
/// the application server used by whichever single thread owns it, and one call at a time.
class DSConnection {
public:
    static constexpr int DefaultConnectTimeoutMs = 10000;
    static constexpr int DefaultCallTimeoutMs = 60000;

    DSConnection();
    ~DSConnection();
    DSConnection(const DSConnection &) = delete;
    DSConnection &operator=(const DSConnection &) = delete;

    // Named settings: ConnectionName "DataSnapCONNECTION", DriverName "DataSnap",
    // CommunicationProtocol "tcp/ip", HostName, Port "9090", DSContext "datasnap/", Filters "{}",
    // LoginPrompt "False". Only HostName and Port affect the connection.
    QString param(const QString &name) const { return m_params.value(name); }
    void setParam(const QString &name, const QString &value) { m_params.insert(name, value); }
    const QMap<QString, QString> &params() const { return m_params; }

    QString HostName() const { return param(QStringLiteral("HostName")); }
    void setHostName(const QString &host) { setParam(QStringLiteral("HostName"), host); }
    QString Port() const { return param(QStringLiteral("Port")); }
    void setPort(const QString &port) { setParam(QStringLiteral("Port"), port); }
    void setPort(quint16 port) { setPort(QString::number(port)); }
    bool LoginPrompt() const { return m_loginPrompt; }
    void setLoginPrompt(bool value) { m_loginPrompt = value; }

    int connectTimeout() const { return m_connectTimeoutMs; }
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    int callTimeout() const { return m_callTimeoutMs; }
    void setCallTimeout(int ms) { m_callTimeoutMs = ms; }
    quint32 maxMessageSize() const { return m_maxMessageSize; }
    void setMaxMessageSize(quint32 bytes) { m_maxMessageSize = bytes; }

    /// Connects and greets the server; does nothing when already connected. Raises RemoteError
    /// (transport) with a Turkish text naming the host, port and cause.
    void Open();
    void Close();
    /// True while the socket is connected and has not broken; a dropped peer reads as false.
    bool Connected() const;

    /// Same settings and time-outs, not open; owned by the caller.
    std::unique_ptr<DSConnection> CloneConnection() const;

    /// Sends one call and waits for its answer. A server failure raises RemoteError(Server) with
    /// the server's text and leaves the connection usable; a transport failure or a malformed
    /// answer raises RemoteError(Transport) and closes the connection.
    ReplyMessage call(const QString &method, const QList<WireValue> &params);

private:
    QByteArray receive(const QString &what);
    void send(const QByteArray &frame, const QString &what);
    [[noreturn]] void breakWith(const QString &text);
    QString target() const;

    QMap<QString, QString> m_params;
    bool m_loginPrompt = false;
    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
    int m_callTimeoutMs = DefaultCallTimeoutMs;
    quint32 m_maxMessageSize = FrameCodec::DefaultMaxMessageSize;
    std::unique_ptr<QTcpSocket> m_socket;
    std::unique_ptr<FrameBuffer> m_buffer;
    quint32 m_nextId = 1;
    int m_deadlineMs = 0;
    QDeadlineTimer m_deadline;
};

} // namespace vorpa
