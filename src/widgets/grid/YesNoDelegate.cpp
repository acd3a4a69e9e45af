#include "YesNoDelegate.h"

#include "GridIcons.h"

namespace vorpa {

QIcon YesNoDelegate::iconFor(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.toInt()) {
    case 0: return NoIcon();
    case 1: return YesIcon();
    default: return {};
    }
}

QString YesNoDelegate::textFor(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.toInt()) {
    case 0: return QStringLiteral("Hayır");
    case 1: return QStringLiteral("Evet");
    default: return {};
    }
}

} // namespace vorpa
