#pragma once

#include "sheet/sheet.hpp"

namespace tobrel::sheet {

// The header rows, the three merged header blocks and the example row that a new window shows;
// written in the order the window's creation handler writes them.
void fillNewSheet(Sheet& sheet);

// The header blocks of a new sheet: readings, direction, age.
const std::vector<CellRange>& headerMerges();

}  // namespace tobrel::sheet
