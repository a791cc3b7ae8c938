#include "sheet/sheet_layout.hpp"

#include <gtest/gtest.h>

#include "sheet/sheet_look.hpp"

namespace tobrel::sheet {
namespace {

TEST(NewSheet, HeaderRowsCarryTheColumnMap) {
    Sheet sheet;
    fillNewSheet(sheet);
    EXPECT_EQ(sheet.cell(0, 0), "Точка");
    EXPECT_EQ(sheet.cell(0, 1), "");
    EXPECT_EQ(sheet.cell(1, 0), "Отчет на склерометъра, големина на отскока");
    for (int col = 2; col <= 12; ++col)
        EXPECT_EQ(sheet.cell(col, 0), "") << col;
    for (int col = 1; col <= 12; ++col)
        EXPECT_EQ(sheet.cell(col, 1), std::to_string(col));
    const std::vector<std::pair<const char*, const char*>> pairs = {{"средна", "стойност"},
                                                                    {"брой", "резултати"},
                                                                    {"R", "ср"},
                                                                    {"посока", "удар"},
                                                                    {"", "kd"},
                                                                    {"корекц.", "kуред."},
                                                                    {"възраст", "дни"},
                                                                    {"", "kt"},
                                                                    {"Вероятна", "якост"},
                                                                    {"Бетон", "клас"}};
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
        EXPECT_EQ(sheet.cell(13 + i, 0), pairs[i].first) << 13 + i;
        EXPECT_EQ(sheet.cell(13 + i, 1), pairs[i].second) << 13 + i;
    }
}

TEST(NewSheet, ThreeHeaderBlocksAreMerged) {
    Sheet sheet;
    fillNewSheet(sheet);
    const std::vector<CellRange> expected = {{1, 0, 12, 0}, {16, 0, 17, 0}, {19, 0, 20, 0}};
    EXPECT_EQ(sheet.merges(), expected);
}

TEST(NewSheet, ExampleRowHoldsTenReadingsAndThePreset) {
    Sheet sheet;
    fillNewSheet(sheet);
    const std::vector<const char*> row = {"1",      "31", "32", "33", "",   "33", "32", "",
                                          "32",     "30", "30", "35", "30", "",   "",   "",
                                          "хориз.", "1",  "1",  "55", "",   "",   ""};
    for (int col = 0; col < 23; ++col)
        EXPECT_EQ(sheet.cell(col, 2), row[col]) << col;
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.current(), (CellPos{0, 2}));
}

TEST(SheetLook, HeaderRowsAreBoldAndEveryCellCentredAtTheBottom) {
    for (int row : {0, 1, 2, 500}) {
        const CellLook look = cellLook(7, row);
        EXPECT_EQ(look.font.bold, row < 2) << row;
        EXPECT_EQ(look.font.family, "Tahoma");
        EXPECT_EQ(look.font.pointSize, 8);
        EXPECT_EQ(look.font.colour, kWindowText);
        EXPECT_EQ(look.horizontal, HorizontalAlignment::Centre);
        EXPECT_EQ(look.vertical, VerticalAlignment::Bottom);
    }
}

}  // namespace
}  // namespace tobrel::sheet
