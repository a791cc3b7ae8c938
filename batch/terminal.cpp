#include "batch/terminal.hpp"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tobrel::batch {

// The standard library cannot tell a terminal from a file; this is the one question asked of
// the system directly outside the file helper.
bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(2) != 0;
#else
    return isatty(2) != 0;
#endif
}

}  // namespace tobrel::batch
