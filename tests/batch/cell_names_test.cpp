#include "batch/cell_names.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tobrel::batch {
namespace {

TEST(CellNamesTest, ColumnsAreSpreadsheetLetters) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "A"},   {1, "B"},   {13, "N"},  {22, "W"},   {25, "Z"},
        {26, "AA"}, {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"}};
    for (const auto& [col, letters] : cases)
        EXPECT_EQ(columnLetters(col), letters) << col;
}

TEST(CellNamesTest, RowsCountFromOne) {
    EXPECT_EQ(worksheetRow(0), 1);
    EXPECT_EQ(worksheetRow(2), 3);
}

}  // namespace
}  // namespace tobrel::batch
