#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "platform/basic/calendar_date.h"
#include "platform/ui/keys.h"
#include "shell/tests/program_fixture.h"
#include "shopping/shoplist.h"

namespace shopping::testing {

// The program on a scripted desktop, on 8 December 2004, with the shopping
// list window one menu away.
class ShoplistFixture : public shell::testing::ProgramTest {
protected:
    ShoplistFixture() {
        const basic::CalendarDate today{2004, 12, 8};
        desktop.clock.setNow(std::chrono::days(today.serial()) + std::chrono::hours(10));
        RegisterShoppingList(app());
    }

    // The start window (started once), then the list window by its menu.
    Shoplist& open() {
        shell::Startfrm& start = app().loadedWindow<shell::Startfrm>() ? this->start() : startProgram();
        chooseMenu(start, "mRS");
        Shoplist* window = app().loadedWindow<Shoplist>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }

    void type(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        box.userEdited(text);
    }
    void pressKey(Shoplist& w, int keyCode) {
        if (runtime().userKeyDown(w, keyCode, 0)) return;
        runtime().userKeyPress(w, keyCode);
        runtime().userKeyUp(w, keyCode, 0);
    }
    // Types an item and adds it with "Add to Item Grid".
    void addItem(Shoplist& w, const std::string& item) {
        type(*w.Text1[Shoplist::ItemBox], item);
        runtime().userClick(*w.Command1[Shoplist::AddItemButton]);
    }
    // Chooses a row's amount cell and enters the amount by Enter in the amount box.
    void enterAmount(Shoplist& w, int row, const std::string& amount) {
        w.Grid1->userChoseCell(row, 1);
        type(*w.Text1[Shoplist::AmountBox], amount);
        pressKey(w, ui::keys::Return);
    }
    std::vector<std::string> items(const Shoplist& w) const {
        std::vector<std::string> shown;
        for (int r = 1; r < w.Grid1->Rows() && !w.Grid1->TextMatrix(r, 0).empty(); ++r)
            shown.push_back(w.Grid1->TextMatrix(r, 0));
        return shown;
    }
    // The bytes of a list file of quoted items, each on a line of its own.
    static std::string quotedLines(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += "\"" + line + "\"\r\n";
        return bytes;
    }
};

}  // namespace shopping::testing
