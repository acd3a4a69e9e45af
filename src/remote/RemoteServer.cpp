#include "RemoteServer.h"

#include "Dispatcher.h"
#include "FrameBuffer.h"
#include "ProtocolError.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>

#include <map>

namespace vorpa {

namespace {

struct ServerSettings {
    const Dispatcher *dispatcher = nullptr;
    std::function<void()> started;
    std::function<void()> finished;
    quint32 maxMessageSize = FrameCodec::DefaultMaxMessageSize;
};

// One client connection, living on its own thread.
class Session : public QObject {
public:
    Session(qintptr descriptor, const ServerSettings &settings, std::function<void()> ended)
        : m_descriptor(descriptor)
        , m_settings(settings)
        , m_ended(std::move(ended))
        , m_buffer(settings.maxMessageSize)
    {
    }

    void start()
    {
        if (m_settings.started)
            m_settings.started();
        m_socket = new QTcpSocket(this);
        QObject::connect(m_socket, &QTcpSocket::readyRead, this, [this] { onReadyRead(); });
        QObject::connect(m_socket, &QTcpSocket::disconnected, this, [this] { finish(); });
        if (!m_socket->setSocketDescriptor(m_descriptor))
            finish();
    }

    void abort()
    {
        if (m_socket)
            m_socket->abort();
        finish();
    }

private:
    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        if (m_settings.finished)
            m_settings.finished();
        m_ended();
        thread()->quit();
    }

    void send(const QByteArray &frame) { m_socket->write(frame); }

    void refuse(quint32 id, const QString &text)
    {
        send(FrameCodec::encode(FailureMessage{id, text}));
        m_closing = true;
        m_socket->disconnectFromHost();
    }

    void onReadyRead()
    {
        if (m_closing)
            return;
        m_buffer.append(m_socket->readAll());
        try {
            while (!m_closing) {
                std::optional<QByteArray> body = m_buffer.next();
                if (!body)
                    break;
                handle(*body);
            }
        } catch (const ProtocolError &e) {
            // The framing itself is broken: nothing after this point can be trusted.
            m_buffer.clear();
            refuse(0, QString::fromUtf8(e.what()));
        }
    }

    void handle(const QByteArray &body)
    {
        Message message;
        try {
            message = FrameCodec::decode(body);
        } catch (const ProtocolError &e) {
            // The frame was whole, so the stream stays in step: answer the call and go on.
            quint32 id = 0;
            if (body.size() >= 5 && quint8(body[0]) == quint8(FrameCodec::Kind::Call))
                id = qFromBigEndian<quint32>(body.constData() + 1);
            const QString text = QStringLiteral("Geçersiz ileti: %1").arg(QString::fromUtf8(e.what()));
            if (!m_greeted)
                refuse(id, text);
            else
                send(FrameCodec::encode(FailureMessage{id, text}));
            return;
        }
        if (auto *hello = std::get_if<HelloMessage>(&message)) {
            if (hello->version != FrameCodec::ProtocolVersion) {
                refuse(0, QStringLiteral("Desteklenmeyen protokol sürümü: %1 (sunucu %2 sürümünü konuşur)")
                              .arg(hello->version)
                              .arg(FrameCodec::ProtocolVersion));
                return;
            }
            m_greeted = true;
            send(FrameCodec::encode(WelcomeMessage{FrameCodec::ProtocolVersion}));
            return;
        }
        if (auto *call = std::get_if<CallMessage>(&message)) {
            if (!m_greeted) {
                refuse(call->id, QStringLiteral("Çağrıdan önce el sıkışma yapılmadı"));
                return;
            }
            send(m_settings.dispatcher->answer(*call));
            return;
        }
        refuse(0, QStringLiteral("Sunucu bu iletiyi beklemiyordu"));
    }

    qintptr m_descriptor;
    const ServerSettings &m_settings;
    std::function<void()> m_ended;
    FrameBuffer m_buffer;
    QTcpSocket *m_socket = nullptr;
    bool m_greeted = false;
    bool m_closing = false;
    bool m_finished = false;
};

// The listening socket, living on the server's internal thread.
class Listener : public QTcpServer {
public:
    explicit Listener(const ServerSettings &settings)
        : m_settings(settings)
    {
    }

