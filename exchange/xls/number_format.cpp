#include "exchange/xls/number_format.hpp"

#include <algorithm>
#include <cmath>

#include "exchange/xls/date_text.hpp"
#include "exchange/xls/format_code.hpp"
#include "exchange/xls/general_number.hpp"

namespace tobrel::exchange::xls {

namespace {

using Kind = FormatToken::Kind;
using Tokens = std::vector<FormatToken>;

bool has(const Tokens& tokens, Kind kind) {
    return std::any_of(tokens.begin(), tokens.end(), [&](const auto& t) { return t.kind == kind; });
}

// Digit placeholders before the point (or exponent) and after it, and how the commas act.
struct NumberLayout {
    std::string integer;
    std::string decimals;
    std::string exponent;
    std::string exponentSign;
    bool point = false;
    bool grouping = false;
    int scaleThousands = 0;
    int percents = 0;
};

NumberLayout layoutOf(const Tokens& tokens) {
    NumberLayout layout;
    enum class Part { Integer, Decimals, Exponent } part = Part::Integer;
    int pendingCommas = 0;
    for (const auto& token : tokens) {
        switch (token.kind) {
            case Kind::Digit:
                if (part == Part::Integer) {
                    layout.grouping =
                        layout.grouping || (pendingCommas > 0 && !layout.integer.empty());
                    pendingCommas = 0;
                }
                (part == Part::Integer    ? layout.integer
                 : part == Part::Decimals ? layout.decimals
                                          : layout.exponent) += token.text;
                break;
            case Kind::Point:
                if (part == Part::Integer) {
                    layout.scaleThousands += pendingCommas;
                    pendingCommas = 0;
                    part = Part::Decimals;
                    layout.point = true;
                }
                break;
            case Kind::Comma:
                ++pendingCommas;
                break;
            case Kind::Percent:
                ++layout.percents;
                break;
            case Kind::Exponent:
                layout.scaleThousands += part == Part::Integer ? pendingCommas : 0;
                pendingCommas = 0;
                layout.exponentSign = token.text.substr(1);
                part = Part::Exponent;
                break;
            default:
                break;
        }
    }
    if (part == Part::Integer)
        layout.scaleThousands += pendingCommas;
    return layout;
}

// Exact decimal rounding (half up) of the 15 significant digits to a number of decimals.
struct FixedDigits {
    std::string integer;  // without leading zeros, empty for zero
    std::string decimals;
};

FixedDigits roundedFixed(DecimalDigits d, int decimals) {
    const int keep = d.exponent + decimals;
    if (keep < 0 || d.digits.empty())
        return {"", std::string(static_cast<size_t>(decimals), '0')};
    std::string digits = d.digits;
    if (static_cast<int>(digits.size()) > keep) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
                digits[static_cast<size_t>(i--)] = '0';
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++d.exponent;
            } else {
                ++digits[static_cast<size_t>(i)];
            }
        }
    }
    digits.resize(static_cast<size_t>(d.exponent + decimals), '0');
    if (d.exponent <= 0) {
        digits.insert(0, static_cast<size_t>(-d.exponent), '0');
        d.exponent = 0;
    }
    FixedDigits out{digits.substr(0, static_cast<size_t>(d.exponent)),
                    digits.substr(static_cast<size_t>(d.exponent))};
    out.integer.erase(0, std::min(out.integer.find_first_not_of('0'), out.integer.size()));
    return out;
}

std::string integerText(std::string digits, const std::string& placeholders, bool grouping,
                        std::string_view thousands) {
    const auto firstShown = placeholders.find_first_not_of('#');
    const std::size_t minimum =
        firstShown == std::string::npos ? 0 : placeholders.size() - firstShown;
    if (digits.size() < minimum)
        digits.insert(0, minimum - digits.size(), '0');
    if (!grouping)
        return digits;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousands;
        text += digits[i];
    }
    return text;
}

std::string decimalsText(std::string digits, const std::string& placeholders) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '0' || placeholders[i] == '0')
            break;
        if (placeholders[i] == '#')
            digits.pop_back();
        else
            digits[i] = ' ';
    }
    return digits;
}

struct Mantissa {
    FixedDigits fixed;
    int exponent = 0;
};

// Scientific: the exponent leaves as many integer digits as there are placeholders, or with
// "##0" placeholders moves in steps of their count (engineering notation).
Mantissa scientificMantissa(const DecimalDigits& d, const NumberLayout& layout) {
    const int places = std::max<int>(1, static_cast<int>(layout.integer.size()));
    const bool engineering = places > 1 && layout.integer.find('#') != std::string::npos;
    const int decimals = static_cast<int>(layout.decimals.size());
    Mantissa m;
    if (d.digits.empty()) {
        m.fixed = roundedFixed(d, decimals);
        return m;
    }
    int magnitude = d.exponent - 1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        m.exponent = engineering ? static_cast<int>(std::floor(magnitude / double(places))) * places
                                 : magnitude - (places - 1);
        DecimalDigits shifted = d;
        shifted.exponent -= m.exponent;
        m.fixed = roundedFixed(shifted, decimals);
        const int integerDigits = static_cast<int>(m.fixed.integer.size());
        if (integerDigits <= (engineering ? places : std::max(places, 1)))
            break;
        ++magnitude;
    }
    return m;
}

