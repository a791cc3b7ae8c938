#include "exchange/xls/date_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "exchange/xls/general_number.hpp"

namespace tobrel::exchange::xls {

namespace {

using Kind = FormatToken::Kind;

// 9999-12-31 in the 1900 system: the last day a workbook can show.
constexpr double kLastSerial = 2958466;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

struct DateTime {
    long long year = 1900, month = 1, day = 0;
    int weekday = 0;
    long long hour = 0, minute = 0, second = 0;
    long long fraction = 0;  // of the second, in units of 10^-fractionDigits
    long long totalSeconds = 0;
};

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(long long z, DateTime& out) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    out.day = doy - (153 * mp + 2) / 5 + 1;
    out.month = mp < 10 ? mp + 3 : mp - 9;
    out.year = yoe + era * 400 + (out.month <= 2 ? 1 : 0);
}

// The 1900 system counts a 29 February 1900 that never was (serial 60), as Lotus 1-2-3 did.
void setDate(long long serial, bool dates1904, DateTime& out) {
    constexpr long long k1899_12_31 = -25568;
    constexpr long long k1904_01_01 = -24107;
    if (dates1904) {
        civilFromDays(k1904_01_01 + serial, out);
    } else if (serial == 0) {
        out.year = 1900, out.month = 1, out.day = 0;
    } else if (serial == 60) {
        out.year = 1900, out.month = 2, out.day = 29;
    } else {
        civilFromDays(k1899_12_31 + serial - (serial > 60 ? 1 : 0), out);
    }
    const long long daysSinceEpoch =
        dates1904 ? k1904_01_01 + serial : k1899_12_31 + serial - (serial > 60 ? 1 : 0);
    out.weekday = static_cast<int>(((daysSinceEpoch % 7) + 11) % 7);
}

int fractionDigits(const std::vector<FormatToken>& tokens) {
    int digits = 0;
    bool afterPoint = false;
    for (const auto& token : tokens) {
        if (token.kind == Kind::Point)
            afterPoint = true;
        else if (afterPoint && token.kind == Kind::Digit)
            ++digits;
        else if (afterPoint)
            break;
    }
    return digits;
}

std::string padded(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

bool isMinute(const std::vector<FormatToken>& tokens, std::size_t index) {
    for (std::size_t i = index; i-- > 0;) {
        if (tokens[i].kind == Kind::Date)
            return tokens[i].text[0] == 'h' || tokens[i].text == "[h]";
    }
    for (std::size_t i = index + 1; i < tokens.size(); ++i) {
        if (tokens[i].kind == Kind::Date)
            return tokens[i].text[0] == 's' || tokens[i].text == "[s]";
    }
    return false;
}

std::string dateCode(const std::string& code, const DateTime& t, bool minute, bool twelveHour) {
    const std::size_t n = code.size();
    switch (code[0]) {
        case 'y':
            return n <= 2 ? padded(t.year % 100, 2) : padded(t.year, 4);
        case 'm':
            if (minute)
                return padded(t.minute, n >= 2 ? 2 : 1);
            if (n <= 2)
                return padded(t.month, n);
            {
                const std::string name = kMonths[static_cast<size_t>(t.month - 1)];
                return n == 3 ? name.substr(0, 3) : n == 4 ? name : name.substr(0, 1);
            }
        case 'd':
            if (n <= 2)
                return padded(t.day, n);
            return n == 3 ? std::string(kWeekdays[static_cast<size_t>(t.weekday)]).substr(0, 3)
                          : kWeekdays[static_cast<size_t>(t.weekday)];
        case 'h': {
            const long long hour = twelveHour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
            return padded(hour, n >= 2 ? 2 : 1);
        }
        case 's':
            return padded(t.second, n >= 2 ? 2 : 1);
        default:
            break;
    }
    if (code == "[h]")
        return std::to_string(t.totalSeconds / 3600);
    if (code == "[m]")
        return std::to_string(t.totalSeconds / 60);
    return std::to_string(t.totalSeconds);
}

std::string amPm(const std::string& code, const DateTime& t) {
    const bool pm = t.hour >= 12;
    const bool upper = code[0] == 'A' || code[0] == 'P';
    if (code.size() == 3)
        return pm ? (upper ? "P" : "p") : (upper ? "A" : "a");
    return pm ? (upper ? "PM" : "pm") : (upper ? "AM" : "am");
}

}  // namespace

std::string dateText(double serial, const std::vector<FormatToken>& tokens, bool dates1904,
                     std::string_view decimalSeparator) {
    if (!(serial >= 0 && serial < kLastSerial))
        return generalText(serial, decimalSeparator);
    // Times show at most milliseconds.
    const int digits = std::min(fractionDigits(tokens), 3);
    const long long perSecond = static_cast<long long>(std::pow(10, digits));
    long long days = static_cast<long long>(std::floor(serial));
    const long long perDay = 86400 * perSecond;
    long long ticks =
        std::llround((serial - static_cast<double>(days)) * static_cast<double>(perDay));
    if (ticks >= perDay) {
        ++days;
        ticks -= perDay;
    }
    DateTime t;
    setDate(days, dates1904, t);
    t.fraction = ticks % perSecond;
    const long long seconds = ticks / perSecond;
    t.hour = seconds / 3600, t.minute = seconds / 60 % 60, t.second = seconds % 60;
    t.totalSeconds = days * 86400 + seconds;
    bool twelveHour = false;
    for (const auto& token : tokens)
        twelveHour = twelveHour || token.kind == Kind::AmPm;
    std::string text;
    bool fractionDone = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const auto& token = tokens[i];
        if (token.kind == Kind::Date) {
            text += dateCode(token.text, t, isMinute(tokens, i), twelveHour);
        } else if (token.kind == Kind::AmPm) {
            text += amPm(token.text, t);
        } else if (token.kind == Kind::Point && digits > 0 && !fractionDone &&
                   i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Digit) {
            text += std::string(decimalSeparator) + padded(t.fraction, static_cast<size_t>(digits));
            fractionDone = true;
        } else if (token.kind == Kind::Point || token.kind == Kind::Comma) {
            text += token.text;
        } else if (token.kind == Kind::Literal) {
            text += token.text;
        }
    }
    return text;
}

}  // namespace tobrel::exchange::xls
