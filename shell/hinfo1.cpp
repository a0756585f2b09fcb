#include "shell/hinfo1.h"

#include <algorithm>

#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/settings_files.h"

namespace shell {

using platform::answer::Yes;

void BeginWait(Application& app) { app.display().SetBusyPointer(true); }

void EndWait(Application& app) { app.display().SetBusyPointer(false); }

namespace {
// Returns once the clock's seconds have reached the second n on from the
// current one, or passed it: a clock that skips that second (a busy machine,
// or the clock set forward) still ends the wait. A clock set back ends it too,
// once n seconds have been slept.
void PauseSeconds(Application& app, int n) {
    using std::chrono::milliseconds;
    constexpr milliseconds Step(250);
    const auto start = app.clock().Now();
    const auto target = milliseconds((start.count() / 1000 + n) * 1000);
    const int targetSecond = platform::SecondsFieldOf(target);
    milliseconds slept(0);
    for (auto now = start; now < target && slept < milliseconds(n * 1000); now = app.clock().Now()) {
        if (now != start && platform::SecondsFieldOf(now) == targetSecond) return;
        const auto wait = std::min(target - now, Step);
        app.clock().Sleep(wait);
        slept += wait;
    }
}
}  // namespace

void PauseOneSecond(Application& app) { PauseSeconds(app, 1); }
void PauseTwoSeconds(Application& app) { PauseSeconds(app, 2); }

void ShowColorConflict(Application& app) {
    app.dialogs().MessageBox({"Color Conflict",
                              "Selected Color would cause a conflict with Text and Background Colors!",
                              platform::MsgIcon::Critical, platform::MsgButtons::OK, 1});
}

void AskFamilyName(Application& app) {
    auto& vars = app.vars;
    // A record that cannot be read proposes no name.
    vars.FamilyName = settings::ReadShownText(app.folder(), settings::FamilyNameRecord).value_or("");
    EndWait(app);

    std::string answer = app.dialogs().InputBox({"Family Name",
                                                 "Please Enter Family Name for use in the Various Program areas.\r"
                                                 "To Accept name,\r"
                                                 "click OK.\r"
                                                 "To Delete name,\r"
                                                 "click Cancel or press <Esc> key.",
                                                 vars.FamilyName,
                                                 {},
                                                 {}});
    if (!vars.FamilyName.empty() && answer.empty()) {
        vars.MessageAnswer = 0;
        const int reply = app.dialogs().MessageBox({"Family Name", "Delete Family Name - " + vars.FamilyName + "?",
                                                    platform::MsgIcon::Question, platform::MsgButtons::YesNo, 2});
        if (reply != Yes) answer = vars.FamilyName;
        vars.MessageAnswer = 0;
    }
    answer = basic::Left(answer, 15);
    // A name that cannot be stored is still used until the program ends.
    static_cast<void>(settings::WriteText(app.folder(), settings::FamilyNameRecord, answer));
    vars.FamilyName = answer;
}

}  // namespace shell
