// Toolbars, status bars and progress bars on the screen: buttons and panels
// pressed by the user reach the model, and the bars keep to the window's
// edges as the model docks them.
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

ui::ToolbarButton Button(const char* key, const char* toolTip, std::filesystem::path picture = {}) {
    ui::ToolbarButton button;
    button.key = key;
    button.toolTip = toolTip;
    button.picture = std::move(picture);
    return button;
}

class BarViewsTest : public QtFormTest {
protected:
    BarViewsTest() {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(QColor(180, 90, 40));
        const QString pictureFile = folder.path() + "/new.png";
        EXPECT_TRUE(picture.save(pictureFile));

        tools = &form->add<ui::Toolbar>("tbrMain");
        tools->Move(0, 0, 1000, 420);
        tools->addButton(Button("new", "New list", pictureFile.toStdString()));
        tools->addButton(Button("open", "Open a cookbook"));
        tools->addButton(Button("save", "Save"));
        tools->addButton(Button("print", "Print"));
        tools->setButtonEnabled(3, false);
        tools->setButtonVisible(4, false);
        tools->onButtonClick = [this](int number) { form->log.push_back("ButtonClick " + std::to_string(number)); };

        status = &form->add<ui::StatusBar>("sbStatus");
        status->Move(0, 0, 1000, 330);
        status->addPanel({"Ready", true, 0});
        status->addPanel({"Cookbook 1", true, 1500});
        status->addPanel({"Saved", false, 900});
        status->onPanelClick = [this](int number) { form->log.push_back("PanelClick " + std::to_string(number)); };

        progress = &form->add<ui::ProgressBar>("prgLoad");
        progress->Move(240, 2280, 3000, 300);
    }

    void showOnScreen() {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        form->log.clear();
    }
    QToolButton* button(int number) const {
        return widget<QToolButton>(QStringLiteral("tbrMain:%1").arg(number).toUtf8().constData());
    }
    QLabel* panel(int number) const {
        return widget<QLabel>(QStringLiteral("sbStatus:%1").arg(number).toUtf8().constData());
    }
    QRect client() const { return static_cast<QMainWindow*>(window())->centralWidget()->rect(); }

    ui::Toolbar* tools;
    ui::StatusBar* status;
    ui::ProgressBar* progress;
};

TEST_F(BarViewsTest, ToolbarButtonsShowTheirPictureOrTextAndPressByNumber) {
    showOnScreen();
    for (int number = 1; number <= 4; ++number) ASSERT_NE(button(number), nullptr) << number;
    EXPECT_FALSE(button(1)->icon().isNull());
    EXPECT_EQ(button(1)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(button(2)->toolButtonStyle(), Qt::ToolButtonTextOnly) << "no picture: the tooltip's text shows";
    EXPECT_EQ(button(2)->text(), "Open a cookbook");
    EXPECT_EQ(button(1)->toolTip(), "New list");
    EXPECT_EQ(button(1)->accessibleName(), "New list");
    EXPECT_FALSE(button(3)->isEnabled());
    EXPECT_FALSE(button(4)->isVisible());
    EXPECT_GT(button(2)->x(), button(1)->x()) << "a bar at the top is a row";

    form->shelf->SetFocus();
    QTest::mouseClick(button(2), Qt::LeftButton);
    QTest::mouseClick(button(3), Qt::LeftButton);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(form->log, (Log{"ButtonClick 2", "ButtonClick 1"}));
    EXPECT_EQ(runtime.focusedControl(), form->shelf) << "a toolbar takes no focus";
    EXPECT_TRUE(widget("txtShelf")->hasFocus());

    // A handler may disable the very button being pressed.
    tools->onButtonClick = [this](int number) {
        tools->setButtonEnabled(number, false);
        tools->setButtonVisible(4, true);
    };
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_FALSE(button(2)->isEnabled());
    EXPECT_TRUE(button(4)->isVisible());
}

TEST_F(BarViewsTest, DockedBarsKeepToTheEdgesOfTheWindowsInside) {
    showOnScreen();
    QWidget* top = widget("tbrMain");
    QWidget* bottom = widget("sbStatus");
    EXPECT_EQ(top->geometry(), QRect(0, 0, client().width(), 28));
    EXPECT_EQ(bottom->geometry(), QRect(0, client().height() - 22, client().width(), 22));

    window()->resize(500, 360);
    EXPECT_EQ(top->width(), client().width());
    EXPECT_EQ(bottom->geometry().bottom(), client().bottom());
    EXPECT_EQ(bottom->width(), client().width());

    // Docked at the left, the bar stands upright between the others.
    tools->setAlign(ui::Align::Left);
    tools->setWidth(450);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 30, client().height() - 22));
    EXPECT_GT(button(2)->y(), button(1)->y());
    EXPECT_EQ(button(2)->x(), button(1)->x());
}

TEST_F(BarViewsTest, StatusPanelsShowTheirTextAndWidthAndTakeClicks) {
    showOnScreen();
    ASSERT_NE(panel(3), nullptr);
    EXPECT_EQ(panel(1)->text(), "Ready");
    EXPECT_EQ(panel(2)->width(), 100) << "1500 twips";
    EXPECT_GT(panel(1)->width(), panel(2)->width()) << "the room that is left";
    EXPECT_FALSE(panel(3)->isVisible());

    status->setPanelText(1, "Saving\x85");
    EXPECT_EQ(panel(1)->text(), QString::fromUtf8("Saving\u2026"));
    status->setPanelVisible(3, true);
    EXPECT_TRUE(panel(3)->isVisible());

    QTest::mouseClick(panel(2), Qt::LeftButton);
    QTest::mouseClick(panel(2), Qt::RightButton);
    QTest::mouseClick(panel(3), Qt::LeftButton);
    EXPECT_EQ(form->log, (Log{"PanelClick 2", "PanelClick 3"}));
}

TEST_F(BarViewsTest, AProgressBarShowsTheModelsValueInItsRange) {
    showOnScreen();
    auto* bar = widget<QProgressBar>("prgLoad");
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isTextVisible());
    progress->setRange(10, 30);
    progress->setValue(25);
    EXPECT_EQ(bar->minimum(), 10);
    EXPECT_EQ(bar->maximum(), 30);
    EXPECT_EQ(bar->value(), 25);
    progress->setRange(0, 0);
    EXPECT_GT(bar->maximum(), bar->minimum()) << "an empty range is an empty bar, not a busy one";
    EXPECT_EQ(bar->value(), bar->minimum());
}

}  // namespace
}  // namespace platform::qt::testing
