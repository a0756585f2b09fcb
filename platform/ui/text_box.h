#pragma once
#include "platform/ui/control.h"

namespace ui {

// A box the user types text into: one line, or several with MultiLine.
class TextBox : public Control {
public:
    TextBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::TextBox, std::move(name), index, container) {
        setBackColor(colors::WindowBackground);
        setForeColor(colors::WindowText);
    }

    bool canHoldFocus() const override { return true; }
    // MultiLine, Locked and the length limit.
    void applyDesign(const design::ControlRow& row) override;

    const std::string& Text() const { return text_; }
    // Raises Change when the text differs.
    void setText(const std::string& v);
    // The most characters the user may type; 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int v) {
        maxLength_ = v < 0 ? 0 : v;
        changed(Property::Style);
    }
    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool v) {
        multiLine_ = v;
        changed(Property::Style);
    }
    // A locked box shows its text and lets it be selected, not changed.
    bool Locked() const { return locked_; }
    void setLocked(bool v) {
        locked_ = v;
        changed(Property::Style);
    }

    // The selected characters: where they start (0 before the first) and how
    // many; a length of 0 leaves only the caret there.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void setSelStart(int v);
    void setSelLength(int v);

    std::function<void()> onChange;

    // --- what the user does (front end or test driver)
    // The text as the user left it by typing, pasting or cutting; a disabled
    // or locked box keeps its own.
    void userEdited(const std::string& text);

private:
    void keepSelectionInText();

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool multiLine_ = false;
    bool locked_ = false;
};

}  // namespace ui
