// Check boxes on the screen: the desktop and a screen reader know them as
// check boxes, and every way of turning one over reaches the model as its
// Click, the box showing what the model holds.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QTest>
#include <algorithm>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

class CheckBoxViewTest : public QtFormTest {
protected:
    CheckBoxViewTest() {
        for (int i = 0; i < 2; ++i) {
            ui::CheckBox& box = form->add<ui::CheckBox>("SSCheck1", i, form->panel);
            box.setCaption(i == 0 ? "Milk" : "Eggs");
            box.Move(120, 500 + 300 * i, 2700, 270);
            box.setTabIndex(10 + i);
            box.onClick = [this, i] { form->log.push_back("SSCheck1(" + std::to_string(i) + ").Click"); };
            boxes.push_back(&box);
        }
    }
    QCheckBox* shown(int i) const { return widget<QCheckBox>(("SSCheck1(" + std::to_string(i) + ")").c_str()); }

    std::vector<ui::CheckBox*> boxes;
};

TEST_F(CheckBoxViewTest, MouseSpaceAndAScreenReaderEachTurnItOverOnceThroughTheModel) {
    showWithFocusIn(*boxes[0]);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(shown(1));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::CheckBox);
    EXPECT_EQ(reader->text(QAccessible::Name), "Eggs");

    QTest::mouseClick(shown(1), Qt::LeftButton, Qt::NoModifier, QPoint(8, shown(1)->height() / 2));
    EXPECT_TRUE(boxes[1]->Value());
    EXPECT_TRUE(shown(1)->isChecked());
    QTest::keyClick(shown(1), Qt::Key_Space);
    EXPECT_FALSE(boxes[1]->Value());
    EXPECT_FALSE(shown(1)->isChecked());
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(boxes[1]->Value());
    EXPECT_TRUE(reader->state().checked);
    EXPECT_EQ(form->log, (std::vector<std::string>{"SSCheck1(1).Click", "SSCheck1(1).Click", "SSCheck1(1).Click"}));

    // The program unticks it: the screen follows.
    boxes[1]->setValue(false);
    EXPECT_FALSE(shown(1)->isChecked());
}

TEST_F(CheckBoxViewTest, AClickTheModelRefusesLeavesTheBoxAsTheModelHasIt) {
    boxes[1]->onGotFocus = [this] { boxes[1]->setEnabled(false); };
    showWithFocusIn(*boxes[0]);
    QTest::mouseClick(shown(1), Qt::LeftButton, Qt::NoModifier, QPoint(8, shown(1)->height() / 2));
    EXPECT_FALSE(boxes[1]->Value());
    EXPECT_FALSE(shown(1)->isChecked());
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "SSCheck1(1).Click"), 0);
}

}  // namespace
}  // namespace platform::qt::testing
