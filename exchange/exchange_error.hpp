#pragma once

#include <functional>
#include <stdexcept>

namespace tobrel::exchange {

// A file that cannot be written or read; what() is the complete message for the user.
class ExchangeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reports how far a long export or import has come: done out of total steps.
using Progress = std::function<void(long long done, long long total)>;

}  // namespace tobrel::exchange
