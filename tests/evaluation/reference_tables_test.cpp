#include <gtest/gtest.h>

#include "evaluation/reference_tables.hpp"

namespace tobrel::evaluation {
namespace {

TEST(AgeTable, HoldsTheExactTextsIncludingRowsBeyondTheDeclaredCount) {
    struct Cell {
        int col;
        int row;
        const char* text;
    };
    for (const Cell& cell :
         {Cell{0, 1, "7"}, Cell{1, 1, "1.150"}, Cell{0, 11, "28"}, Cell{1, 11, "1"},
          Cell{1, 4, "1.05"}, Cell{0, 45, "360"}, Cell{1, 45, "0.75"}, Cell{0, 53, "1080"},
          Cell{0, 54, "1170"}, Cell{1, 54, "0.6"}, Cell{0, 55, "100000000000"}, Cell{1, 55, "0.6"}})
        EXPECT_EQ(ageTableCell(cell.col, cell.row), cell.text) << cell.col << "," << cell.row;
}

TEST(AgeTable, AgesStrictlyIncrease) {
    for (int row = kAgeTableFirstRow; row < kAgeTableLastRow; ++row)
        EXPECT_LT(std::stod(ageTableCell(kAgeColumn, row)),
                  std::stod(ageTableCell(kAgeColumn, row + 1)))
            << row;
}

TEST(ReferenceTables, ReadEmptyOutsideAndInTheEmptyCells) {
    for (int col = 0; col < kAgeTableColumnCount; ++col) {
        EXPECT_EQ(ageTableCell(col, 0), "");
        EXPECT_EQ(ageTableCell(col, kAgeTableRowCount), "");
        EXPECT_EQ(classTableCell(col, 1), "");
    }
    EXPECT_EQ(ageTableCell(-1, 5), "");
    EXPECT_EQ(ageTableCell(2, 5), "");
    EXPECT_EQ(classTableCell(2, 1), "");
    EXPECT_EQ(classTableCell(2, 13), "");
    EXPECT_EQ(classTableCell(3, 2), "");
    EXPECT_EQ(classTableCell(0, kClassTableRowCount), "");
}

TEST(ClassTable, HoldsHeaderAndClassesWeakestFirst) {
    const std::vector<std::vector<std::string>> rows = {{"EC клас", "BG клас", "марка"},
                                                        {"C6/8", "B7.5", "M100"},
                                                        {"C10/12", "B12.5", "M150"},
                                                        {"C28/35", "B35", "M450"},
                                                        {"C45/55", "B55", ""}};
    const std::vector<int> rowNumbers = {0, 2, 4, 9, 13};
    for (size_t i = 0; i < rows.size(); ++i) {
        for (int col = 0; col < kClassTableColumnCount; ++col)
            EXPECT_EQ(classTableCell(col, rowNumbers[i]), rows[i][static_cast<size_t>(col)]);
    }
}

}  // namespace
}  // namespace tobrel::evaluation
