#include "batch/progress_line.hpp"

#include "batch/terminal.hpp"

namespace tobrel::batch {

namespace {

constexpr long long kRowsWorthShowing = 10000;

}  // namespace

ProgressLine::ProgressLine(std::ostream& err) : err_(err), enabled_(standardErrorIsTerminal()) {}

exchange::Progress ProgressLine::stage(const std::string& name) {
    if (!enabled_)
        return {};
    return [this, name](long long done, long long total) { show(name, done, total); };
}

void ProgressLine::show(const std::string& name, long long done, long long total) {
    const long long size = rows_ >= 0 ? rows_ : total;
    if (size <= kRowsWorthShowing || total <= 0)
        return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    shown_ = true;
    err_ << '\r' << name << ' ' << percent << " %   " << std::flush;
}

void ProgressLine::finish() {
    if (shown_)
        err_ << '\n';
    shown_ = false;
    lastPercent_ = -1;
}

}  // namespace tobrel::batch
