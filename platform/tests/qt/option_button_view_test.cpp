// Option buttons on the screen: the desktop knows them as radio buttons of
// one group, and every way of choosing one reaches the model as its Click,
// with one option of the group checked at a time.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class OptionButtonViewTest : public QtFormTest {
protected:
    OptionButtonViewTest() {
        const char* captions[] = {"Must contain All Ingredients", "At least One of the Ingredients", "Any type"};
        for (int i = 0; i < 3; ++i) {
            ui::OptionButton& option = form->add<ui::OptionButton>("optWords", i, form->panel);
            option.setCaption(captions[i]);
            option.Move(120, 500 + 300 * i, 2700, 270);
            option.setTabIndex(10 + i);
            option.onClick = [this, i] { form->log.push_back("optWords(" + std::to_string(i) + ").Click"); };
            options.push_back(&option);
        }
        // Another container's option is another group.
        other = &form->add<ui::OptionButton>("optOther", -1, form->kinds);
        other->setCaption("Other");
        other->Move(150, 1100, 1800, 270);
        other->setValue(true);
        options[0]->setValue(true);
    }

    QRadioButton* shown(int i) const { return widget<QRadioButton>(("optWords(" + std::to_string(i) + ")").c_str()); }
    // Which options the screen and the model show checked.
    std::vector<int> checkedOnScreen() const {
        std::vector<int> checked;
        for (int i = 0; i < 3; ++i)
            if (shown(i)->isChecked()) checked.push_back(i);
        return checked;
    }
    std::vector<int> checkedInModel() const {
        std::vector<int> checked;
        for (int i = 0; i < 3; ++i)
            if (options[static_cast<std::size_t>(i)]->Value()) checked.push_back(i);
        return checked;
    }

    std::vector<ui::OptionButton*> options;
    ui::OptionButton* other;
};

TEST_F(OptionButtonViewTest, AScreenReaderHearsRadioButtonsAndItsToggleChoosesThroughTheModel) {
    showWithFocusIn(*options[0]);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(shown(1));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::RadioButton);
    EXPECT_EQ(reader->text(QAccessible::Name), "At least One of the Ingredients");
    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));

    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(form->log, Log{"optWords(1).Click"});
    EXPECT_EQ(checkedInModel(), std::vector<int>{1});
    EXPECT_EQ(checkedOnScreen(), std::vector<int>{1}) << "one option of the group checked";
    EXPECT_TRUE(reader->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(shown(0))->state().checked);
    EXPECT_TRUE(other->Value()) << "another group keeps its choice";
}

TEST_F(OptionButtonViewTest, MouseSpaceAndArrowKeysEachChooseOnceThroughTheModel) {
    showWithFocusIn(*options[0]);
    QTest::mouseClick(shown(2), Qt::LeftButton, Qt::NoModifier, QPoint(8, shown(2)->height() / 2));
    EXPECT_EQ(checkedOnScreen(), std::vector<int>{2});
    QTest::keyClick(shown(2), Qt::Key_Up);  // to the option above, which is chosen
    EXPECT_EQ(QApplication::focusWidget(), shown(1));
    EXPECT_EQ(runtime.focusedControl(), options[1]);
    QTest::keyClick(shown(1), Qt::Key_Right);
    QTest::keyClick(shown(2), Qt::Key_Down);  // round from the last to the first
    QTest::keyClick(shown(0), Qt::Key_Space);
    EXPECT_EQ(form->log, (Log{"optWords(2).Click", "optWords(1).Click", "optWords(2).Click", "optWords(0).Click",
                              "optWords(0).Click"}));
    EXPECT_EQ(checkedInModel(), std::vector<int>{0});
    EXPECT_EQ(checkedOnScreen(), std::vector<int>{0});

    // A disabled option is passed by.
    options[1]->setEnabled(false);
    form->log.clear();
    QTest::keyClick(shown(0), Qt::Key_Down);
    EXPECT_EQ(form->log, Log{"optWords(2).Click"});
}

TEST_F(OptionButtonViewTest, AChoiceTheModelRefusesLeavesTheGroupAsTheModelHasIt) {
    options[2]->onGotFocus = [this] { options[2]->setEnabled(false); };
    showWithFocusIn(*options[0]);
    QAccessible::queryAccessibleInterface(shown(2))->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(checkedInModel(), std::vector<int>{0});
    EXPECT_EQ(checkedOnScreen(), std::vector<int>{0});

    // The program clears the whole group: none shows checked.
    options[0]->setValue(false);
    EXPECT_EQ(checkedOnScreen(), std::vector<int>{});
    EXPECT_TRUE(form->log.empty());
}

}  // namespace
}  // namespace platform::qt::testing
