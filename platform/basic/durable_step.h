#pragma once
#include <functional>

// Every step that changes what is on the disk (a write, a sync, a rename, a
// removal) reports itself here, so a crash test can stop the program after
// any one of them and look at what a kill at that moment leaves. Nothing
// listens in the program itself.
namespace basic::durable_step {

// Called after each such step; an empty function listens to nothing.
void SetListener(std::function<void()> listener);

// Reports one step to the listener, if there is one.
void Done();

}  // namespace basic::durable_step
