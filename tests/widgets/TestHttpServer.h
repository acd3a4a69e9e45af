#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP/1.0 server on a loopback port for tests: answers each path as configured, records
// the requests, and can hold an answer back until the test releases it.
class TestHttpServer : public QObject
{
public:
    struct Answer
    {
        QByteArray status = "200 OK";
        QByteArray contentType;
        QByteArray body;
        bool withLength = true;
        bool held = false;
    };
    struct Request
    {
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    TestHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    QString root() const { return url(QStringLiteral("/")); }

    void answer(const QByteArray &path, const Answer &answer) { m_answers.insert(path, answer); }
    const QList<Request> &requests() const { return m_requests; }
    int count(const QByteArray &path) const
    {
        int n = 0;
        for (const Request &r : m_requests)
            n += r.path == path;
        return n;
    }
    int heldCount() const { return int(m_held.size()); }

    // Sends the held answer of a path.
    void release(const QByteArray &path)
    {
        for (int i = 0; i < m_held.size(); ++i) {
            if (m_held[i].first == path) {
                const auto [heldPath, socket] = m_held.takeAt(i);
                if (socket)
                    send(socket, m_answers.value(heldPath));
                return;
            }
        }
    }

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        Request request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.path = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        m_buffers.remove(socket);
        m_requests.append(request);
        const Answer answer = m_answers.value(request.path, Answer{"404 Not Found", "text/html", "<html>yok</html>"});
        if (answer.held)
            m_held.append({request.path, QPointer<QTcpSocket>(socket)});
        else
            send(socket, answer);
    }

    static void send(QTcpSocket *socket, const Answer &answer)
    {
        QByteArray head = "HTTP/1.0 " + answer.status + "\r\n";
        if (!answer.contentType.isEmpty())
            head += "Content-Type: " + answer.contentType + "\r\n";
        if (answer.withLength)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head + answer.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
    QList<QPair<QByteArray, QPointer<QTcpSocket>>> m_held;
};
