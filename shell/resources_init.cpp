#include "shell/resources_init.hpp"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerTobrelResources() {
    Q_INIT_RESOURCE(tobrel);
}

namespace tobrel::shell {

void initResources() {
    static const bool registered = (registerTobrelResources(), true);
    (void)registered;
}

}  // namespace tobrel::shell
