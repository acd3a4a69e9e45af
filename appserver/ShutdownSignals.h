#pragma once

#include <QObject>

class QSocketNotifier;

namespace vorpa {

/// Turns SIGINT and SIGTERM into a clean quit of the event loop: the handler only writes to a
/// pipe, and the loop reads it and quits.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void shutdownRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace vorpa
