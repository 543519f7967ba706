#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/ProcessHardening.h"

namespace quorbit {
namespace {

// In a child, so that the test program itself stays as it was.
TEST(ProcessHardeningTest, TheProcessCannotBeAttachedToAndWritesNoCore) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool applied = ProcessHardening::apply();
        rlimit core{};
        ::getrlimit(RLIMIT_CORE, &core);
        const bool hardened = applied && ::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 && core.rlim_cur == 0 &&
                              core.rlim_max == 0;
        ::_exit(hardened ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace quorbit
