#include "platform/basic/durable_step.h"

#include <utility>

namespace basic::durable_step {

namespace {
std::function<void()>& Listener() {
    static std::function<void()> listener;
    return listener;
}
}  // namespace

void SetListener(std::function<void()> listener) { Listener() = std::move(listener); }

void Done() {
    if (const auto& listener = Listener()) listener();
}

}  // namespace basic::durable_step
