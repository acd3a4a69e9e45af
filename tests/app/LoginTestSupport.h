#pragma once

#include "DesktopActions.h"
#include "utils.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// What the program asked the desktop for during a test: message boxes (answered with their
// default result at once), process exits, shell opens and beeps.
class DesktopRecorder
{
public:
    DesktopRecorder()
    {
        vorpa::setMessageHandler([this](const vorpa::MessageRequest &request) {
            messages << request;
            return answer;
        });
        vorpa::setExitHandler([this](int code) {
            exits << code;
            if (onExit)
                onExit();
        });
        vorpa::setShellOpenHandler([this](const QString &target, const QStringList &arguments) {
            opened << (arguments.isEmpty() ? target : target + u' ' + arguments.join(u' '));
            return true;
        });
        vorpa::setBeepHandler([this](vorpa::BeepKind kind) { beeps << kind; });
    }
    ~DesktopRecorder()
    {
        vorpa::setMessageHandler({});
        vorpa::setExitHandler({});
        vorpa::setShellOpenHandler({});
        vorpa::setBeepHandler({});
    }

    QStringList texts() const
    {
        QStringList list;
        for (const vorpa::MessageRequest &request : messages)
            list << request.text;
        return list;
    }

    QList<vorpa::MessageRequest> messages;
    QList<int> exits;
    QStringList opened;
    QList<vorpa::BeepKind> beeps;
    int answer = vorpa::ModalResult::Ok;
    // Runs when the program asks to end, while whatever asked is still on the screen.
    std::function<void()> onExit;
};

// Once a modal window of type T is up, hands it to act (which should close it).
template<typename T>
void whenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(window);
    });
    timer->start();
}
