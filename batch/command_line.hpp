#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "evaluation/compute.hpp"

namespace tobrel::batch {

enum class Command { Compute, Convert, Pdf, Help, Version };

struct Options {
    Command command = Command::Help;
    std::string input;
    std::optional<std::string> output;  // none: TSV to standard output
    std::optional<std::string> pdf;
    evaluation::Method method = evaluation::Method::Proceq;
    std::optional<std::string> decimalSeparator;  // none: the locale's
    bool keepPartial = false;
};

// A command line that cannot be run; what() says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

extern const char* const kUsage;

// The arguments after the program name.
Options parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace tobrel::batch
