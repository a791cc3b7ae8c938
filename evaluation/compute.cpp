#include "evaluation/compute.hpp"

#include <string_view>

#include "evaluation/age_coefficient.hpp"
#include "evaluation/concrete_class.hpp"
#include "evaluation/conversion_curves.hpp"
#include "evaluation/evaluation_error.hpp"
#include "evaluation/evaluation_messages.hpp"
#include "evaluation/extended_arithmetic.hpp"
#include "evaluation/number_text.hpp"
#include "sheet/column_map.hpp"

namespace tobrel::evaluation {
namespace {

namespace column = sheet::column;

constexpr double kFewestReadings = 9;
constexpr int kStrengthDecimals = 1;
constexpr double kDownwardFactor = 1.05;
constexpr double kHorizontalFactor = 1;
constexpr double kUpwardFactor = 0.95;

// One point row; kd belongs to the command and outlives the row.
class RowEvaluation {
  public:
    RowEvaluation(sheet::Sheet& sheet, int row, std::string_view separator, double& kd)
        : sheet_(sheet), row_(row), separator_(separator), kd_(kd) {}

    // False when the series is too short to go on past the mean and count.
    bool writeMeanAndCount() {
        double sum = 0;
        double count = 0;
        for (int col = column::kFirstReading; col <= column::kLastReading; ++col) {
            const std::string& text = sheet_.cell(col, row_);
            if (text.empty())
                continue;
            sum = storeAsDouble(sum + TextToNumber(text, separator_, col, row_), col, row_);
            count = storeAsDouble(count + 1.0L, col, row_);
        }
        const long double quotient = static_cast<long double>(sum) / count;
        write(column::kMean, storeAsDouble(quotient, column::kMean, row_));
        write(column::kCount, count);
        return count >= kFewestReadings;
    }

    void writeStrengthAndClass(Method method) {
        const double mean = readStored(column::kMean);
        const double strength =
            storeAsDouble(curveStrength(method, mean), column::kCurveStrength, row_);
        write(column::kCurveStrength, strength);
        updateDirectionFactor();
        write(column::kDirectionFactor, kd_);
        const double deviceFactor = readStored(column::kDeviceFactor);
        const double ageFactor = ageCoefficient(readStored(column::kAge));
        const long double product =
            ((strength * static_cast<long double>(kd_)) * ageFactor) * deviceFactor;
        const double probable = storeAsDouble(RoundToDecimals(product, kStrengthDecimals),
                                              column::kProbableStrength, row_);
        write(column::kProbableStrength, probable);
        if (const auto grade = concreteClass(probable))
            sheet_.setCell(column::kConcreteClass, row_, *grade);
    }

  private:
    double readStored(int col) {
        return storeAsDouble(TextToNumber(sheet_.cell(col, row_), separator_, col, row_), col,
                             row_);
    }

    void write(int col, double value) {
        sheet_.setCell(col, row_, NumberToText(value, separator_));
    }

    void updateDirectionFactor() {
        const std::string& direction = sheet_.cell(column::kDirection, row_);
        if (direction == sheet::direction::kDown)
            kd_ = kDownwardFactor;
        if (direction == sheet::direction::kHorizontal)
            kd_ = kHorizontalFactor;
        if (direction == sheet::direction::kUp)
            kd_ = kUpwardFactor;
    }

    // 0 outside the table, and then the kt cell keeps its text.
    double ageCoefficient(double age) {
        const auto interpolated = interpolateAgeCoefficient(age);
        if (!interpolated)
            return 0;
        const double kt = storeAsDouble(*interpolated, column::kAgeFactor, row_);
        write(column::kAgeFactor, kt);
        return kt;
    }

    sheet::Sheet& sheet_;
    int row_;
    std::string_view separator_;
    double& kd_;
};

}  // namespace

void Compute::run(sheet::Sheet& sheet, Method method, const std::string& decimalSeparator,
                  const ShortSeriesNotice& onShortSeries) {
    const NearestRounding rounding;
    for (int row = sheet::kFirstPointRow; row <= sheet.rowCount() - 1; ++row) {
        RowEvaluation evaluation(sheet, row, decimalSeparator, kd_);
        if (evaluation.writeMeanAndCount()) {
            evaluation.writeStrengthAndClass(method);
        } else if (onShortSeries) {
            onShortSeries(row);
        }
    }
}

}  // namespace tobrel::evaluation
