#pragma once
#include <functional>

namespace basic::testing {

// Runs operation in a child process killed at its stopAt-th durable step
// (write, sync, rename, removal); true when the child finished the operation
// before that step. Crash tests call it for stopAt = 1, 2, ... until it
// finishes, and check what the files hold after each kill.
bool RunUntilKilled(const std::function<void()>& operation, int stopAt);

}  // namespace basic::testing
