#include "batch_process.hpp"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/tsv.hpp"
#include "sheet/sheet_layout.hpp"

namespace tobrel::batch::test {

BatchResult runBatchTool(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const auto& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.start(QStringLiteral(TOBREL_BATCH_PATH), list);
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return BatchResult{process.exitCode(), process.readAllStandardOutput().toStdString(),
                       process.readAllStandardError().toStdString()};
}

PointRow exampleRow() {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    PointRow row;
    for (int col = 0; col < sheet.columnCount(); ++col) {
        if (!sheet.cell(col, sheet::kFirstPointRow).empty())
            row[col] = sheet.cell(col, sheet::kFirstPointRow);
    }
    return row;
}

sheet::Sheet sheetWithRows(const std::vector<PointRow>& rows) {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    sheet.resize(sheet.columnCount(), sheet::kFirstPointRow + static_cast<int>(rows.size()));
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const int row = sheet::kFirstPointRow + static_cast<int>(index);
        for (int col = 0; col < sheet.columnCount(); ++col)
            sheet.setCell(col, row, "");
        for (const auto& [col, text] : rows[index])
            sheet.setCell(col, row, text);
    }
    return sheet;
}

std::vector<std::vector<std::string>> tsvCells(const std::string& text) {
    return parseTsv(text);
}

WorkDirectory::WorkDirectory() {
    EXPECT_TRUE(directory_.isValid());
}

std::string WorkDirectory::path(const std::string& name) const {
    return directory_.filePath(QString::fromStdString(name)).toStdString();
}

std::string WorkDirectory::writeSheet(const std::string& name, const sheet::Sheet& sheet) const {
    std::ofstream(path(name), std::ios::binary) << writeTsv(sheet);
    return path(name);
}

std::string WorkDirectory::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WorkDirectory::exists(const std::string& name) const {
    return std::filesystem::exists(path(name));
}

}  // namespace tobrel::batch::test
