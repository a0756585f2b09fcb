#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "platform/ui/controls.h"
#include "platform/ui/design_row.h"
#include "platform/ui/design_style.h"
#include "platform/ui/form.h"

// A window's controls and menus written down as tables, the way a form
// designer keeps them, and built in one call. The rules:
//
// - Each control or menu item is one row, and a row names the member it
//   fills once: UI_MEMBER(Importfrm, Text2). Building the form points the
//   member at what the row made; there are no Bind lines. The control's kind
//   comes from the member's type (a ui::TextBox* member makes a text box).
// - A member that is a std::array of pointers is a control array: each of
//   its rows gives its .index. A menu item array whose indexes begin above
//   0 says so: UI_MEMBER(Form5, mOCB1).from(1).
// - A row may name its handlers, as member functions of the same class:
//   {.click = &Startfrm::mOPF_Click}. A control array's handlers take the
//   index first: void SSCommand1_Click(int index). Handlers are bound after
//   the row's settings, so a setting made in the design (a Checked option)
//   runs none. The form's own events and anything that does not fit these
//   shapes are wired in code.
// - Fonts and colours come from ui::design::style (LabelFont, BoxFont,
//   Navy ...); a window spells out only those that are its alone, saying why.
// - Each control kind applies its own settings from the row
//   (Control::applyDesign); a new setting is a field of ControlRow and a line
//   in the kind that has it, never a switch on the kind here.
// - A row naming a container built after it (or not at all) is a fault of
//   the design: building throws std::logic_error.
//
// The rows of a window's own class or of a panel that owns its controls are
// both Row<Owner>; Build(form, owner, rows, menus) builds and binds them. A
// design built on a form apart from the struct that holds its members builds
// with BuildUnbound and binds with BindBuilt. Every window's design names its
// members in its rows; plain ControlRows, built with Build(form, rows) and
// looked up with Bind(form, member, name), stay for tests that lay out a
// few controls on a bare form or reach one that no member holds.
namespace ui::design {

// Adds one control or menu item to the form, as its row says. A row naming
// a container that is not built yet, or a kind without a model, is a fault
// of the design and throws std::logic_error.
Control& Add(Form& form, const ControlRow& row);
Menu& Add(Form& form, const MenuRow& row);

// A member of a window or panel and its name, written once with UI_MEMBER.
template <class C, class M>
struct Member {
    M C::*pointer;
    const char* name;
    int first = 0;  // the index of a menu item array's first item
    constexpr Member from(int firstIndex) const { return {pointer, name, firstIndex}; }
};
template <class C, class M>
Member(M C::*, const char*) -> Member<C, M>;

#define UI_MEMBER(Owner, member) (::ui::design::Member{&Owner::member, #member})

// The kind of control a member's type stands for.
template <class T>
struct KindOf;
// clang-format off
template <> struct KindOf<Label> { static constexpr ControlKind value = ControlKind::Label; };
template <> struct KindOf<CommandButton> { static constexpr ControlKind value = ControlKind::CommandButton; };
template <> struct KindOf<Panel> { static constexpr ControlKind value = ControlKind::Panel; };
template <> struct KindOf<Frame> { static constexpr ControlKind value = ControlKind::Frame; };
template <> struct KindOf<Image> { static constexpr ControlKind value = ControlKind::Image; };
template <> struct KindOf<TextBox> { static constexpr ControlKind value = ControlKind::TextBox; };
template <> struct KindOf<ComboBox> { static constexpr ControlKind value = ControlKind::ComboBox; };
template <> struct KindOf<ListBox> { static constexpr ControlKind value = ControlKind::ListBox; };
template <> struct KindOf<Toolbar> { static constexpr ControlKind value = ControlKind::Toolbar; };
template <> struct KindOf<StatusBar> { static constexpr ControlKind value = ControlKind::StatusBar; };
template <> struct KindOf<ProgressBar> { static constexpr ControlKind value = ControlKind::ProgressBar; };
template <> struct KindOf<CheckBox> { static constexpr ControlKind value = ControlKind::CheckBox; };
template <> struct KindOf<OptionButton> { static constexpr ControlKind value = ControlKind::OptionButton; };
template <> struct KindOf<Grid> { static constexpr ControlKind value = ControlKind::Grid; };
template <> struct KindOf<DriveListBox> { static constexpr ControlKind value = ControlKind::DriveListBox; };
template <> struct KindOf<DirListBox> { static constexpr ControlKind value = ControlKind::DirListBox; };
template <> struct KindOf<FileListBox> { static constexpr ControlKind value = ControlKind::FileListBox; };
template <> struct KindOf<PrintPreview> { static constexpr ControlKind value = ControlKind::PrintPreview; };
template <> struct KindOf<MonthView> { static constexpr ControlKind value = ControlKind::MonthView; };
template <> struct KindOf<Timer> { static constexpr ControlKind value = ControlKind::Timer; };
// clang-format on

// A handler of Owner's for one event: a member function taking the event's
// arguments, or, for a control array, the index and then the arguments.
template <class Owner, class... Args>
class Handler {
public:
    Handler() = default;
    template <class C>
    requires std::is_base_of_v<C, Owner> Handler(void (C::*f)(Args...)) : plain_(f) {}
    template <class C>
    requires std::is_base_of_v<C, Owner> Handler(void (C::*f)(int, Args...)) : indexed_(f) {}

