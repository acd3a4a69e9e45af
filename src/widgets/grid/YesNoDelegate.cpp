#include "YesNoDelegate.h"

#include "GridIcons.h"

namespace vorpa {

QIcon YesNoDelegate::iconFor(const QVariant &value, NoShown no)
{
    if (value.isNull())
        return {};
    switch (value.toInt()) {
    case 0: return no == NoShown::Yes ? NoIcon() : QIcon();
    case 1: return YesIcon();
    default: return {};
    }
}

QString YesNoDelegate::textFor(const QVariant &value, NoShown no)
{
    if (value.isNull())
        return {};
    switch (value.toInt()) {
    case 0: return no == NoShown::Yes ? QStringLiteral("Hayır") : QString();
    case 1: return QStringLiteral("Evet");
    default: return {};
    }
}

} // namespace vorpa
