#include "beklesinu.h"

#include "utils.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <exception>

namespace {

QString errorText(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

} // namespace

TAwait::TAwait(std::function<void()> async)
    : FAsync(std::move(async))
{
}

void TAwait::Await(std::function<void()> continuation, QObject *context)
{
    // The continuation is posted to the application object, which outlives every window; whether
    // the context still exists is only asked on the user-interface thread.
    QPointer<QObject> guard(context);
    const bool guarded = context != nullptr;
    // The task keeps its own references, so the caller may drop this object at once.
    QThreadPool::globalInstance()->start(
        [work = FAsync, continuation = std::move(continuation), guard, guarded, self = shared_from_this()] {
            std::exception_ptr error;
            try {
                work();
            } catch (...) {
                error = std::current_exception();
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [continuation, error, guard, guarded] {
                    if (guarded && !guard)
                        return;
                    if (continuation)
                        continuation();
                    if (error)
                        vorpa::ShowApplicationError(errorText(error));
                },
                Qt::QueuedConnection);
        });
}

std::shared_ptr<IAwait> StartAsync(std::function<void()> work)
{
    return std::make_shared<TAwait>(std::move(work));
}