    explicit operator bool() const { return plain_ || indexed_; }
    // The handler as the control calls it, for the control at index.
    std::function<void(Args...)> bind(Owner& owner, int index) const {
        if (plain_) return [&owner, f = plain_](Args... args) { (owner.*f)(args...); };
        if (indexed_) return [&owner, f = indexed_, index](Args... args) { (owner.*f)(index, args...); };
        return {};
    }

private:
    void (Owner::*plain_)(Args...) = nullptr;
    void (Owner::*indexed_)(int, Args...) = nullptr;
};

// The events a control row may bind. Change is for the kinds that have it
// (boxes, lists, drive and folder lists).
template <class Owner>
struct Events {
    Handler<Owner> click{};
    Handler<Owner> dblClick{};
    Handler<Owner> change{};
    Handler<Owner> gotFocus{};
    Handler<Owner> lostFocus{};
    Handler<Owner, int&, int> keyDown{};
    Handler<Owner, int&> keyPress{};
};

namespace detail {
[[noreturn]] void Refuse(const Form& form, const ControlRow& row, const std::string& why);
// The control a row built, checked to be of the row's kind.
Control& Built(const Form& form, const ControlRow& row);

// The member a row fills: the pointer itself, or its place in the array.
template <class Owner, class T>
T*& Slot(Owner& owner, T* Owner::*member, const Form&, const ControlRow&) {
    return owner.*member;
}
template <class Owner, class T, std::size_t N>
T*& Slot(Owner& owner, std::array<T*, N> Owner::*member, const Form& form, const ControlRow& row, int first = 0) {
    const int at = row.index - first;
    if (at < 0 || at >= static_cast<int>(N)) Refuse(form, row, "index outside its member array");
    return (owner.*member)[static_cast<std::size_t>(at)];
}

template <class Owner, class T>
void BindEvents(Form& form, const ControlRow& row, T& control, Owner& owner, const Events<Owner>& on) {
    const int index = row.index;
    if (on.click) control.onClick = on.click.bind(owner, index);
    if (on.dblClick) control.onDblClick = on.dblClick.bind(owner, index);
    if (on.gotFocus) control.onGotFocus = on.gotFocus.bind(owner, index);
    if (on.lostFocus) control.onLostFocus = on.lostFocus.bind(owner, index);
    if (on.keyDown) control.onKeyDown = on.keyDown.bind(owner, index);
    if (on.keyPress) control.onKeyPress = on.keyPress.bind(owner, index);
    if constexpr (requires(T & t) { t.onChange; }) {
        if (on.change) control.onChange = on.change.bind(owner, index);
    } else {
        if (on.change) Refuse(form, row, "this kind has no Change event");
    }
}
}  // namespace detail

// One control row that fills a member of Owner (a window, or a panel that
// owns its controls) and may bind its events.
template <class Owner>
class Row {
public:
    // A control no member holds.
    Row(const ControlRow& row) : row_(row) {}
    template <class C, class T>
    requires std::is_base_of_v<C, Owner> && std::is_base_of_v<Control, T> Row(Member<C, T*> member, ControlRow row,
                                                                              Events<Owner> on = {})
        : row_(Named<T>(row, member.name)) {
        T* Owner::*pointer = member.pointer;
        bind_ = [pointer, on](Form& form, const ControlRow& r, Control& made, Owner& owner) {
            auto& control = static_cast<T&>(made);
            detail::Slot(owner, pointer, form, r) = &control;
            detail::BindEvents(form, r, control, owner, on);
        };
    }
    template <class C, class T, std::size_t N>
    requires std::is_base_of_v<C, Owner> && std::is_base_of_v<Control, T> Row(Member<C, std::array<T*, N>> member,
                                                                              ControlRow row, Events<Owner> on = {})
        : row_(Named<T>(row, member.name)) {
        std::array<T*, N> Owner::*pointer = member.pointer;
        bind_ = [pointer, on](Form& form, const ControlRow& r, Control& made, Owner& owner) {
            auto& control = static_cast<T&>(made);
            detail::Slot(owner, pointer, form, r) = &control;
            detail::BindEvents(form, r, control, owner, on);
        };
    }

    const ControlRow& row() const { return row_; }
    // Adds the control to the form and binds it.
    void build(Form& form, Owner& owner) const { bind(form, Add(form, row_), owner); }
    // Binds the control some other table built from this row.
    void bindBuilt(Form& form, Owner& owner) const { bind(form, detail::Built(form, row_), owner); }

private:
    template <class T>
    static ControlRow Named(ControlRow row, const char* name) {
        row.kind = KindOf<T>::value;
        row.name = name;
        return row;
    }
    void bind(Form& form, Control& made, Owner& owner) const {
        if (bind_) bind_(form, row_, made, owner);
    }

