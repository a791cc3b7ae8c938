#pragma once

#include <functional>

#include "sheet/sheet.hpp"

namespace tobrel::sheet {

// Inserts a preset row ("хориз.", "1", "1" in columns 16 to 18) at the current row; the current
// cell keeps its index and so lies in the new row.
void insertRowAbove(Sheet& sheet);
// Inserts a preset row under the current row; the current cell stays where it is.
void insertRowBelow(Sheet& sheet);
// Asks once; on yes removes every row of the selection, bottom first. Does nothing and asks
// nothing on a sheet without point rows.
void deleteSelectedRows(Sheet& sheet, const std::function<bool()>& confirm);

}  // namespace tobrel::sheet
