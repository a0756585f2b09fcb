#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/property.h"

namespace ui {

namespace design {
struct ControlRow;
}

enum class ControlKind {
    Label,
    CommandButton,
    Panel,
    Frame,
    Image,
    TextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    Shape,
    Timer,
    Toolbar,
    StatusBar,
    ProgressBar,
    Grid,
    DriveListBox,
    DirListBox,
    FileListBox,
    PrintPreview,
    MonthView,
};

// Which edge of the form's inside a bar keeps to; None leaves it where it is put.
enum class Align { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

// One control of a form. Geometry is in twips, relative to its container
// (the form's client area, or the panel or frame that holds it).
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // Position in its control array, or -1 for a control that is not in one.
    int index() const { return index_; }
    Form& form() const { return form_; }
    Control* container() const { return container_; }
    const std::vector<Control*>& children() const { return children_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { Move(v, top_, width_, height_); }
    void setTop(int v) { Move(left_, v, width_, height_); }
    void setWidth(int v) { Move(left_, top_, v, height_); }
    void setHeight(int v) { Move(left_, top_, width_, v); }
    void Move(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Shown and usable: itself and every container visible and enabled.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);

    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor v);
    const Font& font() const { return font_; }
    void setFont(const Font& v);

    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int v) { tabIndex_ = v; }
    // Whether Tab stops at the control; a click still gives it the focus.
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v) {
        if (v == tabStop_) return;
        tabStop_ = v;
        changed(Property::Style);
    }
    // What a screen reader calls the control; when empty, its caption as it
    // shows, else its tooltip.
    const std::string& AccessibleName() const { return accessibleName_; }
    void setAccessibleName(const std::string& v) {
        accessibleName_ = v;
        changed(Property::Style);
    }
    const std::string& ToolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& v) {
        toolTip_ = v;
        changed(Property::Style);
    }

    // Whether the control can hold the keyboard focus at all.
    virtual bool canHoldFocus() const { return false; }
    // The edge a bar lying on the form itself keeps to; the form gives it
    // its place there (Form::dockBars).
    virtual Align docking() const { return Align::None; }
    // Whether the control takes Enter or Esc (keys::Return, keys::Escape)
    // itself now (a grid editing a cell), so that it presses no default or
    // cancel button.
    virtual bool takesKey(int /*keyCode*/) const { return false; }
    // Gives the control the focus, as a program does; refused when it can't take it.
    void SetFocus();

    // Takes what a window's design row says: place, caption, font, colours,
    // tab order, screen reader name, hidden and disabled. A kind with settings
    // of its own overrides this, calling it for the common ones.
    virtual void applyDesign(const design::ControlRow& row);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

protected:
    void changed(Property what);
    // The caption or the font changed: what it takes to show them may have too.
    virtual void textChanged() {}
    // A control that decides its own size (an AutoSize label) adjusts the size asked for.
    virtual void adjustSize(int& /*width*/, int& /*height*/) const {}
    // Runs one of the control's event handlers through the form's host.
    // False when the handler failed.
    bool raise(std::string_view event, const std::function<void()>& handler);
    // Shown and usable: the user can reach it.
    bool usable() const { return effectivelyVisible() && effectivelyEnabled(); }
    // A press or choice by the user gives the control the focus first, whose
    // handler may disable or hide it and so cancel the press. False when the
    // control is not usable, before or after.
    bool focusByUser();

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_;
    std::vector<Control*> children_;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    OleColor backColor_ = colors::ButtonFace;
    OleColor foreColor_ = colors::ButtonText;
    Font font_;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    std::string toolTip_;
    std::string accessibleName_;
};

}  // namespace ui
