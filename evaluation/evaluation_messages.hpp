#pragma once

#include <string>

namespace tobrel::evaluation {

inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";

inline std::string conversionErrorMessage(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

}  // namespace tobrel::evaluation
