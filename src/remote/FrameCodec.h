#pragma once

#include "WireValue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace vorpa {

/// Client's greeting: protocol magic and version.
struct HelloMessage {
    quint16 version = 0;
};

/// Server's acceptance of the greeting.
struct WelcomeMessage {
    quint16 version = 0;
};

/// One invocation: "TServerMethods1." + operation, input parameters in declaration order.
struct CallMessage {
    quint32 id = 0;
    QString method;
    QList<WireValue> params;
};

/// A successful answer: the out parameters in declaration order, then the result.
struct ReplyMessage {
    quint32 id = 0;
    QList<WireValue> outs;
    WireValue result;
};

/// A failed call (or a refused greeting when id is 0): the failure's own text.
struct FailureMessage {
    quint32 id = 0;
    QString message;
};

using Message = std::variant<HelloMessage, WelcomeMessage, CallMessage, ReplyMessage, FailureMessage>;

/// Turns messages into framed bytes and message bodies back into messages; the one place that
/// knows the layout, used by the client and by the server alike.
class FrameCodec {
public:
    static constexpr quint16 ProtocolVersion = 1;
    static constexpr char Magic[4] = {'V', 'R', 'P', 'A'};
    static constexpr int HeaderSize = 4;
    static constexpr quint32 DefaultMaxMessageSize = 256u * 1024u * 1024u;

    enum class Kind : quint8 { Hello = 1, Welcome = 2, Call = 3, Reply = 4, Failure = 5 };

    // Each returns the whole frame: four-byte big-endian body length, then the body.
    static QByteArray encode(const HelloMessage &m);
    static QByteArray encode(const WelcomeMessage &m);
    static QByteArray encode(const CallMessage &m);
    static QByteArray encode(const ReplyMessage &m);
    static QByteArray encode(const FailureMessage &m);

    /// Decodes one message body (without its length prefix); raises ProtocolError for anything
    /// malformed, including trailing bytes.
    static Message decode(const QByteArray &body);
};

} // namespace vorpa
