#pragma once

namespace ui {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
// Why a form is being unloaded: its close box, the program's own Unload, or the end of the program.
enum class UnloadMode { CloseBox = 0, Code = 1, AppEnding = 6 };

}  // namespace ui
