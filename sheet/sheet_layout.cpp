#include "sheet/sheet_layout.hpp"

#include <array>
#include <string>

#include "sheet/column_map.hpp"

namespace tobrel::sheet {

namespace {

constexpr const char* kReadingsCaption = "Отчет на склерометъра, големина на отскока";

// Columns 0 to 19 of the example row; columns 4 and 7 are written empty.
constexpr std::array<const char*, 20> kExampleRow = {"1", "31", "32",     "33", "",   "33", "32",
                                                     "",  "32", "30",     "30", "35", "30", "",
                                                     "",  "",   "хориз.", "1",  "1",  "55"};

void writeHeaderPair(Sheet& sheet, int col, const char* top, const char* bottom) {
    sheet.setCell(col, 0, top);
    sheet.setCell(col, 1, bottom);
}

}  // namespace

const std::vector<CellRange>& headerMerges() {
    static const std::vector<CellRange> merges = {
        {column::kFirstReading, 0, column::kLastReading, 0},
        {column::kDirection, 0, column::kDirectionFactor, 0},
        {column::kAge, 0, column::kAgeFactor, 0}};
    return merges;
}

void fillNewSheet(Sheet& sheet) {
    const auto& merges = headerMerges();
    sheet.setCell(column::kPoint, 0, "Точка");
    sheet.setCell(column::kFirstReading, 0, kReadingsCaption);
    sheet.addMerge(merges[0]);
    for (int col = column::kFirstReading; col <= column::kLastReading; ++col) {
        sheet.setCell(col, 1, std::to_string(col));
    }
    writeHeaderPair(sheet, column::kMean, "средна", "стойност");
    writeHeaderPair(sheet, column::kCount, "брой", "резултати");
    writeHeaderPair(sheet, column::kCurveStrength, "R", "ср");
    sheet.addMerge(merges[1]);
    writeHeaderPair(sheet, column::kDirection, "посока", "удар");
    sheet.setCell(column::kDirectionFactor, 1, "kd");
    writeHeaderPair(sheet, column::kDeviceFactor, "корекц.", "kуред.");
    sheet.addMerge(merges[2]);
    writeHeaderPair(sheet, column::kAge, "възраст", "дни");
    sheet.setCell(column::kAgeFactor, 1, "kt");
    writeHeaderPair(sheet, column::kProbableStrength, "Вероятна", "якост");
    writeHeaderPair(sheet, column::kConcreteClass, "Бетон", "клас");
    for (int col = 0; col < static_cast<int>(kExampleRow.size()); ++col) {
        sheet.setCell(col, kFirstPointRow, kExampleRow[static_cast<size_t>(col)]);
    }
}

}  // namespace tobrel::sheet
