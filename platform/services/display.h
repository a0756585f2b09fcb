#pragma once

namespace platform {

// The screen in twips.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The screen, the mouse pointer and the speaker.
class Display {
public:
    virtual ~Display() = default;

    virtual ScreenSize Screen() = 0;
    // One pointer for the whole program: busy or the default one.
    virtual void SetBusyPointer(bool busy) = 0;
    virtual void Beep() = 0;
};

}  // namespace platform
