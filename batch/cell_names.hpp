#pragma once

#include <string>

namespace tobrel::batch {

// What a spreadsheet shows for a sheet column: 0 is "A", 25 "Z", 26 "AA".
std::string columnLetters(int col);

// The worksheet row number of a sheet row: its index plus one.
int worksheetRow(int row);

}  // namespace tobrel::batch
