#pragma once
#include <functional>

#include "platform/ui/form.h"

namespace shell {

class Application;

// The rules every activity window follows: it opens over the start window,
// covering exactly its place, and hands back to it however it closes.
class ActivityWindow {
public:
    ActivityWindow(Application& app, ui::Form& window) : app_(app), window_(window) {}

    // The first steps of loading: proportional resizing in full screen
    // display only, then the start window's Top, Left, Width and Height.
    void TakeStartWindowPlace();

    // The last steps of unloading: the start window takes this window's Top
    // and Left (not when maximised), is shown again, and is drawn before
    // anything else runs. Each step goes on when another failed.
    void HandBack();

    // The close box runs the same questions as the window's exit path
    // (confirmExit returns false on the user's Cancel, and the window stays)
    // instead of dropping unsaved work without a word.
    void AskBeforeClosing(std::function<bool()> confirmExit);

private:
    Application& app_;
    ui::Form& window_;
};

}  // namespace shell
