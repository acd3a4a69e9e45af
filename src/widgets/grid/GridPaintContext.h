#pragma once

#include "GridLook.h"

namespace vorpa {

class DataSetModel;

/// What the cell delegates of one grid share: its look, its model and the incremental search
/// state (which cell shows a matched prefix, and how long it is).
struct GridPaintContext {
    GridLook look;
    const DataSetModel *model = nullptr;
    int searchRow = -1;    // view row
    int searchColumn = -1; // model column
    int searchLength = 0;
};

} // namespace vorpa
