// Steps put off until the first window has been painted.
#include "platform/qt/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace platform::qt::testing {
namespace {

TEST(FirstPaintTest, StepsRunOnceEachAfterTheFirstPaintNewestWatchFirst) {
    std::vector<std::string> steps;
    QLabel window("Start");
    RunAfterFirstPaint(*qApp, [&] { steps.push_back("icon"); });
    RunAfterFirstPaint(*qApp, [&] { steps.push_back("last set"); });
    QTest::qWait(20);
    EXPECT_TRUE(steps.empty()) << "nothing painted yet";

    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps.size() == 2; }, 2000));
    EXPECT_EQ(steps, (std::vector<std::string>{"last set", "icon"}));

    window.repaint();
    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(steps.size(), 2u) << "each step runs once";
}

}  // namespace
}  // namespace platform::qt::testing
