#include "SearchFieldInput.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vorpa {

SearchFieldInput::SearchFieldInput(QLineEdit *edit)
    : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
    // Pasted or dropped text arrives without key events; it is only brought to upper case.
    connect(edit, &QLineEdit::textEdited, this, &SearchFieldInput::upperCaseText);
}

QString SearchFieldInput::substitute(const QString &typed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar c : typed) {
        switch (c.unicode()) {
        case u'ğ': out += u'g'; break;
        case u'ü': out += u'u'; break;
        case u'ş': out += u's'; break;
        case u'ö': out += u'o'; break;
        case u'ç': out += u'c'; break;
        case u'Ğ': out += u'G'; break;
        case u'Ü': out += u'U'; break;
        case u'Ş': out += u'S'; break;
        case u'İ': out += u'I'; break;
        case u'Ö': out += u'O'; break;
        case u'Ç': out += u'C'; break;
        case u'ı': out += u'I'; break;
        default: out += c; break;
        }
    }
    return out;
}

QString SearchFieldInput::upperCase(const QString &text)
{
    return text.toUpper();
}

bool SearchFieldInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    // Only printable characters are ours; Enter, editing keys and shortcuts go to the edit.
    const bool printable = !text.isEmpty() && text.at(0).isPrint()
        && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!printable || m_edit->isReadOnly() || !m_edit->isEnabled())
        return QObject::eventFilter(watched, event);
    m_edit->insert(upperCase(substitute(text)));
    return true;
}

void SearchFieldInput::upperCaseText()
{
    const QString text = m_edit->text();
    const QString upper = upperCase(text);
    if (upper == text)
        return;
    const int cursor = m_edit->cursorPosition();
    m_edit->setText(upper);
    m_edit->setCursorPosition(std::min(cursor, int(upper.size())));
}

} // namespace vorpa
