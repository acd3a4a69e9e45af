#include "TextIconDelegate.h"

#include "GridIcons.h"

namespace vorpa {

namespace {
// 1 for "VAR", 0 for "YOK", -1 for anything else (no icon).
int depotCode(const QVariant &value)
{
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("VAR"), Qt::CaseInsensitive) == 0)
        return 1;
    if (text.compare(QLatin1String("YOK"), Qt::CaseInsensitive) == 0)
        return 0;
    return -1;
}
} // namespace

QIcon TextIconDelegate::iconFor(const QVariant &value)
{
    const int code = depotCode(value);
    return code < 0 ? QIcon() : StockStatusIcon(code);
}

QString TextIconDelegate::textFor(const QVariant &value)
{
    const int code = depotCode(value);
    return code < 0 ? QString() : StockStatusText(code);
}

} // namespace vorpa
