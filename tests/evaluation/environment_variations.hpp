#pragma once

#include <cfenv>
#include <clocale>
#include <functional>
#include <string>

namespace tobrel::evaluation::testing {

// Runs the check under every rounding mode and, when one is installed, under a C locale whose
// decimal separator is a comma; the caller's mode and locale come back afterwards.
inline void underEveryEnvironment(const std::function<void(const std::string& what)>& check) {
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        check("rounding mode " + std::to_string(mode));
        std::fesetround(FE_TONEAREST);
    }
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "bg_BG.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) {
            check(std::string("locale ") + name);
            break;
        }
    }
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace tobrel::evaluation::testing
