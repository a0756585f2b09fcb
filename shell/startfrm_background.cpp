// The start window's part of the program-wide background: reading it at
// start-up, and the user's choice of a colour or the default colour.
#include "platform/basic/text.h"
#include "shell/form_background.h"
#include "shell/hinfo1.h"
#include "shell/settings_files.h"
#include "shell/startfrm.h"

namespace shell {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;

namespace {
constexpr ui::OleColor EmptyBackground = ui::colors::PureBlue;

basic::Variant ColorVariant(ui::OleColor color) { return basic::Variant(static_cast<std::int32_t>(color)); }
}  // namespace

void Startfrm::ApplyStartBackground() {
    auto& background = app_.vars.MainBackground;
    // A record that cannot be read leaves the value empty: the colour of an empty setting.
    background = settings::ReadVariant(app_.folder(), settings::BackgroundSettingRecord).value_or(basic::Variant());
    if (background.isEmpty() || (background.isString() && background.toText().empty())) {
        background = ColorVariant(EmptyBackground);
    } else if (background.isString() && basic::RTrim(background.toText()) == "Def") {
        background = ColorVariant(Label1->BackColor());
    }
    // A picture value is no colour: the window keeps the colour it has.
    if (auto color = ColorValueOf(background)) setBackColor(*color);
}

void Startfrm::SaveBackgroundSetting() {
    if (BackgroundIsDefault == 1) app_.vars.MainBackground = basic::Variant("Def");
    // A background that cannot be stored still shows until the program ends.
    static_cast<void>(
        settings::WriteVariant(app_.folder(), settings::BackgroundSettingRecord, app_.vars.MainBackground));
}

void Startfrm::mOBC_Click() {
    auto& vars = app_.vars;
    vars.MessageAnswer = app_.dialogs().MessageBox(
        {"Background Color",
         "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\r"
         "No = Current System Default Color will be selected.",
         platform::MsgIcon::Information, platform::MsgButtons::YesNoCancel, 1});
    if (vars.MessageAnswer == Cancel) {
        vars.MessageAnswer = 0;
    } else if (vars.MessageAnswer == Yes) {
        const auto chosen = app_.dialogs().ChooseColor(BackColor());
        if (!chosen) return;  // cancelled: nothing changes
        vars.MainBackground = ColorVariant(*chosen);
        setBackColor(*chosen);
        BackgroundIsDefault = 0;
        SaveBackgroundSetting();
    } else if (vars.MessageAnswer == No) {
        vars.MainBackground = ColorVariant(Label1->BackColor());
        setBackColor(Label1->BackColor());
        BackgroundIsDefault = 1;
        SaveBackgroundSetting();
        vars.MainBackground = ColorVariant(Label1->BackColor());
        BackgroundIsDefault = 0;
    }
}

}  // namespace shell
