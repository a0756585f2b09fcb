#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;

// A menu or menu item. A caption of "-" makes a separator line. A menu with
// items opens them; its onClick runs when it is opened.
class Menu {
public:
    Menu(Form& form, std::string name, std::string caption, int index, Menu* parent);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    Form& form() const { return form_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Menu* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Menu>>& items() const { return items_; }
    bool isSeparator() const { return caption_ == "-"; }

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    bool Checked() const { return checked_; }
    void setChecked(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);

    Menu& add(std::string name, std::string caption, int index = -1);
    Menu& addSeparator(std::string name = "");
    // The item of this name (and index) anywhere below this menu.
    Menu* find(const std::string& name, int index = -1);

    std::function<void()> onClick;

private:
    void changed();

    Form& form_;
    std::string name_;
    std::string caption_;
    int index_;
    Menu* parent_;
    std::vector<std::unique_ptr<Menu>> items_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace ui
