#include "evaluation/concrete_class.hpp"

#include <array>

namespace tobrel::evaluation {
namespace {

constexpr double kLowestBound = 10;
constexpr double kBandWidth = 5;
constexpr std::array<const char*, 9> kBandClasses{"B10", "B15", "B20", "B25", "B30",
                                                  "B35", "B40", "B45", "B50"};

}  // namespace

std::optional<std::string> concreteClass(double probableStrength) {
    double lower = kLowestBound;
    for (const char* grade : kBandClasses) {
        if (lower < probableStrength && probableStrength <= lower + kBandWidth)
            return grade;
        lower += kBandWidth;
    }
    return std::nullopt;
}

}  // namespace tobrel::evaluation
