#include "platform/testing/kill_points.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/basic/durable_step.h"

namespace basic::testing {

bool RunUntilKilled(const std::function<void()>& operation, int stopAt) {
    const pid_t child = ::fork();
    if (child == 0) {
        int steps = 0;
        durable_step::SetListener([&] {
            if (++steps == stopAt) ::raise(SIGKILL);
        });
        operation();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        return false;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return true;
}

}  // namespace basic::testing
