#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tobrel::exchange::xls {

// One element of a number format code section.
struct FormatToken {
    enum class Kind {
        Literal,   // text shown as it stands
        Digit,     // 0, # or ?
        Point,     // decimal point
        Comma,     // thousands separator or scaling by 1000
        Percent,   // shows the value times 100
        Exponent,  // E+ or E-
        Date,      // y, m, d, h, s runs (lower case) and elapsed [h], [m], [s]
        AmPm,      // AM/PM or A/P: 12-hour clock
        General,   // the General format inside a section
        Text,      // @, the cell's text
    };
    Kind kind;
    std::string text;
};

// The sections of a format code, split at the semicolons outside quotes and brackets.
std::vector<std::string> formatSections(std::string_view format);

std::vector<FormatToken> formatTokens(std::string_view section);

}  // namespace tobrel::exchange::xls
