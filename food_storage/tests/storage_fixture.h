#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "food_storage/storage_window.h"
#include "platform/basic/calendar_date.h"
#include "platform/ui/keys.h"
#include "shell/tests/program_fixture.h"

namespace food_storage::testing {

// The program on a scripted desktop, on 8 December 2004, with the food
// storage window one choice away.
class StorageFixture : public shell::testing::ProgramTest {
protected:
    StorageFixture() {
        const basic::CalendarDate today{2004, 12, 8};
        desktop.clock.setNow(std::chrono::days(today.serial()) + std::chrono::hours(10));
        RegisterFoodStorage(app());
    }

    shell::Startfrm& started() { return app().loadedWindow<shell::Startfrm>() ? start() : startProgram(); }

    // The start window's "&Emergency Storage".
    Form24& open() {
        chooseMenu(started(), "mREmerg");
        Form24* window = app().loadedWindow<Form24>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }

    // The kinds the start window does not offer share the window: opened as its choice would.
    Form24& open(StorageKind kind) {
        started();
        app().vars.StorageKind = static_cast<std::int16_t>(kind);
        app().window<Form24>().Show();
        Form24& window = app().window<Form24>();
        runtime().userActivated(window);
        return window;
    }

    void pressKey(Form24& w, int keyCode) {
        if (runtime().userKeyDown(w, keyCode, 0)) return;
        runtime().userKeyPress(w, keyCode);
        runtime().userKeyUp(w, keyCode, 0);
    }
    void typeInto(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        box.userEdited(text);
    }
    // A click on the cell, then the text typed into the input box and Enter.
    void enterCell(Form24& w, int row, int col, const std::string& text) {
        w.Grid1->userChoseCell(row, col);
        ASSERT_TRUE(w.state().InputArmed) << "row " << row << " col " << col;
        w.Text1->userEdited(text);
        pressKey(w, ui::keys::Return);
    }
    void enterFamily(Form24& w, const std::string& number) {
        typeInto(*w.Text2, number);
        pressKey(w, ui::keys::Return);
    }
    // The lines of a file of quoted items.
    std::vector<std::string> linesOf(const std::string& name) const {
        std::vector<std::string> lines;
        const std::string bytes = bytesOf(name);
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        return lines;
    }
};

}  // namespace food_storage::testing
