#pragma once

#include <functional>
#include <string>

#include "sheet/sheet.hpp"

namespace tobrel::evaluation {

// The conversion curve chosen in the window's method selector, by item index.
enum class Method { Proceq = 0, Schmidt = 1 };

// The Compute command. One instance lives as long as the program's run: the direction
// coefficient kd carries over from row to row and from one run to the next, 0 at the start.
class Compute {
  public:
    // Called for every row of fewer than nine readings, after its mean and count are written;
    // the row's other results are left as they were and the run goes on when it returns.
    using ShortSeriesNotice = std::function<void(int row)>;

    // Walks the point rows top to bottom. Throws EvaluationError on the first fault; the rows and
    // cells written before it keep their new texts.
    void run(sheet::Sheet& sheet, Method method, const std::string& decimalSeparator,
             const ShortSeriesNotice& onShortSeries);

    double directionCoefficient() const { return kd_; }

  private:
    double kd_ = 0;
};

}  // namespace tobrel::evaluation
