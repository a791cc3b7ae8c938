#pragma once

#include <ostream>
#include <string>

#include "exchange/exchange_error.hpp"

namespace tobrel::batch {

// A progress line on standard error, kept up to date in place; shown only on a terminal and only
// for sheets large enough to keep the user waiting.
class ProgressLine {
  public:
    explicit ProgressLine(std::ostream& err);

    // Known once the input is read; until then the size of the step count decides.
    void setRows(long long rows) { rows_ = rows; }
    exchange::Progress stage(const std::string& name);
    // Ends a line that was shown.
    void finish();

  private:
    void show(const std::string& name, long long done, long long total);

    std::ostream& err_;
    bool enabled_;
    long long rows_ = -1;
    bool shown_ = false;
    int lastPercent_ = -1;
};

}  // namespace tobrel::batch
