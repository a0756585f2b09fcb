// The recipe window's design as a person sees it: a real Qt window on the
// offscreen screen, in the smaller screen display's 12000 by 9000 twips.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "app/tests/cut_off_captions.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/runtime.h"
#include "platform/testing/test_folder.h"
#include "recipes/recipe_window_controls.h"

namespace {

using app_testing::CutOffCaptions;

using recipes::Form5Controls;

class Form5DesignOnScreen : public ::testing::Test {
protected:
    Form5DesignOnScreen() {
        form.setCaption("Pantrivo - Recipe File - Cookbook #1 - ");
        form.setBorderStyle(ui::BorderStyle::FixedSingle);
        form.Move(0, 0, 12000, 9000);
        form.setBackColor(ui::colors::PureBlue);
        recipes::BuildForm5(form);
        recipes::BindForm5(form, c);
        const auto picture = folder / "WP10.jpg";
        std::filesystem::copy_file(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "WP10.jpg", picture);
        EXPECT_TRUE(c.Image1->LoadPicture(picture));
        c.Panel3D1->setVisible(true);  // as the activation shows it
    }
    ~Form5DesignOnScreen() override {
        if (!runtime.ended()) runtime.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* showOnScreen() {
        form.Show();
        QWidget* window = windows.windowOf(form);
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }

    // The window's picture, with the place of each control the front end
    // does not draw yet outlined and named, so that the layout can be judged.
    void save(const char* name) {
        QImage shot = windows.grab(form);
        ASSERT_FALSE(shot.isNull());
        auto* window = static_cast<QMainWindow*>(windows.windowOf(form));
        const QPoint inside = window->centralWidget()->geometry().topLeft();
        QPainter painter(&shot);
        painter.setPen(QPen(Qt::darkMagenta, 1, Qt::DashLine));
        painter.setFont(QFont("Liberation Sans", 7));
        for (const auto& control : form.controls()) {
            if (!control->effectivelyVisible() || window->findChild<QWidget*>(objectName(*control)) ||
                covered(*control))
                continue;
            QRect place = pixels(*control).translated(inside);
            painter.drawRect(place.adjusted(0, 0, -1, -1));
            painter.drawText(place.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, objectName(*control));
        }
        painter.end();
        QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);
        EXPECT_TRUE(shot.save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name));
    }

    // Whether a panel made later, and so lying above, hides some of the control.
    bool covered(const ui::Control& control) const {
        const auto& all = form.controls();
        auto later = std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == &control; });
        for (++later; later != all.end(); ++later) {
            const ui::Control& above = **later;
            if (above.kind() == ui::ControlKind::Panel && above.effectivelyVisible() &&
                pixels(above).intersects(pixels(control)))
                return true;
        }
        return false;
    }
    static QString objectName(const ui::Control& control) {
        QString name = QString::fromStdString(control.name());
        if (control.index() >= 0) name += QStringLiteral("(%1)").arg(control.index());
        return name;
    }
    static QRect pixels(const ui::Control& control) {
        int left = control.Left(), top = control.Top();
        for (const ui::Control* in = control.container(); in; in = in->container()) {
            left += in->Left();
            top += in->Top();
        }
        return {left / ui::TwipsPerPixel, top / ui::TwipsPerPixel, control.Width() / ui::TwipsPerPixel,
                control.Height() / ui::TwipsPerPixel};
    }

    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    ui::Form form{runtime, "Form5"};
    Form5Controls c;
};

TEST_F(Form5DesignOnScreen, TheMainPanelShowsEveryCaptionWhole) {
    QWidget* window = showOnScreen();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600));
    QStringList menus;
    for (QAction* action : static_cast<QMainWindow*>(window)->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&Options", "&Edit", "&Utilities", "&Help"}));
    auto* create = window->findChild<QPushButton*>("Command1");
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->isEnabled());
    auto* modify = window->findChild<QPushButton*>("Command5");
    ASSERT_NE(modify, nullptr);
    EXPECT_FALSE(modify->isEnabled());
    EXPECT_EQ(CutOffCaptions(*window).join(", ").toStdString(), "");
    save("form5-design.png");
}

TEST_F(Form5DesignOnScreen, EachSidePanelFitsWithItsCaptionsWhole) {
    QWidget* window = showOnScreen();
    ASSERT_NE(window, nullptr);
    const struct {
        ui::Panel* panel;
        bool replacesMainPanel;
        const char* picture;
    } panels[] = {
        {c.SSPanel3, false, "form5-names.png"},
        {c.SSPanel6, false, "form5-search-options.png"},
        {c.SSPanel5, false, "form5-calculator.png"},
        {c.SSPanel10, false, "form5-rename.png"},
        {c.SSPanel12, false, "form5-titles.png"},
        {c.SSPanel11, false, "form5-conversion.png"},
        {c.SSPanel80, false, "form5-preview.png"},
        {c.SSPanel2, true, "form5-name-search.png"},
        {c.SSPanel8, true, "form5-ingredient-search.png"},
    };
    for (const auto& [panel, replacesMainPanel, picture] : panels) {
        c.Panel3D1->setVisible(!replacesMainPanel);
        panel->setVisible(true);
        QTest::qWait(10);
        EXPECT_EQ(CutOffCaptions(*window).join(", ").toStdString(), "") << picture;
        save(picture);
        panel->setVisible(false);
    }
    c.Panel3D1->setVisible(true);
    c.SSPanel80->setVisible(true);
    c.SSPanel13->setVisible(true);
    EXPECT_EQ(CutOffCaptions(*window).join(", ").toStdString(), "") << "the recipe picks";
    save("form5-picks.png");
}

}  // namespace
