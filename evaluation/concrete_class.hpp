#pragma once

#include <optional>
#include <string>

namespace tobrel::evaluation {

// The class band holding a probable strength, each band open below and closed above: "B10" for
// 10 < P <= 15 up to "B50" for 50 < P <= 55; nothing outside 10 < P <= 55.
std::optional<std::string> concreteClass(double probableStrength);

}  // namespace tobrel::evaluation
