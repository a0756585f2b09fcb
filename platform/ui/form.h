#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form_host.h"
#include "platform/ui/menu.h"
#include "platform/ui/window_types.h"

namespace platform {
class Runtime;
}

namespace ui {

// A window of the program: design properties, controls, menus and events.
// The runtime loads, shows and unloads it; a front end renders it.
class Form {
public:
    Form(FormHost& host, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormHost& host() const { return host_; }
    const std::string& name() const { return name_; }
    long hWnd() const { return handle_; }

    // --- design: controls and menus belong to the form
    template <class T>
    T& add(std::string name, int index = -1, Control* container = nullptr) {
        auto control = std::make_unique<T>(*this, std::move(name), index, container);
        T& ref = *control;
        controls_.push_back(std::move(control));
        // A bar docks at once, before anything moves it.
        if (!container && ref.docking() != Align::None) dockBars();
        return ref;
    }
    Menu& addMenu(std::string name, std::string caption, int index = -1);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    const std::vector<std::unique_ptr<Menu>>& menus() const { return menus_; }
    Control* findControl(const std::string& name, int index = -1) const;
    Menu* findMenu(const std::string& name, int index = -1) const;
    // The control of this name and kind; a design fault (std::logic_error) when there is none.
    template <class T>
    T& control(const std::string& name, int index = -1) const {
        if (auto* found = dynamic_cast<T*>(findControl(name, index))) return *found;
        throw std::logic_error(name_ + " has no control " + name + " of that kind");
    }
    Menu& menu(const std::string& name, int index = -1) const;
    // Whether a menu bar is shown (some top-level menu is visible).
    bool hasMenuBar() const;

    // --- properties
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { Move(v, top_, width_, height_); }
    void setTop(int v) { Move(left_, v, width_, height_); }
    void setWidth(int v) { Move(left_, top_, v, height_); }
    void setHeight(int v) { Move(left_, top_, width_, v); }
    void Move(int left, int top, int width, int height);
    // The inside of the frame, below the menu bar, where the controls lie.
    int ScaleWidth() const;
    int ScaleHeight() const;

    WindowState windowState() const { return state_; }
    void setWindowState(WindowState s);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    const Font& font() const { return font_; }
    void setFont(const Font& v) { font_ = v; }
    bool Visible() const { return visible_; }
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v) { keyPreview_ = v; }
    BorderStyle borderStyle() const { return border_; }
    void setBorderStyle(BorderStyle b) { border_ = b; }
    bool MinButton() const { return minButton_; }
    void setMinButton(bool v) { minButton_ = v; }
    bool MaxButton() const { return maxButton_; }
    void setMaxButton(bool v) { maxButton_ = v; }
    bool ControlBox() const { return controlBox_; }
    void setControlBox(bool v) { controlBox_ = v; }
    int HelpContextID() const { return helpContextId_; }
    void setHelpContextID(int v) { helpContextId_ = v; }

    // Proportional resizing of every control and font with the window.
    bool elasticResize() const { return elastic_; }
    void setElasticResize(bool on);

    bool isLoaded() const { return loaded_; }
    // Loaded once and unloaded since: such a window is made afresh when next opened.
    bool wasUnloaded() const { return wasUnloaded_; }
    bool isModal() const { return modal_; }

    // --- methods a window's code calls
    void Show();
    void ShowModal();
    void Hide();
    bool Unload();
    void SetFocus();
    void PopupMenu(Menu& menu);

    // --- events
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onGotFocus;
    std::function<void()> onResize;
    std::function<void(bool& cancel, UnloadMode mode)> onQueryUnload;
    std::function<void(bool& cancel)> onUnload;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

    // --- for a front end that shows the form
    void setObserver(FormObserver* observer) { observer_ = observer; }
    FormObserver* observer() const { return observer_; }

private:
    // The runtime alone loads, shows and unloads forms and hands them what
    // the user did to their windows.
    friend class platform::Runtime;
    friend class Control;
    friend class Menu;

    void setLoaded(bool v) {
        if (loaded_ && !v) wasUnloaded_ = true;
        loaded_ = v;
    }
    void setVisibleFlag(bool v);
    void setModalFlag(bool v) { modal_ = v; }
    // A size, position or state the user gave the window.
    void sizeFromWindow(int width, int height);
    void positionFromWindow(int left, int top);
    void stateFromWindow(WindowState s);
    void raiseResize();

    void notifyControl(Control& c, Property what);
    void notifyMenu(Menu& m);
    // Gives each visible bar docked to an edge its place along that edge.
    void dockBars();
    void applyElastic();
    void captureDesign();

    FormHost& host_;
    std::string name_;
    long handle_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Menu>> menus_;
    FormObserver* observer_ = nullptr;

    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 6000, height_ = 4500;
    int normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 6000, normalHeight_ = 4500;
    WindowState state_ = WindowState::Normal;
    OleColor backColor_ = colors::ButtonFace;
    Font font_;
    bool visible_ = false;
    bool keyPreview_ = false;
    BorderStyle border_ = BorderStyle::Sizable;
    bool minButton_ = true;
    bool maxButton_ = true;
    bool controlBox_ = true;
    int helpContextId_ = 0;
    bool loaded_ = false;
    bool wasUnloaded_ = false;
    bool modal_ = false;
    bool docking_ = false;

    struct DesignGeometry {
        Control* control;
        int left, top, width, height;
        double fontSize;
    };
    bool elastic_ = false;
    int designScaleWidth_ = 0, designScaleHeight_ = 0;
    std::vector<DesignGeometry> design_;
};

}  // namespace ui
