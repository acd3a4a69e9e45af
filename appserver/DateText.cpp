#include "DateText.h"

#include "StoreError.h"

#include <cmath>

namespace vorpa::dates {

namespace {

const QDate kEpoch(1899, 12, 30);
const QString kFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

QString toText(const QDateTime &moment)
{
    return moment.toString(kFormat);
}

QString toText(const QDate &day)
{
    return toText(QDateTime(day, QTime(0, 0)));
}

QString nowText()
{
    return toText(QDateTime::currentDateTime());
}

double toNumber(const QString &text)
{
    QDateTime moment = QDateTime::fromString(text, kFormat);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    if (!moment.isValid())
        return 0.0;
    const double days = double(kEpoch.daysTo(moment.date()));
    return days + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime momentFromNumber(double number)
{
    if (!std::isfinite(number) || number < 1.0 || number > 2958465.0)
        throw StoreError("Geçersiz tarih değeri.");
    const double whole = std::floor(number);
    const QDate day = kEpoch.addDays(qint64(whole));
    const int msecs = int(std::llround((number - whole) * 86400000.0));
    return QDateTime(day, QTime(0, 0)).addMSecs(msecs);
}

QString fromNumber(double number)
{
    return toText(momentFromNumber(number));
}

} // namespace vorpa::dates
