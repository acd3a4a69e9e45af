#include "utils.h"

#include "ConnectionRetry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include <mutex>

namespace vorpa {

namespace {

std::mutex messageHandlerMutex;
MessageHandler messageHandler;

constexpr const char *ButtonProperty = "vorpaMessageButton";

QMessageBox::ButtonRole roleOf(MessageButton button)
{
    switch (button) {
    case MessageButton::Yes:
    case MessageButton::YesToAll:
    case MessageButton::All:
        return QMessageBox::YesRole;
    case MessageButton::No:
    case MessageButton::NoToAll:
        return QMessageBox::NoRole;
    case MessageButton::Ok:
    case MessageButton::Retry:
    case MessageButton::Ignore:
        return QMessageBox::AcceptRole;
    case MessageButton::Cancel:
    case MessageButton::Abort:
    case MessageButton::Close:
        return QMessageBox::RejectRole;
    case MessageButton::Help:
        return QMessageBox::HelpRole;
    }
    return QMessageBox::AcceptRole;
}

QMessageBox::Icon iconOf(const std::optional<MessageKind> &kind)
{
    if (!kind)
        return QMessageBox::NoIcon;
    switch (*kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

BeepKind beepOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return BeepKind::Exclamation;
    case MessageKind::Error:
        return BeepKind::Hand;
    case MessageKind::Information:
        return BeepKind::Asterisk;
    case MessageKind::Confirmation:
        return BeepKind::Question;
    }
    return BeepKind::Exclamation;
}

QString applicationTitle()
{
    const QString display = QGuiApplication::applicationDisplayName();
    return display.isEmpty() ? QCoreApplication::applicationName() : display;
}

int showRealBox(const MessageRequest &request)
{
    const auto box = buildMessageBox(request, QApplication::activeWindow());
    box->exec();
    const QAbstractButton *clicked = box->clickedButton();
    if (!clicked)
        return ModalResult::Cancel;
    return modalResultOf(static_cast<MessageButton>(clicked->property(ButtonProperty).toInt()));
}

} // namespace

MessageHandler setMessageHandler(MessageHandler handler)
{
    std::lock_guard lock(messageHandlerMutex);
    std::swap(messageHandler, handler);
    return handler;
}

int showMessage(const MessageRequest &request)
{
    MessageHandler handler;
    {
        std::lock_guard lock(messageHandlerMutex);
        handler = messageHandler;
    }
    return handler ? handler(request) : showRealBox(request);
}

QString buttonCaption(MessageButton button)
{
    switch (button) {
    case MessageButton::Yes:
        return QStringLiteral("Evet");
    case MessageButton::No:
        return QStringLiteral("Hayır");
    case MessageButton::Ok:
        return QStringLiteral("Tamam");
    case MessageButton::Cancel:
        return QStringLiteral("Vazgeç");
    case MessageButton::Abort:
        return QStringLiteral("İptal");
    case MessageButton::Retry:
        return QStringLiteral("Tekrar");
    case MessageButton::Ignore:
        return QStringLiteral("Atla");
    case MessageButton::All:
        return QStringLiteral("Tümü");
    case MessageButton::NoToAll:
        return QStringLiteral("Tümüne Hayır");
    case MessageButton::YesToAll:
        return QStringLiteral("Tümüne Evet");
    case MessageButton::Help:
        return QStringLiteral("Yardım");
    case MessageButton::Close:
        return QStringLiteral("Kapat");
    }
    return {};
}

int modalResultOf(MessageButton button)
{
    switch (button) {
    case MessageButton::Yes:
        return ModalResult::Yes;
    case MessageButton::No:
        return ModalResult::No;
    case MessageButton::Ok:
        return ModalResult::Ok;
    case MessageButton::Cancel:
        return ModalResult::Cancel;
    case MessageButton::Abort:
        return ModalResult::Abort;
    case MessageButton::Retry:
        return ModalResult::Retry;
    case MessageButton::Ignore:
        return ModalResult::Ignore;
    case MessageButton::All:
        return ModalResult::All;
    case MessageButton::NoToAll:
        return ModalResult::NoToAll;
    case MessageButton::YesToAll:
        return ModalResult::YesToAll;
    case MessageButton::Help:
        return ModalResult::None;
    case MessageButton::Close:
        return ModalResult::Close;
    }
    return ModalResult::None;
}

QString messageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Uyarı");
    case MessageKind::Error:
        return QStringLiteral("Hata");
    case MessageKind::Information:
        return QStringLiteral("Bilgi");
    case MessageKind::Confirmation:
        return QStringLiteral("Soru");
    }
    return {};
}

std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest &request, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(request.title);
    box->setText(request.text);
    box->setIcon(iconOf(request.kind));
    QPushButton *defaultButton = nullptr;
    for (int bit = 0; bit <= static_cast<int>(MessageButton::Close); ++bit) {
        const auto kind = static_cast<MessageButton>(bit);
        if (!(request.buttons & buttonBit(kind)))
            continue;
        QPushButton *button = box->addButton(buttonCaption(kind), roleOf(kind));
        button->setProperty(ButtonProperty, bit);
        if (kind == request.defaultButton)
            defaultButton = button;
    }
    if (defaultButton)
        box->setDefaultButton(defaultButton);
    return box;
}

void ShowPlainMessage(const QString &text)
{
    showMessage({applicationTitle(), text, std::nullopt, OkButton, MessageButton::Ok});
}

void ShowPlatformMessage(const QString &text, MessageKind kind)
{
    showMessage({applicationTitle(), text, kind, OkButton, MessageButton::Ok});
}

void ShowApplicationError(const QString &text)
{
    ShowPlatformMessage(text, MessageKind::Error);
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void InstallRetryMessages()
{
    setRetryMessageSink([](const QString &text, bool finalError) {
        const auto show = [&text, finalError] {
            if (finalError)
                ShowTurkishMessage(text, MessageKind::Error, OkButton, MessageButton::Ok);
            else
                ShowPlainMessage(text);
        };
        QCoreApplication *app = QCoreApplication::instance();
        if (!app || QThread::currentThread() == app->thread())
            show();
        else
            QMetaObject::invokeMethod(app, show, Qt::BlockingQueuedConnection);
    });
}

void InstallDesktopHandlers()
{
    setBeepHandler([](BeepKind) { QApplication::beep(); });
    InstallRetryMessages();
}

} // namespace vorpa

int ShowTurkishMessage(const QString &text, vorpa::MessageKind kind, vorpa::MessageButtons buttons,
                       vorpa::MessageButton defaultButton)
{
    vorpa::Beep(vorpa::beepOf(kind));
    return vorpa::showMessage({vorpa::messageTitle(kind), text, kind, buttons, defaultButton});
}