    int sessionCount() const
    {
        QMutexLocker lock(&m_mutex);
        int n = 0;
        for (const auto &entry : m_sessions)
            n += entry.second ? 1 : 0;
        return n;
    }

    void shutdown()
    {
        QTcpServer::close();
        std::map<QThread *, Session *> sessions;
        {
            // A session still listed is alive: it unlists itself under this lock before its
            // thread ends and deletes it, so the abort is posted to a live object.
            QMutexLocker lock(&m_mutex);
            for (auto &[thread, session] : m_sessions) {
                if (session)
                    QMetaObject::invokeMethod(session, [s = session] { s->abort(); }, Qt::QueuedConnection);
            }
            sessions.swap(m_sessions);
        }
        for (auto &entry : sessions) {
            entry.first->wait();
            delete entry.first;
        }
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *thread = new QThread;
        auto *session = new Session(descriptor, m_settings, [this, thread] { unlist(thread); });
        session->moveToThread(thread);
        QObject::connect(thread, &QThread::started, session, [session] { session->start(); });
        QObject::connect(thread, &QThread::finished, session, &QObject::deleteLater);
        QObject::connect(thread, &QThread::finished, this, [this, thread] { reap(thread); }, Qt::QueuedConnection);
        {
            QMutexLocker lock(&m_mutex);
            m_sessions.emplace(thread, session);
        }
        thread->start();
    }

private:
    void unlist(QThread *thread)
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_sessions.find(thread);
        if (it != m_sessions.end())
            it->second = nullptr;
    }

    void reap(QThread *thread)
    {
        {
            QMutexLocker lock(&m_mutex);
            if (m_sessions.erase(thread) == 0)
                return; // already taken over by shutdown()
        }
        thread->wait();
        delete thread;
    }

    const ServerSettings &m_settings;
    mutable QMutex m_mutex;
    std::map<QThread *, Session *> m_sessions;
};

} // namespace

struct RemoteServer::Impl {
    ServerSettings settings;
    QThread thread;
    Listener *listener = nullptr;
    quint16 port = 0;
    QString error;
};

RemoteServer::RemoteServer(const Dispatcher &dispatcher)
    : d(std::make_unique<Impl>())
{
    d->settings.dispatcher = &dispatcher;
}

RemoteServer::~RemoteServer() { close(); }

void RemoteServer::setThreadHooks(std::function<void()> started, std::function<void()> finished)
{
    d->settings.started = std::move(started);
    d->settings.finished = std::move(finished);
}

void RemoteServer::setMaxMessageSize(quint32 bytes) { d->settings.maxMessageSize = bytes; }

bool RemoteServer::listen(const QHostAddress &address, quint16 port)
{
    if (d->listener)
        return true;
    d->thread.start();
    auto *listener = new Listener(d->settings);
    listener->moveToThread(&d->thread);
    bool ok = false;
    QMetaObject::invokeMethod(
        listener,
        [&] {
            ok = listener->listen(address, port);
            d->port = listener->serverPort();
            d->error = listener->errorString();
        },
        Qt::BlockingQueuedConnection);
    if (!ok) {
        QMetaObject::invokeMethod(listener, [listener] { delete listener; }, Qt::BlockingQueuedConnection);
        d->thread.quit();
        d->thread.wait();
        return false;
    }
    d->listener = listener;
    return true;
}

bool RemoteServer::isListening() const { return d->listener != nullptr; }

quint16 RemoteServer::port() const { return d->port; }

QString RemoteServer::errorString() const { return d->error; }

int RemoteServer::connectionCount() const { return d->listener ? d->listener->sessionCount() : 0; }

void RemoteServer::close()
{
    if (!d->listener)
        return;
    Listener *listener = d->listener;
    d->listener = nullptr;
    QMetaObject::invokeMethod(
        listener,
        [listener] {
            listener->shutdown();
            delete listener;
        },
        Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
}

} // namespace vorpa
