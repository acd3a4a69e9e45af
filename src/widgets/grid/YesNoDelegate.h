#pragma once

#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

/// Flags 0 "Hayır" and 1 "Evet" as icons.
class YesNoDelegate : public IconCellDelegate {
    Q_OBJECT
public:
    using IconCellDelegate::IconCellDelegate;

    static QIcon iconFor(const QVariant &value);
    /// The description that stands for the icon in filters, search and exports.
    static QString textFor(const QVariant &value);
};

} // namespace vorpa
