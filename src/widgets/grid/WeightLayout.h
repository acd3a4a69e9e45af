#pragma once

#include <QList>

namespace vorpa {

/// The column-width rule of the list grids: S = sum of the visible columns' weights,
/// unit = trunc((gridWidth - 30) / S), each visible column gets weight x unit pixels.
/// Returns one entry per column: the new width for visible columns, -1 for hidden ones (left
/// as they are). With no visible weighted column (S = 0) every entry is -1: nothing is sized.
/// A grid narrower than 30 pixels gives width 0 rather than a negative width.
QList<int> weightedColumnWidths(int gridWidth, const QList<int> &weights, const QList<bool> &visible);

} // namespace vorpa
