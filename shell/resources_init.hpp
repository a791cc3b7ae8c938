#pragma once

namespace tobrel::shell {

// Registers the compiled-in pictures; safe to call more than once.
void initResources();

}  // namespace tobrel::shell
