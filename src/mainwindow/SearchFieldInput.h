#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace vorpa {

/// Typing rules of the stock search field: each typed Turkish letter is replaced by its plain
/// Latin form ("ğ" → "g", "ı" → "I", ...), and the field shows every letter in upper case.
/// Text pasted into the field is only upper-cased, not substituted.
class SearchFieldInput : public QObject {
    Q_OBJECT
public:
    /// Installs itself on the edit (and becomes its child).
    explicit SearchFieldInput(QLineEdit *edit);

    /// The substitution applied to typed characters; every other character passes unchanged.
    static QString substitute(const QString &typed);
    /// The upper-case form the field shows (locale-independent, so "i" becomes "I").
    static QString upperCase(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void upperCaseText();

    QLineEdit *m_edit;
};

} // namespace vorpa
