#pragma once

#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

/// Flags 0 "Hayır" and 1 "Evet" as icons; flags that only mark the yes case show nothing for 0.
class YesNoDelegate : public IconCellDelegate {
    Q_OBJECT
public:
    using IconCellDelegate::IconCellDelegate;

    enum class NoShown { Yes, No };

    static QIcon iconFor(const QVariant &value, NoShown no = NoShown::Yes);
    /// The description that stands for the icon in filters, search and exports.
    static QString textFor(const QVariant &value, NoShown no = NoShown::Yes);
};

} // namespace vorpa
