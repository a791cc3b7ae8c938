#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/xls/workbook.hpp"
#include "temp_dir.hpp"

namespace tobrel::exchange::test {
namespace {

using Export = WorkbookFileTest;

TEST_F(Export, ExistingFileIsReplacedOnlyAfterYes) {
    const std::string target = path("old.xls");
    write(target, "previous bytes");
    const sheet::Sheet sheet = computedSheet();
    std::string asked;
    const auto answer = [&](bool yes) {
        return [&asked, yes](const std::string& question) {
            asked = question;
            return yes;
        };
    };
    EXPECT_FALSE(exportWorkbook(sheet, target, ".", answer(false)));
    EXPECT_EQ(asked, "File " + target + " already exists\rOk to overwrite ?");
    EXPECT_EQ(contents(target), "previous bytes");

    EXPECT_TRUE(exportWorkbook(sheet, target, ".", answer(true)));
    EXPECT_EQ(contents(target).substr(0, 8), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(Export, NewFileIsWrittenWithoutAsking) {
    bool asked = false;
    EXPECT_TRUE(exportWorkbook(computedSheet(), path("tobrel"), ".", [&](const std::string&) {
        asked = true;
        return false;
    }));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(std::filesystem::is_regular_file(path("tobrel")));
}

TEST_F(Export, TargetThatCannotBeReplacedFailsAndKeepsWhatWasThere) {
    // A directory holding a file stands where the workbook should go.
    const std::string target = path("busy.xls");
    std::filesystem::create_directory(target);
    write(target + "/kept", "kept");
    try {
        exportWorkbook(computedSheet(), target, ".", alwaysYes);
        FAIL() << "no error";
    } catch (const ExchangeError& error) {
        EXPECT_STREQ(error.what(), ("Can't write to file \"" + target +
                                    "\". Check it is not in use by another user")
                                       .c_str());
    }
    EXPECT_EQ(contents(target + "/kept"), "kept");
    // A parent that is a file.
    write(path("plain"), "plain");
    EXPECT_THROW(exportWorkbook(computedSheet(), path("plain") + "/t.xls", ".", alwaysYes),
                 ExchangeError);
    EXPECT_EQ(contents(path("plain")), "plain");
}

TEST_F(Export, SheetsBeyondTheFormatAreRefusedBeforeAnythingIsWritten) {
    const std::string target = path("old.xls");
    write(target, "previous bytes");
    sheet::Sheet tooLong(1, 3);
    tooLong.setCell(0, 2, std::string(32768, 'a'));
    sheet::Sheet fitsInUtf16(2, 3);
    fitsInUtf16.setCell(0, 2, std::string(32766, 'a') + "\r\n");  // CR LF becomes one LF
    std::string cyrillic;
    for (int i = 0; i < 32767; ++i)
        cyrillic += "щ";  // 65534 bytes, 32767 characters
    fitsInUtf16.setCell(1, 2, cyrillic);
    sheet::Sheet tooWide(257, 3);
    sheet::Sheet tooTall(1, 65537);
    bool asked = false;
    const auto ask = [&](const std::string&) { return asked = true; };
    for (const sheet::Sheet* sheet : {&tooLong, &tooWide, &tooTall}) {
        EXPECT_THROW(exportWorkbook(*sheet, target, ".", ask), ExchangeError);
        EXPECT_FALSE(asked);
        EXPECT_EQ(contents(target), "previous bytes");
    }
    EXPECT_TRUE(exportWorkbook(fitsInUtf16, path("fits.xls"), ".", ask));
    EXPECT_TRUE(exportWorkbook(sheet::Sheet(256, 65536), path("largest.xls"), ".", ask));
}

TEST_F(Export, LineBreaksOfEveryKindBecomeOne) {
    sheet::Sheet sheet(3, 3);
    sheet.setCell(0, 2, "a\r\nb");
    sheet.setCell(1, 2, "a\rb");
    sheet.setCell(2, 2, "a\nb");
    ASSERT_TRUE(exportWorkbook(sheet, path("breaks.xls"), ".", alwaysYes));
    sheet::Sheet read;
    importWorkbook(path("breaks.xls"), read);
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(read.cell(col, 2), "a\r\nb");
}

}  // namespace
}  // namespace tobrel::exchange::test
