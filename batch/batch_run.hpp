#pragma once

#include <ostream>

#include "batch/command_line.hpp"

namespace tobrel::batch {

// Exit statuses of tobrel-batch.
enum class ExitStatus { Done = 0, ComputeFailed = 1, BadCommandLine = 2, FileFailed = 3 };

// Runs one command from the sheet of a new window. Results go to out (TSV without -o), notices
// and errors to err.
ExitStatus runBatch(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace tobrel::batch
