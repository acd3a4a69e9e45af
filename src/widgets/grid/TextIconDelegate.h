#pragma once

#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

/// A depot's stock as text ("VAR" / "YOK") shown as the "Var" / "Yok" status icon.
class TextIconDelegate : public IconCellDelegate {
    Q_OBJECT
public:
    using IconCellDelegate::IconCellDelegate;

    static QIcon iconFor(const QVariant &value);
    /// The description that stands for the icon in filters, search and exports.
    static QString textFor(const QVariant &value);
};

} // namespace vorpa
