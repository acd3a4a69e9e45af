#include "StatusIconDelegate.h"

#include "GridIcons.h"

namespace vorpa {

QIcon StatusIconDelegate::iconFor(const QVariant &value)
{
    return value.isNull() ? QIcon() : StockStatusIcon(value.toInt());
}

QString StatusIconDelegate::textFor(const QVariant &value)
{
    return value.isNull() ? QString() : StockStatusText(value.toInt());
}

} // namespace vorpa
