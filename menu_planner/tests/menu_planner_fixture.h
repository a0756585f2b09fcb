#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "menu_planner/menu_planner_window.h"
#include "platform/basic/calendar_date.h"
#include "platform/ui/keys.h"
#include "shell/tests/program_fixture.h"

namespace menu_planner::testing {

// The program on a scripted desktop, at 10 in the morning of a day the test
// chooses, with the menu planner one menu away.
class MenuPlannerFixture : public shell::testing::ProgramTest {
protected:
    MenuPlannerFixture() {
        setToday({2004, 3, 5});
        RegisterMenuPlanner(app());
    }

    void setToday(const basic::CalendarDate& today, int hour = 10, int minute = 0) {
        desktop.clock.setNow(std::chrono::days(today.serial()) + std::chrono::hours(hour) +
                             std::chrono::minutes(minute));
    }

    // The start window (started once), then the planner by its menu.
    Zcalandar& open() {
        shell::Startfrm& start = app().loadedWindow<shell::Startfrm>() ? this->start() : startProgram();
        chooseMenu(start, "mRMenu");
        Zcalandar* window = app().loadedWindow<Zcalandar>();
        EXPECT_NE(window, nullptr);
        runtime().userActivated(*window);
        return *window;
    }

    void type(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        // The last key, as the front end hands it before the box changes.
        runtime().userKeyPress(box.form(), text.empty() ? ui::keys::Backspace : text.back());
        box.userEdited(text);
    }
    void pressKey(Zcalandar& w, int keyCode) {
        if (runtime().userKeyDown(w, keyCode, 0)) return;
        runtime().userKeyPress(w, keyCode);
        runtime().userKeyUp(w, keyCode, 0);
    }
    ui::TextBox& box(Zcalandar& w, int index) { return *w.Text1[static_cast<std::size_t>(index)]; }

    // The bytes of a list file of quoted items, each on a line of its own.
    static std::string quotedLines(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += "\"" + line + "\"\r\n";
        return bytes;
    }
    // A day's entry as the year file holds it: blank-padded to 32 bytes.
    static std::string entryBytes(const std::string& text) { return text + std::string(32 - text.size(), ' '); }
};

}  // namespace menu_planner::testing
