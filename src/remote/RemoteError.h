#pragma once

#include <QString>

#include <stdexcept>

namespace vorpa {

/// A failed remote call as the caller sees it: a transport failure (connect, time-out, dropped
/// connection, malformed answer) or a server failure; what() is the failure's own text.
class RemoteError : public std::runtime_error {
public:
    enum class Kind { Transport, Server };

    RemoteError(Kind kind, const QString &text)
        : std::runtime_error(text.toStdString())
        , m_kind(kind)
    {
    }

    Kind kind() const { return m_kind; }
    bool isServerFailure() const { return m_kind == Kind::Server; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    Kind m_kind;
};

} // namespace vorpa
