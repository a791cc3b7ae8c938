#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "exchange/xls/workbook.hpp"
#include "temp_dir.hpp"

namespace tobrel::exchange::test {
namespace {

using IndependentReader = WorkbookFileTest;

TEST_F(IndependentReader, XlrdSeesTheSheetNameValuesTypesMergesAndLook) {
    const std::string python = "/usr/bin/python3";
    if (!std::filesystem::exists(python))
        GTEST_SKIP() << "no " << python;
    const std::string file = path("for-xlrd.xls");
    ASSERT_TRUE(exportWorkbook(computedSheet(), file, ".", alwaysYes));
    const std::string command = python + " \"" + TOBREL_XLRD_CHECK + "\" \"" + file + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
}  // namespace tobrel::exchange::test
