#pragma once

#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

/// Picture available: 1 shows a picture icon, 0 nothing.
class PictureFlagDelegate : public IconCellDelegate {
    Q_OBJECT
public:
    using IconCellDelegate::IconCellDelegate;

    static QIcon iconFor(const QVariant &value);
    /// The description that stands for the icon in filters, search and exports.
    static QString textFor(const QVariant &value);
};

} // namespace vorpa
