// The timer: Timer each time the front end says an interval has passed,
// while it is enabled and has an interval; never seen, never focused.
#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"
#include "platform/ui/design.h"

namespace ui::testing {
namespace {

TEST(TimerTest, RaisesTimerOnlyWhileEnabledWithAnInterval) {
    Desk desk;
    SampleForm form{desk.runtime};
    Timer& timer = form.add<Timer>("Timer1");
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    form.Show();
    EXPECT_FALSE(timer.Visible());
    EXPECT_FALSE(timer.canHoldFocus());

    timer.userElapsed();
    EXPECT_EQ(ticks, 0) << "no interval yet";
    timer.setInterval(1000);
    timer.userElapsed();
    EXPECT_EQ(ticks, 1);
    timer.setEnabled(false);
    timer.userElapsed();
    EXPECT_EQ(ticks, 1);
    timer.setEnabled(true);
    timer.setInterval(-5);
    EXPECT_EQ(timer.Interval(), 0);
    timer.userElapsed();
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, ADesignRowMakesOne) {
    Desk desk;
    SampleForm form{desk.runtime};
    const design::ControlRow rows[] = {{.kind = ControlKind::Timer, .name = "Timer1"}};
    design::Build(form, rows);
    EXPECT_EQ(form.control<Timer>("Timer1").kind(), ControlKind::Timer);
}

}  // namespace
}  // namespace ui::testing
