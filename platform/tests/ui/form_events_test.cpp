#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/tests/ui/sample_form.h"
#include "platform/ui/keys.h"

namespace ui::testing {
namespace {

using Log = std::vector<std::string>;

class FormEventsTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
};

TEST_F(FormEventsTest, ShowLoadsThenActivatesOnce) {
    SampleForm form(rt);
    form.Show();
    form.Show();
    EXPECT_EQ(form.log, (Log{"Load", "Activate"}));
    EXPECT_EQ(rt.activeForm(), &form);
}

TEST_F(FormEventsTest, FocusComesBeforeTheClick) {
    SampleForm form(rt);
    form.Show();
    form.log.clear();
    rt.userClick(*form.ok);
    rt.userClick(*form.cancel);
    EXPECT_EQ(form.log, (Log{"OK.GotFocus", "OK.Click", "OK.LostFocus", "Cancel.GotFocus", "Cancel.Click"}));
}

TEST_F(FormEventsTest, AFocusHandlerThatDisablesTheButtonCancelsTheClick) {
    SampleForm form(rt);
    form.Show();
    form.ok->onGotFocus = [&] { form.ok->setEnabled(false); };
    form.log.clear();
    rt.userClick(*form.ok);
    EXPECT_EQ(form.log, Log{});
}

TEST_F(FormEventsTest, ADisabledContainerDisablesItsControls) {
    SampleForm form(rt);
    form.Show();
    form.panel->setEnabled(false);
    form.log.clear();
    rt.userClick(*form.inner);
    form.inner->SetFocus();
    EXPECT_EQ(form.log, Log{});
    EXPECT_NE(rt.focusedControl(), form.inner);
}

TEST_F(FormEventsTest, FocusGivenToAPanelGoesToItsFirstControlInTabOrder) {
    SampleForm form(rt);
    auto& second = form.add<CommandButton>("Second", -1, form.panel);
    auto& nested = form.add<Frame>("Frame1", -1, form.panel);
    auto& deep = form.add<CommandButton>("Deep", -1, &nested);
    form.Show();
    form.ok->SetFocus();
    form.inner->setTabIndex(30);
    second.setTabIndex(20);
    deep.setTabIndex(10);
    deep.setVisible(false);  // a hidden control takes nothing
    form.panel->SetFocus();
    EXPECT_EQ(rt.focusedControl(), &second);
    deep.setVisible(true);
    form.panel->SetFocus();
    EXPECT_EQ(rt.focusedControl(), &deep) << "also from within a frame on the panel";

    form.ok->SetFocus();
    form.panel->setVisible(false);
    form.panel->SetFocus();
    EXPECT_EQ(rt.focusedControl(), form.ok) << "a hidden panel hands nothing on";
    form.caption->SetFocus();
    EXPECT_EQ(rt.focusedControl(), form.ok) << "a label holds no controls";
}

TEST_F(FormEventsTest, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
    SampleForm form(rt);
    form.Show();
    form.setKeyPreview(true);
    form.onKeyDown = [&](int& key, int) {
        form.log.push_back("Form.KeyDown " + std::to_string(key));
        if (key == keys::F9) key = 0;
    };
    form.ok->onKeyDown = [&](int& key, int) { form.log.push_back("OK.KeyDown " + std::to_string(key)); };
    form.ok->SetFocus();
    form.log.clear();
    EXPECT_TRUE(rt.userKeyDown(form, keys::F9, 0));
    EXPECT_FALSE(rt.userKeyDown(form, keys::F1, 0));
    EXPECT_EQ(form.log, (Log{"Form.KeyDown 120", "Form.KeyDown 112", "OK.KeyDown 112"}));
}

TEST_F(FormEventsTest, F1OpensTheWindowsHelpTopicUnlessAHandlerTookIt) {
    SampleForm form(rt);
    form.Show();
    EXPECT_FALSE(rt.userKeyDown(form, keys::F1, 0));  // no help file yet
    rt.setHelpFile("Pantrivo.hlp");
    EXPECT_FALSE(rt.userKeyDown(form, keys::F1, 0));  // no topic for this window
    form.setHelpContextID(3030);
    EXPECT_TRUE(rt.userKeyDown(form, keys::F1, 0));
    form.setKeyPreview(true);
    form.onKeyDown = [](int& key, int) {
        if (key == keys::F1) key = 0;
    };
    EXPECT_TRUE(rt.userKeyDown(form, keys::F1, 0));
    const auto& requests = desk.desktop.help.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].file, "Pantrivo.hlp");
    EXPECT_EQ(requests[0].command, platform::HelpCommand::Topic);
    EXPECT_EQ(requests[0].topic, 3030);
}

TEST_F(FormEventsTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    SampleForm form(rt);
    form.Show();
    form.inner->SetFocus();
    form.log.clear();
    EXPECT_TRUE(rt.userKeyDown(form, keys::Escape, 0));
    EXPECT_EQ(form.log.back(), "Cancel.Click");
    rt.setFocus(form);  // the first control in tab order takes it
    form.caption->onClick = nullptr;
    EXPECT_TRUE(rt.userKeyDown(form, keys::Return, 0));
    EXPECT_EQ(form.log.back(), "OK.Click");
    form.cancel->setVisible(false);
    form.log.clear();
    EXPECT_FALSE(rt.userKeyDown(form, keys::Escape, 0));
    EXPECT_EQ(form.log, Log{});
}

