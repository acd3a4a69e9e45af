#pragma once

// Small questions and settings every list window applies to its dataset.

#include "DataSet.h"

/// Gives every Double column (not DateTime) the amount display format.
void SetFloatDisplayFormat(vorpa::DataSet &dataSet);

/// True when the dataset is open and has at least one row.
bool HasRows(const vorpa::DataSet &dataSet);

/// Walks from the first row to the first whose "SEC" is 1 and stops there; false, with the cursor
/// at the end, when no row is selected. False without moving when there are no rows.
bool HasSelectedRows(vorpa::DataSet &dataSet);
