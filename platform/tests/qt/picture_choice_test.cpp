// A picture the user picks is a button to the keyboard and to screen readers;
// a plain picture takes neither the focus nor keys.
#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

class PictureChoiceTest : public QtFormTest {
protected:
    PictureChoiceTest() {
        const std::filesystem::path file = WriteBackgroundPicture(folder.path());
        for (ui::Image** image : {&chosen, &plain}) {
            *image = &form->add<ui::Image>(image == &chosen ? "imgChosen" : "imgPlain");
            static_cast<void>((*image)->LoadPicture(file));
        }
        chosen->Move(240, 2400, 900, 900);
        chosen->setChoosable(true);
        chosen->setBorder(ui::PictureBorder::Sunken);
        chosen->setAccessibleName("Picture WP1");
        chosen->onClick = [this] { ++clicks; };
        plain->Move(1300, 2400, 900, 900);
    }

    ui::Image* chosen;
    ui::Image* plain;
    int clicks = 0;
};

TEST_F(PictureChoiceTest, SpaceAndEnterOnTheFocusedPictureAreOneClickEach) {
    showWithFocusIn(*chosen);
    QWidget* shown = widget("imgChosen");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), shown);
    QTest::keyClick(shown, Qt::Key_Space);
    QTest::keyClick(shown, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(runtime.focusedControl(), chosen);
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "cmdOK.Click"), 0) << "Enter pressed no default button";

    EXPECT_EQ(widget("imgPlain")->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(shown);
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(said->role(), QAccessible::Button);
    EXPECT_EQ(said->text(QAccessible::Name), "Picture WP1");
}

}  // namespace
}  // namespace platform::qt::testing
