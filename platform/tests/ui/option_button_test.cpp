#include "platform/ui/option_button.h"

#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"

namespace ui {
namespace {

using testing::Desk;
using testing::SampleForm;

TEST(OptionButtonTest, AChoiceClearsTheOtherOptionsOfItsContainerOnly) {
    Desk desk;
    SampleForm form(desk.runtime);
    form.Show();
    auto& all = form.add<OptionButton>("SSOption1", 0, form.panel);
    auto& any = form.add<OptionButton>("SSOption1", 1, form.panel);
    auto& elsewhere = form.add<OptionButton>("optOther");
    std::vector<int> clicks;
    all.onClick = [&] { clicks.push_back(0); };
    any.onClick = [&] { clicks.push_back(1); };

    elsewhere.setValue(true);
    all.setValue(true);
    EXPECT_TRUE(all.Value());
    EXPECT_TRUE(elsewhere.Value()) << "another container's option stays";
    desk.runtime.userClick(any);
    EXPECT_FALSE(all.Value());
    EXPECT_TRUE(any.Value());
    EXPECT_EQ(clicks, (std::vector<int>{0, 1}));
    any.setValue(false);
    EXPECT_EQ(clicks.size(), 2u) << "clearing raises nothing";
    form.panel->setEnabled(false);
    desk.runtime.userClick(all);
    EXPECT_FALSE(all.Value()) << "a disabled frame's options cannot be chosen";
}

}  // namespace
}  // namespace ui
