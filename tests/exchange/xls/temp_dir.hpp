#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "sheet/sheet.hpp"
#include "sheet/sheet_layout.hpp"

namespace tobrel::exchange::test {

// A fresh directory per test, removed afterwards.
class WorkbookFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("tobrel-xls-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    // The new window's sheet after a Compute run, plus a row of awkward texts and an empty row.
    static sheet::Sheet computedSheet() {
        sheet::Sheet sheet;
        sheet::fillNewSheet(sheet);
        const char* results[][2] = {{"13", "31.875"}, {"14", "10"},   {"15", "30.8888888888889"},
                                    {"20", "0.966"},  {"21", "26.8"}, {"22", "B25"}};
        for (const auto& [col, text] : results)
            sheet.setCell(std::stoi(col), 2, text);
        const char* awkward[] = {"007",           "1.150",  " 5",   "1e5",   "-0",
                                 "line\r\nbreak", "нагоре", "26,8", "-12.5", "abc"};
        for (int col = 0; col < 10; ++col)
            sheet.setCell(col, 3, awkward[col]);
        sheet.resize(sheet::kColumnCount, 5);
        sheet.setColumnWidth(0, 80);
        sheet.setRowHeight(3, 40);
        return sheet;
    }

    std::filesystem::path dir_;
};

inline bool alwaysYes(const std::string&) {
    return true;
}

}  // namespace tobrel::exchange::test
