#pragma once

#include "DesktopActions.h"
#include "Folders.h"
#include "SystemIdentity.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

// The shared message box and the helpers every window uses, on top of the platform layer.

namespace vorpa {

enum class MessageKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

// Button kinds; a set of them is a bit mask with bit n for the kind whose value is n.
enum class MessageButton { Yes = 0, No, Ok, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help, Close };
using MessageButtons = unsigned;

constexpr MessageButtons buttonBit(MessageButton button)
{
    return 1u << static_cast<unsigned>(button);
}
// The two sets the windows use: questions and notices.
constexpr MessageButtons YesNoButtons = buttonBit(MessageButton::Yes) | buttonBit(MessageButton::No);
constexpr MessageButtons OkButton = buttonBit(MessageButton::Ok);

// Modal results of a message box (and of the windows' own dialogs).
namespace ModalResult {
constexpr int None = 0;
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
constexpr int All = 8;
constexpr int NoToAll = 9;
constexpr int YesToAll = 10;
constexpr int Close = 11;
} // namespace ModalResult

// Everything a message box shows; handed to the message handler.
struct MessageRequest
{
    QString title;
    QString text;
    std::optional<MessageKind> kind; // none: a plain box without icon
    MessageButtons buttons = OkButton;
    MessageButton defaultButton = MessageButton::Ok;
};

// Shows a box modally and returns its modal result. Tests install one that answers by itself.
using MessageHandler = std::function<int(const MessageRequest &request)>;
// Returns the handler it replaced; an empty handler restores the real box.
MessageHandler setMessageHandler(MessageHandler handler);
// Shows a request through the installed handler (the real box by default); UI thread only.
int showMessage(const MessageRequest &request);

// The real box for a request: Turkish captions, icon, title, default button first in tab order.
std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest &request, QWidget *parent = nullptr);
// The modal result of choosing the given standard button of a box built above (0 for Help).
int modalResultOf(MessageButton button);
// Caption of a button kind as the boxes show it.
QString buttonCaption(MessageButton button);

// The title of the kind's box: "Uyarı", "Hata", "Bilgi", "Soru".
QString messageTitle(MessageKind kind);

// A plain box with the application's title, the text and an OK button.
void ShowPlainMessage(const QString &text);
// The platform's own box of a kind with an OK button (the application's title, no Turkish title).
void ShowPlatformMessage(const QString &text, MessageKind kind);
// The application's standard error report for an error nobody caught.
void ShowApplicationError(const QString &text);

// Places a window in the middle of the work area of its screen.
void CentreOnScreen(QWidget *window);

// Makes the desktop's beep the platform beep and shows the connection layer's retry messages on
// the user-interface thread (a worker waits until each is closed). Called once at start.
void InstallDesktopHandlers();
// Only the second half of the above: the retry messages as boxes on the user-interface thread.
void InstallRetryMessages();

} // namespace vorpa

// The Turkish message box of the whole program: kind 0 warning, 1 error, 2 information,
// 3 confirmation; buttons as a set; the default button gets the focus. Returns the modal result.
int ShowTurkishMessage(const QString &text, vorpa::MessageKind kind, vorpa::MessageButtons buttons,
                       vorpa::MessageButton defaultButton);
