#include "AmountEdit.h"

#include "NumberFormat.h"

#include <QRegularExpressionValidator>

namespace vorpa {

AmountEdit::AmountEdit(QWidget *parent) : QLineEdit(parent)
{
    const QLocale locale;
    const QString allowed = QRegularExpression::escape(QString(locale.negativeSign()))
        + QRegularExpression::escape(locale.groupSeparator())
        + QRegularExpression::escape(locale.decimalPoint());
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9%1]*").arg(allowed)), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &AmountEdit::takeTypedText);
    connect(this, &QLineEdit::editingFinished, this, &AmountEdit::showValue);
    showValue();
}

QString AmountEdit::displayFormat()
{
    return QStringLiteral("#,###,##0.00");
}

void AmountEdit::setValue(double value)
{
    m_value = roundTwo(value, QLocale());
    showValue();
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showValue();
}

void AmountEdit::takeTypedText(const QString &text)
{
    const QLocale locale;
    QString plain = text;
    plain.remove(locale.groupSeparator());
    bool ok = false;
    const double typed = locale.toDouble(plain, &ok);
    m_value = ok ? roundTwo(typed, locale) : 0.0;
}

void AmountEdit::showValue()
{
    const QString text = formatFloat(m_value, displayFormat(), QLocale());
    if (text != this->text())
        setText(text);
}

} // namespace vorpa
