#pragma once

namespace tobrel::batch {

// Whether standard error goes to a terminal, where progress lines are worth showing.
bool standardErrorIsTerminal();

}  // namespace tobrel::batch
