#pragma once

namespace platform::qt {

// Reading the desktop's font configuration is the largest single step of
// start-up (its settings files are parsed anew by every program), and it
// needs nothing of ours: it starts on a thread of its own as the program
// starts, while the rest loads, and the first font lookup waits for it.
// Without the early start the first lookup reads the configuration itself.
void StartReadingFontConfiguration();
void WaitForFontConfiguration();

}  // namespace platform::qt
