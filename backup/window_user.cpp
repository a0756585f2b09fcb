#include "backup/window_user.h"

#include <algorithm>
#include <limits>

#include "backup/backup1.h"
#include "shell/application.h"
#include "shell/hinfo1.h"

namespace backup {

namespace {

using platform::MsgButtons;
using platform::MsgIcon;

MsgIcon IconOf(Icon icon) {
    switch (icon) {
    case Icon::Question: return MsgIcon::Question;
    case Icon::Critical: return MsgIcon::Critical;
    case Icon::Information: break;
    }
    return MsgIcon::Information;
}

MsgButtons ButtonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel: return MsgButtons::OKCancel;
    case Buttons::YesNoCancel: return MsgButtons::YesNoCancel;
    case Buttons::Ok: break;
    }
    return MsgButtons::OK;
}

// The preselected button, counted from the left as the message box counts.
int DefaultButtonOf(const Prompt& prompt) {
    switch (prompt.preselected) {
    case Answer::Cancel: return prompt.buttons == Buttons::YesNoCancel ? 3 : 2;
    case Answer::No: return 2;
    case Answer::Ok:
    case Answer::Yes: break;
    }
    return 1;
}

// Closing a box without a choice counts as its Cancel, or as OK where
// there is none.
Answer AnswerOf(int answer, Buttons buttons) {
    switch (answer) {
    case platform::answer::OK: return Answer::Ok;
    case platform::answer::Yes: return Answer::Yes;
    case platform::answer::No: return Answer::No;
    default: break;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

int Clamped(long value) {
    return static_cast<int>(std::clamp<long>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

Answer WindowUser::Ask(const Prompt& prompt) {
    shell::EndWait(app_);
    const int answer =
        app_.dialogs().MessageBox({prompt.title, prompt.text, IconOf(prompt.icon), ButtonsOf(prompt.buttons),
                                   DefaultButtonOf(prompt)});
    shell::BeginWait(app_);
    return AnswerOf(answer, prompt.buttons);
}

void WindowUser::Status(std::string_view text) {
    window_.SSPanel2->setCaption(std::string(text));
    if (!text.empty()) window_.SSPanel2->setVisible(true);
    app_.runtime().doEvents();
}

void WindowUser::Progress(long value, long maximum) {
    ui::ProgressBar& bar = *window_.ProgressBar1;
    if (maximum <= 0) {
        bar.setVisible(false);
        return;
    }
    bar.setRange(0, Clamped(maximum));
    bar.setValue(Clamped(value));
    bar.setVisible(true);
    app_.runtime().doEvents();
}

}  // namespace backup