std::string exponentText(int exponent, const NumberLayout& layout) {
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < layout.exponent.size())
        digits.insert(0, layout.exponent.size() - digits.size(), '0');
    const std::string sign = exponent < 0 ? "-" : layout.exponentSign == "+" ? "+" : "";
    return "E" + sign + digits;
}

std::string numberPart(double value, const NumberLayout& layout, std::string_view separator) {
    const std::string_view thousands = separator == "," ? "." : ",";
    const double scaled =
        value * std::pow(100.0, layout.percents) / std::pow(1000.0, layout.scaleThousands);
    const DecimalDigits d = significantDigits(scaled);
    const bool scientific = !layout.exponentSign.empty();
    const Mantissa m = scientific
                           ? scientificMantissa(d, layout)
                           : Mantissa{roundedFixed(d, static_cast<int>(layout.decimals.size())), 0};
    std::string text = integerText(m.fixed.integer, layout.integer, layout.grouping, thousands);
    const std::string decimals = decimalsText(m.fixed.decimals, layout.decimals);
    if (layout.point)
        text += std::string(separator) + decimals;
    if (scientific)
        text += exponentText(m.exponent, layout);
    return text;
}

// Literals keep their places before and after the number; the number itself stands where its
// first placeholder is.
std::string numberText(double magnitude, const Tokens& tokens, std::string_view separator) {
    const NumberLayout layout = layoutOf(tokens);
    std::string text;
    bool numberDone = false;
    for (const auto& token : tokens) {
        switch (token.kind) {
            case Kind::Literal:
                text += token.text;
                break;
            case Kind::Percent:
                text += '%';
                break;
            case Kind::Digit:
            case Kind::Point:
                if (!numberDone)
                    text += numberPart(magnitude, layout, separator);
                numberDone = true;
                break;
            case Kind::General:
            case Kind::Text:
                text += generalText(magnitude, separator);
                break;
            default:
                break;
        }
    }
    return text;
}

bool allZero(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

}  // namespace

std::string_view builtInFormat(unsigned index) {
    switch (index) {
        case 1:
            return "0";
        case 2:
            return "0.00";
        case 3:
            return "#,##0";
        case 4:
            return "#,##0.00";
        case 5:
            return "\"$\"#,##0_);\\(\"$\"#,##0\\)";
        case 6:
            return "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)";
        case 7:
            return "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)";
        case 8:
            return "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)";
        case 9:
            return "0%";
        case 10:
            return "0.00%";
        case 11:
            return "0.00E+00";
        case 14:
            return "m/d/yyyy";
        case 15:
            return "d-mmm-yy";
        case 16:
            return "d-mmm";
        case 17:
            return "mmm-yy";
        case 18:
            return "h:mm AM/PM";
        case 19:
            return "h:mm:ss AM/PM";
        case 20:
            return "h:mm";
        case 21:
            return "h:mm:ss";
        case 22:
            return "m/d/yyyy h:mm";
        case 37:
            return "#,##0_);(#,##0)";
        case 38:
            return "#,##0_);[Red](#,##0)";
        case 39:
            return "#,##0.00_);(#,##0.00)";
        case 40:
            return "#,##0.00_);[Red](#,##0.00)";
        case 45:
            return "mm:ss";
        case 46:
            return "[h]:mm:ss";
        case 47:
            return "mm:ss.0";
        case 48:
            return "##0.0E+0";
        case 49:
            return "@";
        default:
            return "General";
    }
}

std::string formatNumber(double value, std::string_view format, bool dates1904,
                         std::string_view decimalSeparator) {
    if (!std::isfinite(value) || format == "General")
        return generalText(value, decimalSeparator);
    const auto sections = formatSections(format);
    std::size_t index = 0;
    if (value < 0 && sections.size() >= 2)
        index = 1;
    else if (value == 0 && sections.size() >= 3)
        index = 2;
    const Tokens tokens = formatTokens(sections[index]);
    const bool ownSign = index > 0;
    if (has(tokens, Kind::Date))
        return dateText(value, tokens, dates1904, decimalSeparator);
    const bool placeholders = has(tokens, Kind::Digit) || has(tokens, Kind::Point);
    if (!placeholders && !has(tokens, Kind::General) && !has(tokens, Kind::Text)) {
        // A section of literals only, or an empty one, shows just them.
        std::string text;
        for (const auto& token : tokens)
            text += token.kind == Kind::Literal ? token.text : "";
        return text.empty() && sections[index].empty() && sections.size() == 1
                   ? generalText(value, decimalSeparator)
                   : text;
    }
    const std::string text = numberText(std::fabs(value), tokens, decimalSeparator);
    if (value < 0 && !ownSign && !allZero(text))
        return "-" + text;
    return text;
}

}  // namespace tobrel::exchange::xls
