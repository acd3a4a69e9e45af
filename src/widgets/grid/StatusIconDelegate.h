#pragma once

#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

/// Stock status codes 0-5 as their icons, without text.
class StatusIconDelegate : public IconCellDelegate {
    Q_OBJECT
public:
    using IconCellDelegate::IconCellDelegate;

    static QIcon iconFor(const QVariant &value);
    /// The description that stands for the icon in filters, search and exports.
    static QString textFor(const QVariant &value);
};

} // namespace vorpa