TEST_F(FormEventsTest, OpeningAMenuClicksItAndDisabledItemsDoNothing) {
    SampleForm form(rt);
    form.Show();
    form.log.clear();
    platform::testing::ChooseMenu(rt, form, "mOI");
    form.item->setEnabled(false);
    rt.userMenu(*form.item);
    EXPECT_EQ(form.log, (Log{"mO.Click", "mOI.Click"}));
}

TEST_F(FormEventsTest, ModalFormsRunTheirHandlerAndHandBackActivation) {
    SampleForm owner(rt, "Owner");
    owner.Show();
    SampleForm dialog(rt, "Dialog");
    desk.desktop.windows.onModal("Dialog", [&](Form& f) {
        EXPECT_EQ(rt.activeForm(), &f);
        rt.userActivated(owner);  // the owner cannot be activated while the dialog is open
        EXPECT_EQ(rt.activeForm(), &f);
        f.Unload();
    });
    owner.log.clear();
    dialog.ShowModal();
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(dialog.wasUnloaded());
    EXPECT_EQ(rt.activeForm(), &owner);
    EXPECT_EQ(owner.log, Log{"Activate"});
}

TEST_F(FormEventsTest, QueryUnloadCanKeepAFormAndTheLastFormEndsTheProgram) {
    SampleForm first(rt, "First");
    SampleForm second(rt, "Second");
    first.Show();
    second.Show();
    UnloadMode seen = UnloadMode::Code;
    bool refuse = true;
    first.onQueryUnload = [&](bool& cancel, UnloadMode mode) {
        seen = mode;
        cancel = refuse;
    };
    EXPECT_FALSE(rt.userClose(first));
    EXPECT_EQ(seen, UnloadMode::CloseBox);
    EXPECT_TRUE(first.isLoaded());
    refuse = false;
    EXPECT_TRUE(first.Unload());
    EXPECT_FALSE(desk.desktop.windows.quitRequested());
    EXPECT_TRUE(second.Unload());
    EXPECT_TRUE(desk.desktop.windows.quitRequested());
}

TEST_F(FormEventsTest, EndUnloadsEveryFormWithoutTheirEvents) {
    SampleForm form(rt);
    form.Show();
    bool asked = false;
    form.onQueryUnload = [&](bool&, UnloadMode) { asked = true; };
    rt.end();
    EXPECT_FALSE(asked);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(rt.loadedForms().empty());
}

TEST_F(FormEventsTest, AForgottenFormLeavesNoDanglingFocus) {
    auto form = std::make_unique<SampleForm>(rt);
    form->Show();
    form->ok->SetFocus();
    form.reset();
    EXPECT_EQ(rt.focusedControl(), nullptr);
    EXPECT_EQ(rt.activeForm(), nullptr);
}

TEST_F(FormEventsTest, ATextBoxRaisesChangeForEveryNewTextButNotWhenLocked) {
    SampleForm form(rt);
    auto& box = form.add<TextBox>("Text1");
    form.Show();
    std::vector<std::string> changes;
    box.onChange = [&] { changes.push_back(box.Text()); };
    box.userEdited("1 1/2");
    box.userEdited("1 1/2");  // the same text again: no change
    box.setText("2");
    box.setLocked(true);
    box.userEdited("3");
    box.setLocked(false);
    box.setEnabled(false);
    box.userEdited("4");
    EXPECT_EQ(changes, (Log{"1 1/2", "2"}));
    EXPECT_EQ(box.Text(), "2");
    EXPECT_TRUE(box.canHoldFocus());
}

TEST_F(FormEventsTest, AFailingHandlerIsReportedAndTheProgramGoesOn) {
    SampleForm form(rt);
    form.Show();
    form.ok->onClick = [&] {
        desk.desktop.display.SetBusyPointer(true);
        form.log.push_back("OK.Click");
        throw std::runtime_error("disk full");
    };
    desk.desktop.dialogs.expectFailure("Sample.OK_Click");
    rt.userClick(*form.ok);
    ASSERT_EQ(desk.desktop.dialogs.failures().size(), 1u);
    EXPECT_EQ(desk.desktop.dialogs.failures()[0].reason, "disk full");
    EXPECT_FALSE(desk.desktop.display.busy()) << "nothing else would end the wait the failed action began";

    // The window still works, and so does a menu and a key that fail.
    rt.userClick(*form.cancel);
    EXPECT_EQ(form.log.back(), "Cancel.Click");
    form.item->onClick = [] { throw 42; };
    desk.desktop.dialogs.expectFailure("Sample.mOI_Click");
    platform::testing::ChooseMenu(rt, form, "mOI");
    form.setKeyPreview(true);
    form.onKeyDown = [](int&, int) { throw std::logic_error("bad key"); };
    desk.desktop.dialogs.expectFailure("Sample.Form_KeyDown");
    EXPECT_FALSE(rt.userKeyDown(form, keys::F9, 0));
    EXPECT_EQ(desk.desktop.dialogs.failures()[1].reason, "an error of unknown kind");
}

TEST_F(FormEventsTest, AFailingUnloadQuestionKeepsTheWindowAndWhatItHolds) {
    SampleForm form(rt);
    form.Show();
    form.onQueryUnload = [](bool&, UnloadMode) { throw std::runtime_error("cannot save"); };
    desk.desktop.dialogs.expectFailure("Sample.Form_QueryUnload");
    EXPECT_FALSE(rt.userClose(form));
    EXPECT_TRUE(form.isLoaded());
    form.onQueryUnload = nullptr;
    EXPECT_TRUE(form.Unload());
}

}  // namespace
}  // namespace ui::testing
