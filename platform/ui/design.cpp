#include "platform/ui/design.h"

#include <stdexcept>
#include <string>

#include "platform/ui/controls.h"

namespace ui::design {

namespace {

using Maker = Control& (*)(Form&, const char* name, int index, Control* container);

template <class T>
Control& Make(Form& form, const char* name, int index, Control* container) {
    return form.add<T>(name, index, container);
}

struct KindRow {
    ControlKind kind;
    Maker make;
};

// The control kinds a window's design can hold.
// clang-format off
constexpr KindRow Kinds[] = {
    {ControlKind::Label, &Make<Label>},
    {ControlKind::CommandButton, &Make<CommandButton>},
    {ControlKind::Panel, &Make<Panel>},
    {ControlKind::Frame, &Make<Frame>},
    {ControlKind::Image, &Make<Image>},
    {ControlKind::TextBox, &Make<TextBox>},
    {ControlKind::ComboBox, &Make<ComboBox>},
    {ControlKind::ListBox, &Make<ListBox>},
    {ControlKind::Toolbar, &Make<Toolbar>},
    {ControlKind::StatusBar, &Make<StatusBar>},
    {ControlKind::ProgressBar, &Make<ProgressBar>},
    {ControlKind::OptionButton, &Make<OptionButton>},
    {ControlKind::Grid, &Make<Grid>},
    {ControlKind::DriveListBox, &Make<DriveListBox>},
    {ControlKind::DirListBox, &Make<DirListBox>},
    {ControlKind::FileListBox, &Make<FileListBox>},
    {ControlKind::PrintPreview, &Make<PrintPreview>},
    {ControlKind::MonthView, &Make<MonthView>},
};
// clang-format on

Maker MakerFor(ControlKind kind) {
    for (const KindRow& row : Kinds)
        if (row.kind == kind) return row.make;
    return nullptr;
}

void ApplyFlags(Control& control, unsigned flags) {
    if (flags & Hidden) control.setVisible(false);
    if (flags & Disabled) control.setEnabled(false);
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        button->setDefault(flags & DefaultButton);
        button->setCancel(flags & CancelButton);
    }
    if (auto* label = dynamic_cast<Label*>(&control)) {
        label->setTransparent(flags & Transparent);
        label->setWordWrap(flags & WordWrap);
        label->setAutoSize(flags & AutoSize);  // last: it sizes by caption and font
    }
}

void ApplyKindSettings(Control& control, const ControlRow& row) {
    if (auto* box = dynamic_cast<TextBox*>(&control)) {
        box->setMultiLine(row.flags & MultiLine);
        box->setLocked(row.flags & Locked);
        box->setMaxLength(row.maxLength);
    }
    if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        combo->setStyle(row.comboStyle);
        combo->setSorted(row.flags & Sorted);
        combo->setMaxLength(row.maxLength);
        combo->setShownLength(row.shownLength);
    }
    if (auto* list = dynamic_cast<ListBox*>(&control)) {
        list->setSorted(row.flags & Sorted);
        list->setShownLength(row.shownLength);
    }
}

void AddControl(Form& form, const ControlRow& row) {
    const Maker make = MakerFor(row.kind);
    if (!make) throw std::logic_error(form.name() + "." + row.name + ": no such kind of control");
    Control* container = nullptr;
    if (row.parent) {
        container = form.findControl(row.parent, row.parentIndex);
        if (!container)
            throw std::logic_error(form.name() + "." + row.name + ": container " + row.parent + " not built yet");
    }
    Control& control = make(form, row.name, row.index, container);
    // Before its place: a docked bar takes the place of its edge.
    if (auto* bar = dynamic_cast<Toolbar*>(&control); bar && row.align) bar->setAlign(*row.align);
    control.Move(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
    control.setCaption(row.caption);
    if (row.font) control.setFont(*row.font);
    if (row.foreColor) control.setForeColor(*row.foreColor);
    if (row.backColor) control.setBackColor(*row.backColor);
    control.setTabIndex(row.tabIndex);
    if (*row.accessibleName) control.setAccessibleName(row.accessibleName);
    ApplyKindSettings(control, row);
    ApplyFlags(control, row.flags);
}

void AddMenu(Form& form, const MenuRow& row) {
    Menu* menu = nullptr;
    if (!row.parent) {
        menu = &form.addMenu(row.name, row.caption, row.index);
    } else {
        Menu* parent = form.findMenu(row.parent);
        if (!parent) throw std::logic_error(form.name() + "." + row.name + ": menu " + row.parent + " not built yet");
        menu = &parent->add(row.name, row.caption, row.index);
    }
    if (row.flags & Hidden) menu->setVisible(false);
    if (row.flags & Disabled) menu->setEnabled(false);
    if (row.flags & Checked) menu->setChecked(true);
}

}  // namespace

void Build(Form& form, std::span<const ControlRow> controls, std::span<const MenuRow> menus) {
    for (const ControlRow& row : controls) AddControl(form, row);
    for (const MenuRow& row : menus) AddMenu(form, row);
}

}  // namespace ui::design
