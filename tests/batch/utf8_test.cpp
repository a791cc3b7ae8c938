#include "batch/utf8.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tobrel::batch {
namespace {

TEST(Utf8Test, AcceptsWellFormedAndRefusesMalformedText) {
    const std::vector<std::string> valid = {
        "", "plain", "Точка", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBB\xBFx"};
    const std::vector<std::string> invalid = {
        "\xE0", "\x80",      "\xC0\xAF",    "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xD0", "a\xE2\x82", "\xE0\x80\x80"};
    for (const auto& text : valid)
        EXPECT_TRUE(isValidUtf8(text)) << testing::PrintToString(text);
    for (const auto& text : invalid)
        EXPECT_FALSE(isValidUtf8(text)) << testing::PrintToString(text);
}

}  // namespace
}  // namespace tobrel::batch
