#include "PictureFlagDelegate.h"

#include "GridIcons.h"

namespace vorpa {

QIcon PictureFlagDelegate::iconFor(const QVariant &value)
{
    return !value.isNull() && value.toInt() == 1 ? PictureAvailableIcon() : QIcon();
}

QString PictureFlagDelegate::textFor(const QVariant &value)
{
    if (value.isNull())
        return {};
    return value.toInt() == 1 ? QStringLiteral("Var") : QStringLiteral("Yok");
}

} // namespace vorpa
