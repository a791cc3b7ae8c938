#include "sheet_fixture.hpp"

#include <gtest/gtest.h>

#include "sheet/column_map.hpp"

namespace tobrel::evaluation::testing {

namespace column = sheet::column;

sheet::Sheet sheetWithRows(const std::vector<PointRow>& rows) {
    sheet::Sheet sheet(sheet::kColumnCount, sheet::kFirstPointRow + static_cast<int>(rows.size()));
    for (int col = 0; col < sheet::kColumnCount; ++col) {
        sheet.setCell(col, 0, std::to_string(col) + ":h0");
        sheet.setCell(col, 1, std::to_string(col) + ":h1");
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = sheet::kFirstPointRow + static_cast<int>(i);
        sheet.setCell(column::kPoint, row, std::to_string(i) + ":p");
        for (int r = 0; r < 12; ++r)
            sheet.setCell(column::kFirstReading + r, row, rows[i].readings[static_cast<size_t>(r)]);
        sheet.setCell(column::kDirection, row, rows[i].direction);
        sheet.setCell(column::kDeviceFactor, row, rows[i].deviceFactor);
        sheet.setCell(column::kAge, row, rows[i].age);
        for (int col :
             {column::kMean, column::kCount, column::kCurveStrength, column::kDirectionFactor,
              column::kAgeFactor, column::kProbableStrength, column::kConcreteClass})
            sheet.setCell(col, row, kOldText);
    }
    return sheet;
}

void expectChangedOnly(const sheet::Sheet& before, const sheet::Sheet& after,
                       const std::vector<ExpectedRow>& expected) {
    ASSERT_EQ(after.rowCount(), before.rowCount());
    ASSERT_EQ(after.columnCount(), before.columnCount());
    for (int row = 0; row < before.rowCount(); ++row) {
        const int index = row - sheet::kFirstPointRow;
        const ExpectedRow* changes =
            index >= 0 && index < static_cast<int>(expected.size()) ? &expected[index] : nullptr;
        for (int col = 0; col < before.columnCount(); ++col) {
            const auto found = changes ? changes->find(col) : ExpectedRow::const_iterator{};
            const bool changed = changes && found != changes->end();
            EXPECT_EQ(after.cell(col, row), changed ? found->second : before.cell(col, row))
                << "cell (" << col << ", " << row << ")";
        }
    }
}

std::array<std::string, 12> repeated(const std::string& reading, int count) {
    std::array<std::string, 12> readings;
    for (int i = 0; i < count; ++i)
        readings[static_cast<size_t>(i)] = reading;
    return readings;
}

}  // namespace tobrel::evaluation::testing
