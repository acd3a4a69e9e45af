#include "Dispatcher.h"

#include <QElapsedTimer>

#include <stdexcept>

namespace vorpa {

void Dispatcher::registerOperation(const QString &name, Handler handler)
{
    const OperationSpec *op = findOperation(name);
    if (!op)
        throw std::invalid_argument(QStringLiteral("Bilinmeyen işlem: %1").arg(name).toStdString());
    m_handlers.insert(op->name, std::move(handler));
}

bool Dispatcher::hasHandler(const QString &name) const
{
    const OperationSpec *op = findOperation(name);
    return op && m_handlers.contains(op->name);
}

std::variant<ReplyMessage, FailureMessage> Dispatcher::run(const CallMessage &call) const
{
    const QLatin1StringView prefix(ServerClassPrefix);
    const OperationSpec *op = call.method.startsWith(prefix) ? findOperation(call.method) : nullptr;
    if (!op)
        return FailureMessage{call.id, QStringLiteral("Bilinmeyen işlem: %1").arg(call.method)};
    const QString why = checkInputs(*op, call.params);
    if (!why.isEmpty())
        return FailureMessage{call.id, why};
    const auto handler = m_handlers.constFind(op->name);
    if (handler == m_handlers.constEnd())
        return FailureMessage{call.id, QStringLiteral("%1 bu sunucuda tanımlı değil").arg(op->commandText())};
    try {
        CallResult r = (*handler)(CallParams(*op, call.params));
        const QString bad = checkAnswer(*op, r.outs(), r.value());
        if (!bad.isEmpty())
            return FailureMessage{call.id, QStringLiteral("Sunucu hatası: %1").arg(bad)};
        return ReplyMessage{call.id, r.outs(), r.value()};
    } catch (const std::exception &e) {
        return FailureMessage{call.id, QString::fromUtf8(e.what())};
    } catch (...) {
        return FailureMessage{call.id, QStringLiteral("%1: sunucuda beklenmeyen bir hata oluştu").arg(op->commandText())};
    }
}

std::variant<ReplyMessage, FailureMessage> Dispatcher::dispatch(const CallMessage &call) const
{
    QElapsedTimer timer;
    timer.start();
    auto outcome = run(call);
    if (m_observer) {
        const QString failure =
            std::holds_alternative<FailureMessage>(outcome) ? std::get<FailureMessage>(outcome).message : QString();
        m_observer(call.method, timer.nsecsElapsed() / 1000, failure);
    }
    return outcome;
}

QByteArray Dispatcher::answer(const CallMessage &call) const
{
    auto outcome = dispatch(call);
    if (auto *reply = std::get_if<ReplyMessage>(&outcome)) {
        try {
            return FrameCodec::encode(*reply);
        } catch (const std::exception &e) {
            // Too large or otherwise unsendable: the client still gets an answer to its call.
            return FrameCodec::encode(FailureMessage{call.id, QString::fromUtf8(e.what())});
        }
    }
    return FrameCodec::encode(std::get<FailureMessage>(outcome));
}

} // namespace vorpa
