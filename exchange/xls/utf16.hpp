#pragma once

#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// Malformed UTF-8 and unpaired surrogates become U+FFFD, so every text converts.
std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

}  // namespace tobrel::exchange::xls
