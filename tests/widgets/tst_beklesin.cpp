#include "beklesinu.h"
#include "utils.h"

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <stdexcept>

class TestBeklesin : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        events.clear();
        vorpa::setMessageHandler([this](const vorpa::MessageRequest &request) {
            events << "box:" + request.text;
            kinds << request.kind;
            return vorpa::ModalResult::Ok;
        });
    }
    void cleanup() { vorpa::setMessageHandler({}); }

    void workOnPoolThreadContinuationOnUiThreadAfterAwait()
    {
        QThread *workThread = nullptr;
        QThread *continuationThread = nullptr;
        StartAsync([&] { workThread = QThread::currentThread(); })->Await([&] {
            continuationThread = QThread::currentThread();
            events << "continuation";
        });
        events << "after Await";
        QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"after Await", "continuation"}), 30000);
        QVERIFY(workThread != nullptr);
        QVERIFY(workThread != QApplication::instance()->thread());
        QCOMPARE(continuationThread, QApplication::instance()->thread());
    }

    void continuationNeverRunsInsideAwait()
    {
        std::atomic<bool> workDone{false};
        bool continued = false;
        const auto job = StartAsync([&] { workDone = true; });
        job->Await([&] { continued = true; });
        QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
        QVERIFY(workDone.load());
        // Even with the work over, nothing runs until the event loop does.
        QVERIFY(!continued);
        QTRY_VERIFY_WITH_TIMEOUT(continued, 30000);
    }

    void escapedErrorIsShownAfterTheContinuation()
    {
        StartAsync([] { throw std::runtime_error("Sunucu cevap vermedi"); })->Await([&] { events << "continuation"; });
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, 30000);
        QCOMPARE(events, (QStringList{"continuation", "box:Sunucu cevap vermedi"}));
        QCOMPARE(kinds.last(), std::optional<vorpa::MessageKind>(vorpa::MessageKind::Error));
    }

    void droppedHandleStillRunsBoth()
    {
        {
            auto job = StartAsync([this] { QMetaObject::invokeMethod(this, [] {}, Qt::QueuedConnection); });
            job->Await([&] { events << "continuation"; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(events, QStringList{"continuation"}, 30000);
    }

    void destroyedContextSkipsContinuationAndError()
    {
        std::atomic<bool> release{false};
        std::atomic<bool> finished{false};
        auto *context = new QObject;
        StartAsync([&] {
            while (!release)
                QThread::yieldCurrentThread();
            finished = true;
            throw std::runtime_error("geç");
        })->Await([&] { events << "continuation"; }, context);
        delete context;
        release = true;
        QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
        QVERIFY(finished.load());
        // The continuation has been posted by now; let it come and go.
        QCoreApplication::processEvents();
        QVERIFY(events.isEmpty());
    }

private:
    QStringList events;
    QList<std::optional<vorpa::MessageKind>> kinds;
};

QTEST_MAIN(TestBeklesin)
#include "tst_beklesin.moc"
