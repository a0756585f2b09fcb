#include "platform/ui/check_box.h"

#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"
#include "platform/ui/design.h"

namespace ui {
namespace {

using testing::Desk;
using testing::SampleForm;

TEST(CheckBoxTest, AClickTurnsItOverAndEveryChangeRaisesClick) {
    Desk desk;
    SampleForm form(desk.runtime);
    form.Show();
    auto& milk = form.add<CheckBox>("SSCheck1", 10, form.panel);
    int clicks = 0;
    milk.onClick = [&] { ++clicks; };

    desk.runtime.userClick(milk);
    EXPECT_TRUE(milk.Value());
    EXPECT_EQ(desk.runtime.focusedControl(), &milk);
    desk.runtime.userClick(milk);
    EXPECT_FALSE(milk.Value());
    milk.setValue(true);  // the program ticks it
    EXPECT_EQ(clicks, 3);
    milk.setValue(true);
    EXPECT_EQ(clicks, 3) << "no change, no Click";

    form.panel->setEnabled(false);
    desk.runtime.userClick(milk);
    EXPECT_TRUE(milk.Value()) << "a disabled panel's box cannot be turned over";
}

TEST(CheckBoxTest, ADesignRowMakesOneTickedBeforeAnyHandlerListens) {
    Desk desk;
    SampleForm form(desk.runtime);
    const design::ControlRow rows[] = {
        {.kind = ControlKind::CheckBox,
         .name = "SSCheck80",
         .caption = "Print Divider Lines",
         .flags = design::Checked},
        {.kind = ControlKind::CheckBox, .name = "SSCheck81", .caption = "Print  Date on each page"},
    };
    design::Build(form, rows);
    EXPECT_TRUE(form.control<CheckBox>("SSCheck80").Value());
    EXPECT_FALSE(form.control<CheckBox>("SSCheck81").Value());
    EXPECT_EQ(form.control<CheckBox>("SSCheck81").Caption(), "Print  Date on each page");
}

}  // namespace
}  // namespace ui
