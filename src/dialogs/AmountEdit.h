#pragma once

#include <QLineEdit>

namespace vorpa {

/// A numeric edit field that holds its value at two decimals and shows it with the amount
/// format "#,###,##0.00" in the user's number settings.
class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountEdit(QWidget *parent = nullptr);

    /// The held value (two decimals); typing updates it at once.
    double value() const { return m_value; }
    /// Rounds to two decimals, holds and shows the value.
    void setValue(double value);

    static QString displayFormat();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeTypedText(const QString &text);
    void showValue();

    double m_value = 0;
};

} // namespace vorpa
