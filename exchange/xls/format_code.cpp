#include "exchange/xls/format_code.hpp"

#include <algorithm>
#include <cctype>

namespace tobrel::exchange::xls {

namespace {

using Kind = FormatToken::Kind;

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
}

// [h], [mm], [ss] are elapsed time; [$€-407] shows its currency symbol; colours and conditions
// show nothing.
void bracketToken(std::string_view content, std::vector<FormatToken>& tokens) {
    const bool elapsed =
        !content.empty() && std::all_of(content.begin(), content.end(), [&](char c) {
            return lower(c) == lower(content[0]) &&
                   (lower(c) == 'h' || lower(c) == 'm' || lower(c) == 's');
        });
    if (elapsed) {
        tokens.push_back({Kind::Date, "[" + std::string(1, lower(content[0])) + "]"});
        return;
    }
    if (content.starts_with('$')) {
        const auto symbol =
            content.substr(1, content.find('-') == std::string_view::npos ? std::string_view::npos
                                                                          : content.find('-') - 1);
        if (!symbol.empty())
            tokens.push_back({Kind::Literal, std::string(symbol)});
    }
}

}  // namespace

std::vector<std::string> formatSections(std::string_view format) {
    std::vector<std::string> sections(1);
    bool quoted = false;
    bool bracket = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (!quoted && !bracket && c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
        if (c == '"' && !bracket) {
            quoted = !quoted;
        } else if (!quoted && c == '[') {
            bracket = true;
        } else if (!quoted && c == ']') {
            bracket = false;
        } else if (!quoted && !bracket && c == '\\' && i + 1 < format.size()) {
            sections.back() += format[++i];
        }
    }
    return sections;
}

std::vector<FormatToken> formatTokens(std::string_view section) {
    std::vector<FormatToken> tokens;
    std::size_t i = 0;
    while (i < section.size()) {
        const char c = section[i];
        const char l = lower(c);
        const std::string_view rest = section.substr(i);
        if (c == '"') {
            const auto end = section.find('"', i + 1);
            const auto stop = end == std::string_view::npos ? section.size() : end;
            tokens.push_back({Kind::Literal, std::string(section.substr(i + 1, stop - i - 1))});
            i = stop + 1;
        } else if (c == '\\' || c == '_' || c == '*') {
            if (i + 1 < section.size() && c != '*')
                tokens.push_back({Kind::Literal, c == '_' ? " " : std::string(1, section[i + 1])});
            i += 2;
        } else if (c == '[') {
            const auto end = section.find(']', i);
            const auto stop = end == std::string_view::npos ? section.size() : end;
            bracketToken(section.substr(i + 1, stop - i - 1), tokens);
            i = stop + 1;
        } else if (startsWithNoCase(rest, "general")) {
            tokens.push_back({Kind::General, {}});
            i += 7;
        } else if (startsWithNoCase(rest, "am/pm") || startsWithNoCase(rest, "a/p")) {
            const std::size_t length = startsWithNoCase(rest, "am/pm") ? 5 : 3;
            tokens.push_back({Kind::AmPm, std::string(rest.substr(0, length))});
            i += length;
        } else if (c == '0' || c == '#' || c == '?') {
            tokens.push_back({Kind::Digit, std::string(1, c)});
            ++i;
        } else if (c == '.' || c == ',' || c == '%' || c == '@') {
            const Kind kind = c == '.'   ? Kind::Point
                              : c == ',' ? Kind::Comma
                              : c == '%' ? Kind::Percent
                                         : Kind::Text;
            tokens.push_back({kind, std::string(1, c)});
            ++i;
        } else if (l == 'e' && i + 1 < section.size() &&
                   (section[i + 1] == '+' || section[i + 1] == '-')) {
            tokens.push_back({Kind::Exponent, std::string(rest.substr(0, 2))});
            i += 2;
        } else if (l == 'y' || l == 'm' || l == 'd' || l == 'h' || l == 's') {
            std::size_t length = 1;
            while (i + length < section.size() && lower(section[i + length]) == l)
                ++length;
            tokens.push_back({Kind::Date, std::string(length, l)});
            i += length;
        } else {
            tokens.push_back({Kind::Literal, std::string(1, c)});
            ++i;
        }
    }
    return tokens;
}

}  // namespace tobrel::exchange::xls
