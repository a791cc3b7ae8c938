#pragma once

#include <string>

namespace tobrel::evaluation {

// The built-in age-coefficient table: column 0 the age in days, column 1 kt; rows 1 to 55,
// row 0 empty. Row 55 is a sentinel age carrying the last coefficient on to it.
inline constexpr int kAgeTableColumnCount = 2;
inline constexpr int kAgeTableRowCount = 56;
inline constexpr int kAgeTableFirstRow = 1;
inline constexpr int kAgeTableLastRow = 55;
inline constexpr int kAgeColumn = 0;
inline constexpr int kAgeCoefficientColumn = 1;

// The concrete class reference: EC class, BG class and grade; row 0 the header, row 1 empty.
inline constexpr int kClassTableColumnCount = 3;
inline constexpr int kClassTableRowCount = 14;

// Outside the table a cell reads as the empty text.
const std::string& ageTableCell(int col, int row);
const std::string& classTableCell(int col, int row);

}  // namespace tobrel::evaluation
