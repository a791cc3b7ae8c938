#pragma once

#include <string_view>

namespace tobrel::batch {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF.
bool isValidUtf8(std::string_view text);

}  // namespace tobrel::batch
