#pragma once
#include <functional>
#include <memory>

namespace shell {

// Holds one window of a kind. A window that was unloaded is made afresh the
// next time it is asked for; one that was never loaded is kept.
template <class Window>
class WindowSlot {
public:
    explicit WindowSlot(std::function<std::unique_ptr<Window>()> make) : make_(std::move(make)) {}

    Window& get() {
        if (!window_ || window_->wasUnloaded()) window_ = make_();
        return *window_;
    }
    // The window, if one is open (loaded).
    Window* open() const { return window_ && window_->isLoaded() ? window_.get() : nullptr; }

private:
    std::function<std::unique_ptr<Window>()> make_;
    std::unique_ptr<Window> window_;
};

}  // namespace shell
