#pragma once
#include <optional>

#include "platform/ui/color.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"

// The rows of a window's design tables, as data (see design.h for how a
// window builds and binds them).
namespace ui::design {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a designer switches on or off besides place, caption, font and colours.
enum Flags : unsigned {
    None = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    DefaultButton = 1u << 2,  // Enter presses it
    CancelButton = 1u << 3,   // Esc presses it
    Transparent = 1u << 4,    // a label without a background of its own
    AutoSize = 1u << 5,       // a label as large as its caption
    WordWrap = 1u << 6,
    Checked = 1u << 7,    // a menu item's check mark; the option button chosen at first
    MultiLine = 1u << 8,  // a text box of several lines
    Locked = 1u << 9,     // a text box whose text can be read and selected, not changed
    Sorted = 1u << 10,    // a combo or list box that keeps its entries in alphabetical order
};

// One control: kind, name (and index in its control array), the container
// it lies in (a panel or frame of the same form; none for the form itself),
// its rectangle in twips in that container, caption, font, colours, tab order;
// then what only some kinds have: a text or combo box's length limit, a combo
// box's style, the name a screen reader gives a box without a caption, and
// how many leading characters of a list or combo box's entries show.
struct ControlRow {
    // A row that fills a member (Row) takes both from the member.
    ControlKind kind = ControlKind::Label;
    const char* name = "";
    int index = -1;
    const char* parent = nullptr;
    int parentIndex = -1;
    Rect rect{};
    const char* caption = "";
    std::optional<Font> font{};
    std::optional<OleColor> foreColor{};
    std::optional<OleColor> backColor{};
    int tabIndex = 0;
    unsigned flags = None;
    int maxLength = 0;
    ComboStyle comboStyle = ComboStyle::DropDownCombo;
    const char* accessibleName = "";
    // Entries that carry more than their shown part (ListBox::ShownLength); 0 shows them whole.
    int shownLength = 0;
    // The edge a bar keeps to (toolbars only; they keep to the top unless told).
    std::optional<Align> align{};
};

// One menu or menu item, below its parent menu (none for a menu of the menu
// bar), in order. A caption of "-" makes a separator line.
struct MenuRow {
    const char* name = "";  // a row that fills a member (MenuItem) takes it from the member
    const char* parent = nullptr;
    const char* caption = "";
    int index = -1;
    unsigned flags = None;
};

}  // namespace ui::design
