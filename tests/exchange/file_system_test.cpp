#include "exchange/file_system.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tobrel::exchange {
namespace {

namespace fs = std::filesystem;

class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tobrel-fs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path dir_;
};

TEST_F(FileSystemTest, ReplaceWritesTheWholeFileAndLeavesNothingBeside) {
    const std::string target = path("a.bin");
    write(target, "old content");
    replaceFileWhole(target, std::string_view("new\0bytes", 9));
    EXPECT_EQ(readWholeFile(target, 100), std::string("new\0bytes", 9));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileSystemTest, FailedReplaceKeepsTheOldTarget) {
    // A directory in the target's place cannot be replaced by a file.
    const std::string target = path("busy");
    fs::create_directory(target);
    write(target + "/inside", "kept");
    EXPECT_THROW(replaceFileWhole(target, "new"), FileError);
    EXPECT_EQ(readWholeFile(target + "/inside", 100), "kept");
    EXPECT_EQ(entries(), 1u);
    // A parent that is a file: nothing can be created there.
    write(path("plain"), "x");
    EXPECT_THROW(replaceFileWhole(path("plain") + "/child.xls", "new"), FileError);
    EXPECT_EQ(readWholeFile(path("plain"), 100), "x");
}

TEST_F(FileSystemTest, ReadRefusesFilesOverTheLimitAndMissingFiles) {
    const std::string file = path("ten.bin");
    write(file, "0123456789");
    EXPECT_EQ(readWholeFile(file, 10), "0123456789");
    EXPECT_THROW(readWholeFile(file, 9), FileError);
    EXPECT_THROW(readWholeFile(path("missing"), 100), FileError);
}

}  // namespace
}  // namespace tobrel::exchange