    ControlRow row_;
    std::function<void(Form&, const ControlRow&, Control&, Owner&)> bind_;
};

// One menu or menu item that fills a member of Owner and may name its Click.
template <class Owner>
class MenuItem {
public:
    // A separator, or an item no member holds.
    MenuItem(const MenuRow& row) : row_(row) {}
    template <class C>
    requires std::is_base_of_v<C, Owner> MenuItem(Member<C, Menu*> member, MenuRow row, Handler<Owner> click = {})
        : row_(Named(row, member.name)) {
        Menu* Owner::*pointer = member.pointer;
        bind_ = [pointer, click](Menu& made, Owner& owner) {
            owner.*pointer = &made;
            if (click) made.onClick = click.bind(owner, made.index());
        };
    }
    template <class C, std::size_t N>
    requires std::is_base_of_v<C, Owner> MenuItem(Member<C, std::array<Menu*, N>> member, MenuRow row,
                                                  Handler<Owner> click = {})
        : row_(Named(row, member.name)) {
        std::array<Menu*, N> Owner::*pointer = member.pointer;
        const int first = member.first;
        bind_ = [pointer, first, click](Menu& made, Owner& owner) {
            const int at = made.index() - first;
            if (at < 0 || at >= static_cast<int>(N))
                throw std::logic_error(made.name() + ": menu index outside its member array");
            (owner.*pointer)[static_cast<std::size_t>(at)] = &made;
            if (click) made.onClick = click.bind(owner, made.index());
        };
    }

    const MenuRow& row() const { return row_; }
    void build(Form& form, Owner& owner) const {
        Menu& made = Add(form, row_);
        if (bind_) bind_(made, owner);
    }
    // Binds the menu item some other table built from this row.
    void bindBuilt(const Form& form, Owner& owner) const {
        if (bind_) bind_(form.menu(row_.name, row_.index), owner);
    }

private:
    static MenuRow Named(MenuRow row, const char* name) {
        row.name = name;
        return row;
    }

    MenuRow row_;
    std::function<void(Menu&, Owner&)> bind_;
};

// Adds the controls and menus to the form, in the order of the rows.
void Build(Form& form, std::span<const ControlRow> controls, std::span<const MenuRow> menus = {});

// Adds the controls and menus of Owner's rows, in their order, and binds
// Owner's members and handlers to them.
template <class Owner>
void Build(Form& form, Owner& owner, std::type_identity_t<std::span<const Row<Owner>>> controls,
           std::type_identity_t<std::span<const MenuItem<Owner>>> menus = {}) {
    for (const Row<Owner>& row : controls) row.build(form, owner);
    for (const MenuItem<Owner>& item : menus) item.build(form, owner);
}

// Adds the controls and menus of Owner's rows, in their order, and binds
// nothing: BindBuilt binds them once the owner is at hand.
template <class Owner>
void BuildUnbound(Form& form, std::type_identity_t<std::span<const Row<Owner>>> controls,
                  std::type_identity_t<std::span<const MenuItem<Owner>>> menus = {}) {
    for (const Row<Owner>& row : controls) Add(form, row.row());
    for (const MenuItem<Owner>& item : menus) Add(form, item.row());
}

// Binds Owner's members and handlers to controls and menus that another
// table built from these rows (a panel whose rows a window lays out among
// its own), or that BuildUnbound built.
template <class Owner>
void BindBuilt(Form& form, Owner& owner, std::type_identity_t<std::span<const Row<Owner>>> controls,
               std::type_identity_t<std::span<const MenuItem<Owner>>> menus = {}) {
    for (const Row<Owner>& row : controls) row.bindBuilt(form, owner);
    for (const MenuItem<Owner>& item : menus) item.bindBuilt(form, owner);
}

// Points a member at what plain rows built, by the control's name.
template <class T>
void Bind(const Form& form, T*& member, const char* name, int index = -1) {
    member = &form.control<T>(name, index);
}
template <class T, std::size_t N>
void Bind(const Form& form, std::array<T*, N>& members, const char* name) {
    for (std::size_t i = 0; i < N; ++i) members[i] = &form.control<T>(name, static_cast<int>(i));
}
inline void Bind(const Form& form, Menu*& member, const char* name, int index = -1) {
    member = &form.menu(name, index);
}
// A menu item array whose indexes begin at first: members[i] is item first + i.
template <std::size_t N>
void Bind(const Form& form, std::array<Menu*, N>& members, const char* name, int first = 0) {
    for (std::size_t i = 0; i < N; ++i) members[i] = &form.menu(name, first + static_cast<int>(i));
}

}  // namespace ui::design
