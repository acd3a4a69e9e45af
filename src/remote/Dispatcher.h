#pragma once

// Server side of the wire, for the reference application server:
//
//   vorpa::Dispatcher dispatcher;
//   dispatcher.registerOperation("SepetVer2", [&](const vorpa::CallParams &p) {
//       vorpa::DataSet rows = store.basket(p.integer("carino"));   // or p.integer(0)
//       return vorpa::CallResult::packet(std::move(rows));
//   });
//   dispatcher.registerOperation("BuyukGetir", [&](const vorpa::CallParams &p) {
//       std::unique_ptr<TSonucBilgisi> r = store.session(p.string("idsi"));
//       return vorpa::CallResult::record(r.get());                 // nullptr answers a null record
//   });
//   dispatcher.registerOperation("ResimVer5", [&](const vorpa::CallParams &p) {
//       return vorpa::CallResult::stream(store.picture(p.integer(0))); // out "boy" = byte count
//   });
//   vorpa::RemoteServer server(dispatcher);
//   server.setThreadHooks(openDbForThisThread, closeDbForThisThread);
//   if (!server.listen(QHostAddress::Any, 9090)) ... server.errorString();
//
// - Names and signatures come from serverOperations() (operations.h); registering a name that
//   is not there throws std::invalid_argument. Register everything before listen().
// - Parameters reach the handler already checked: count, types and record type names match the
//   declaration, so p.integer(k) / p.real(k) / p.string(k) / p.record<TSonucBilgisi>(k) are safe
//   for the declared types (a record parameter may be null: record<T>() then returns nullptr).
// - The answer must match the declared result kind (reader, packet, record or null record,
//   stream, integer, boolean, string, none); a mismatch is sent to the client as a failure.
// - A handler that throws std::exception sends what() to the client as the failure text; the
//   client raises it as vorpa::RemoteError with exactly that text. Nothing is half-sent.
// - Threads: each client connection has its own thread, and every handler call for that
//   connection runs on it, one call at a time. Handlers of different connections run at the same
//   time, so shared state needs its own locking; a per-thread database connection is opened in
//   the started hook and closed in the finished hook (both run on the connection's thread).

#include "CallParams.h"
#include "CallResult.h"
#include "FrameCodec.h"

#include <QHash>

#include <functional>
#include <variant>

namespace vorpa {

/// Routes decoded calls to the handler registered for their operation and turns the handler's
/// answer or failure into the message sent back.
class Dispatcher {
public:
    using Handler = std::function<CallResult(const CallParams &)>;
    /// Told about every call after it ran: operation text, duration, and the failure text
    /// (empty on success). Runs on the connection's thread.
    using CallObserver = std::function<void(const QString &method, qint64 microseconds, const QString &failure)>;

    void registerOperation(const QString &name, Handler handler);
    bool hasHandler(const QString &name) const;
    void setCallObserver(CallObserver observer) { m_observer = std::move(observer); }

    /// Runs one call; never throws.
    std::variant<ReplyMessage, FailureMessage> dispatch(const CallMessage &call) const;
    /// dispatch() encoded as a frame ready to send.
    QByteArray answer(const CallMessage &call) const;

private:
    std::variant<ReplyMessage, FailureMessage> run(const CallMessage &call) const;

    QHash<QString, Handler> m_handlers;
    CallObserver m_observer;
};

} // namespace vorpa
