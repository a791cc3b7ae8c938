#pragma once

#include <stdexcept>
#include <string>

namespace tobrel::evaluation {

// A fault that stops Compute. what() is the message alone (no full stop); col and row name the
// sheet cell where it arose, for tools that report the place.
class EvaluationError : public std::runtime_error {
  public:
    EvaluationError(const std::string& message, int col, int row)
        : std::runtime_error(message), col_(col), row_(row) {}
    int col() const { return col_; }
    int row() const { return row_; }

  private:
    int col_;
    int row_;
};

}  // namespace tobrel::evaluation
