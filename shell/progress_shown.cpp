#include "shell/progress_shown.hpp"

#include <algorithm>
#include <limits>

namespace tobrel::shell {

namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kSteps = 1000;

}  // namespace

ProgressShown::ProgressShown(QWidget* parent) : dialog_(parent) {
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setCancelButton(nullptr);
    dialog_.setMinimumDuration(kShowAfterMilliseconds);
    dialog_.setRange(0, kSteps);
    dialog_.setValue(0);
}

exchange::Progress ProgressShown::callback() {
    return [this](long long done, long long total) {
        const long long step = total > 0 ? std::clamp(done * kSteps / total, 0LL, 1LL * kSteps) : 0;
        if (step != dialog_.value())
            dialog_.setValue(static_cast<int>(step));
    };
}

}  // namespace tobrel::shell
