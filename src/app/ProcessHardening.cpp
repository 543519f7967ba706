#include "app/ProcessHardening.h"

#include <sys/prctl.h>
#include <sys/resource.h>

namespace quorbit {

bool ProcessHardening::apply() {
    const rlimit noCore{0, 0};
    const bool undumpable = ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
    return ::setrlimit(RLIMIT_CORE, &noCore) == 0 && undumpable;
}

}  // namespace quorbit
