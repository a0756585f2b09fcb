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
    {ControlKind::CheckBox, &Make<CheckBox>},
    {ControlKind::OptionButton, &Make<OptionButton>},
    {ControlKind::Grid, &Make<Grid>},
    {ControlKind::DriveListBox, &Make<DriveListBox>},
    {ControlKind::DirListBox, &Make<DirListBox>},
    {ControlKind::FileListBox, &Make<FileListBox>},
    {ControlKind::PrintPreview, &Make<PrintPreview>},
    {ControlKind::MonthView, &Make<MonthView>},
    {ControlKind::Timer, &Make<Timer>},
};
// clang-format on

Maker MakerFor(ControlKind kind) {
    for (const KindRow& row : Kinds)
        if (row.kind == kind) return row.make;
    return nullptr;
}

}  // namespace

namespace detail {

void Refuse(const Form& form, const ControlRow& row, const std::string& why) {
    throw std::logic_error(form.name() + "." + row.name + ": " + why);
}

Control& Built(const Form& form, const ControlRow& row) {
    Control* control = form.findControl(row.name, row.index);
    if (!control) Refuse(form, row, "not built");
    if (control->kind() != row.kind) Refuse(form, row, "built as another kind of control");
    return *control;
}

}  // namespace detail

Control& Add(Form& form, const ControlRow& row) {
    const Maker make = MakerFor(row.kind);
    if (!make) detail::Refuse(form, row, "no such kind of control");
    Control* container = nullptr;
    if (row.parent) {
        container = form.findControl(row.parent, row.parentIndex);
        if (!container) detail::Refuse(form, row, std::string("container ") + row.parent + " not built yet");
    }
    Control& control = make(form, row.name, row.index, container);
    control.applyDesign(row);
    return control;
}

Menu& Add(Form& form, const MenuRow& row) {
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
    return *menu;
}

void Build(Form& form, std::span<const ControlRow> controls, std::span<const MenuRow> menus) {
    for (const ControlRow& row : controls) Add(form, row);
    for (const MenuRow& row : menus) Add(form, row);
}

}  // namespace ui::design
