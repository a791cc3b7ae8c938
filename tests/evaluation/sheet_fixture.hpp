#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "evaluation/compute.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::evaluation::testing {

// The texts of one point row that Compute reads.
struct PointRow {
    std::array<std::string, 12> readings;
    std::string direction;
    std::string deviceFactor;
    std::string age;
};

// Every result cell of a built row starts with this text, so a cell left alone is visible.
inline const std::string kOldText = "old";

// Header rows with texts of their own, then one point row per entry, result cells prefilled.
sheet::Sheet sheetWithRows(const std::vector<PointRow>& rows);

// Texts by column expected in one row; every other cell must keep the text it had.
using ExpectedRow = std::map<int, std::string>;

// Checks every cell of `after` against `before`, with the rows from row 2 down taking `expected`.
void expectChangedOnly(const sheet::Sheet& before, const sheet::Sheet& after,
                       const std::vector<ExpectedRow>& expected);

std::array<std::string, 12> repeated(const std::string& reading, int count);

}  // namespace tobrel::evaluation::testing
