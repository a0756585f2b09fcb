#include "platform/ui/form.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace ui {

namespace {
std::atomic<long> nextHandle{0x1000};

int Scaled(int value, double ratio) { return static_cast<int>(std::lround(value * ratio)); }
}  // namespace

Form::Form(FormHost& host, std::string name)
    : host_(host), name_(std::move(name)), handle_(nextHandle.fetch_add(4)), caption_(name_) {}

Form::~Form() { host_.forget(*this); }

Menu& Form::addMenu(std::string name, std::string caption, int index) {
    menus_.push_back(std::make_unique<Menu>(*this, std::move(name), std::move(caption), index, nullptr));
    // The first menu brings the menu bar, and less room below it.
    dockBars();
    return *menus_.back();
}

Control* Form::findControl(const std::string& name, int index) const {
    for (const auto& c : controls_)
        if (c->name() == name && c->index() == index) return c.get();
    return nullptr;
}

Menu* Form::findMenu(const std::string& name, int index) const {
    for (const auto& m : menus_) {
        if (m->name() == name && m->index() == index) return m.get();
        if (Menu* found = m->find(name, index)) return found;
    }
    return nullptr;
}

Menu& Form::menu(const std::string& name, int index) const {
    if (Menu* found = findMenu(name, index)) return *found;
    throw std::logic_error(name_ + " has no menu " + name);
}

bool Form::hasMenuBar() const {
    return std::any_of(menus_.begin(), menus_.end(), [](const auto& m) { return m->Visible(); });
}

void Form::setCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    if (observer_) observer_->formChanged(*this, Property::Caption);
}

void Form::Move(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    const bool resized = width != width_ || height != height_;
    if (!resized && left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (state_ == WindowState::Normal) {
        normalLeft_ = left;
        normalTop_ = top;
        normalWidth_ = width;
        normalHeight_ = height;
    }
    if (observer_) observer_->formChanged(*this, Property::Geometry);
    if (resized) raiseResize();
}

int Form::ScaleWidth() const {
    const FrameMetrics frame = host_.frameMetrics();
    const int borders = border_ == BorderStyle::None ? 0 : frame.left + frame.right;
    return std::max(0, width_ - borders);
}

int Form::ScaleHeight() const {
    const FrameMetrics frame = host_.frameMetrics();
    int chrome = border_ == BorderStyle::None ? 0 : frame.top + frame.bottom;
    if (hasMenuBar()) chrome += frame.menuBar;
    return std::max(0, height_ - chrome);
}

void Form::setWindowState(WindowState s) {
    if (s == state_) return;
    state_ = s;
    if (s == WindowState::Maximized) {
        const TextExtent size = host_.maximizedSize(*this);
        left_ = 0;
        top_ = 0;
        width_ = size.width;
        height_ = size.height;
    } else if (s == WindowState::Normal) {
        left_ = normalLeft_;
        top_ = normalTop_;
        width_ = normalWidth_;
        height_ = normalHeight_;
    }
    if (observer_) observer_->formChanged(*this, Property::WindowState);
    raiseResize();
}

void Form::stateFromWindow(WindowState s) {
    if (s == state_) return;
    setWindowState(s);
}

void Form::sizeFromWindow(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (state_ == WindowState::Normal) {
        normalWidth_ = width;
        normalHeight_ = height;
    }
    raiseResize();
}

void Form::positionFromWindow(int left, int top) {
    left_ = left;
    top_ = top;
    if (state_ == WindowState::Normal) {
        normalLeft_ = left;
        normalTop_ = top;
    }
}

void Form::setBackColor(OleColor v) {
    if (v == backColor_) return;
    backColor_ = v;
    if (observer_) observer_->formChanged(*this, Property::BackColor);
}

void Form::setVisibleFlag(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (observer_) observer_->formChanged(*this, Property::Visible);
}

void Form::setElasticResize(bool on) {
    if (on && !elastic_) captureDesign();
    elastic_ = on;
}

void Form::captureDesign() {
    designScaleWidth_ = ScaleWidth();
    designScaleHeight_ = ScaleHeight();
    design_.clear();
    for (const auto& c : controls_)
        design_.push_back({c.get(), c->Left(), c->Top(), c->Width(), c->Height(), c->font().size});
}

void Form::applyElastic() {
    if (designScaleWidth_ <= 0 || designScaleHeight_ <= 0) return;
    const double rx = static_cast<double>(ScaleWidth()) / designScaleWidth_;
    const double ry = static_cast<double>(ScaleHeight()) / designScaleHeight_;
    if (rx <= 0 || ry <= 0) return;
    const double fontRatio = std::min(rx, ry);
    for (const auto& d : design_) {
        d.control->Move(Scaled(d.left, rx), Scaled(d.top, ry), Scaled(d.width, rx), Scaled(d.height, ry));
        Font f = d.control->font();
        f.size = std::round(d.fontSize * fontRatio * 4) / 4;
        d.control->setFont(f);
    }
}

void Form::raiseResize() {
    if (loaded_ && elastic_ && state_ != WindowState::Minimized) applyElastic();
    // Docked bars follow the inside's new size even before the form loads.
    dockBars();
    if (loaded_ && onResize) host_.raise({this, nullptr, nullptr, "Resize"}, onResize);
}

void Form::notifyControl(Control& c, Property what) {
    if (observer_) observer_->controlChanged(c, what);
    // A bar that moved, docked, undocked, showed or hid makes room for the others.
    if (!c.container() && (what == Property::Geometry || what == Property::Visible)) dockBars();
}

void Form::notifyMenu(Menu& m) {
    if (observer_) observer_->menuChanged(m);
    // The menu bar may have come or gone, and with it room at the top.
    if (!m.parent()) dockBars();
}

// Top bars lie across the whole width, one below the other in the order they
// were added; bottom bars (the status bar) likewise up from the bottom; left
// and right bars stand in the height between them.
void Form::dockBars() {
    if (docking_) return;
    docking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{docking_};
    const int width = ScaleWidth();
    int top = 0;
    int bottom = ScaleHeight();
    std::vector<Control*> sides;
    for (const auto& c : controls_) {
        if (c->container() || !c->Visible()) continue;
        switch (c->docking()) {
            case Align::Top:
                c->Move(0, top, width, c->Height());
                top += c->Height();
                break;
            case Align::Bottom:
                bottom -= c->Height();
                c->Move(0, bottom, width, c->Height());
                break;
            case Align::Left:
            case Align::Right: sides.push_back(c.get()); break;
            case Align::None: break;
        }
    }
    const int between = std::max(0, bottom - top);
    int left = 0;
    int right = width;
    for (Control* c : sides) {
        if (c->docking() == Align::Left) {
            c->Move(left, top, c->Width(), between);
            left += c->Width();
        } else {
            right -= c->Width();
            c->Move(right, top, c->Width(), between);
        }
    }
}

void Form::Show() { host_.show(*this); }
void Form::ShowModal() { host_.showModal(*this); }
void Form::Hide() { host_.hide(*this); }
bool Form::Unload() { return host_.unload(*this, UnloadMode::Code); }
void Form::SetFocus() { host_.setFocus(*this); }
void Form::PopupMenu(Menu& menu) { host_.popupMenu(*this, menu); }

}  // namespace ui
