#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.hpp"

namespace tobrel::batch {

// Tab-separated text: one sheet row per line, both header rows included. Inside a cell a
// backslash is written "\\", CR "\r", LF "\n" and TAB "\t", so every line is one row.
std::string writeTsv(const sheet::Sheet& sheet);

// The rows of a TSV text, each the unescaped cells of one line. A UTF-8 byte-order mark and the CR
// of CR LF line ends are dropped; a final line end does not start a further row.
std::vector<std::vector<std::string>> parseTsv(std::string_view text);

// Fills the sheet as the workbook import does: empties it, resizes it to the rows and the widest
// line (the row count only when there are more than the header rows), and puts in every text. The
// header merges come back only when both header rows are the new window's.
void importTsvRows(const std::vector<std::vector<std::string>>& rows, sheet::Sheet& sheet);

}  // namespace tobrel::batch
