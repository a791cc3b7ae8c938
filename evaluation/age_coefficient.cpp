#include "evaluation/age_coefficient.hpp"

#include <array>

#include "evaluation/extended_arithmetic.hpp"
#include "evaluation/number_text.hpp"
#include "evaluation/reference_tables.hpp"

namespace tobrel::evaluation {
namespace {

struct AgeEntry {
    double age = 0;
    double coefficient = 0;
};

using AgeEntries = std::array<AgeEntry, kAgeTableRowCount>;

// The table texts read once, with "." whatever the locale, and kept as doubles.
AgeEntries readAgeTable() {
    const NearestRounding rounding;
    AgeEntries entries{};
    for (int row = kAgeTableFirstRow; row <= kAgeTableLastRow; ++row) {
        auto& entry = entries[static_cast<size_t>(row)];
        entry.age = static_cast<double>(TextToNumber(ageTableCell(kAgeColumn, row), "."));
        entry.coefficient =
            static_cast<double>(TextToNumber(ageTableCell(kAgeCoefficientColumn, row), "."));
    }
    return entries;
}

const AgeEntries& ageEntries() {
    static const AgeEntries entries = readAgeTable();
    return entries;
}

}  // namespace

std::optional<long double> interpolateAgeCoefficient(double age) {
    const auto& entries = ageEntries();
    for (int row = kAgeTableFirstRow; row < kAgeTableLastRow; ++row) {
        const AgeEntry& lower = entries[static_cast<size_t>(row)];
        const AgeEntry& upper = entries[static_cast<size_t>(row) + 1];
        if (lower.age <= age && age < upper.age) {
            const long double d1 = static_cast<long double>(lower.coefficient) - upper.coefficient;
            const long double d2 = static_cast<long double>(age) - lower.age;
            const long double d3 = d1 * d2;
            const long double d4 = static_cast<long double>(upper.age) - lower.age;
            const long double d5 = d3 / d4;
            return static_cast<long double>(lower.coefficient) - d5;
        }
    }
    return std::nullopt;
}

}  // namespace tobrel::evaluation
