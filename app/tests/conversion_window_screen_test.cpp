// The conversion window as a person sees it: one result line in single
// entry, then the results table of a range, on the offscreen screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "app/tests/program_on_screen.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/testing/test_folder.h"
#include "reference/conversions/convform.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace {

class ConversionWindowOnScreen : public app_testing::ProgramOnScreen {
protected:
    ConversionWindowOnScreen() {
        std::filesystem::copy(std::filesystem::path(PANTRIVO_PICTURE_DIR) / "toolbar", folder / "toolbar");
        conversions::RegisterConversions(app);
    }
    void shoot(conversions::Convform& window, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(windows.grab(window).save(QString(PANTRIVO_SCREENSHOT_DIR) + "/" + name)) << name;
    }
};

TEST_F(ConversionWindowOnScreen, ShowsAResultLineAndARangeTable) {
    app.Start();
    QWidget* start = windows.windowOf(app.window<shell::Startfrm>());
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));

    runtime.userClick(*app.window<shell::Startfrm>().SSCommand1[shell::Startfrm::MeasurementGuideButton]);
    conversions::Convform* w = app.loadedWindow<conversions::Convform>();
    ASSERT_NE(w, nullptr);
    QWidget* window = windows.windowOf(*w);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Pantrivo - Food Measurement Guide");
    EXPECT_EQ(window->frameGeometry(), start->frameGeometry()) << "it covers the start window exactly";
    QDir().mkpath(PANTRIVO_SCREENSHOT_DIR);

    runtime.userFocused(*w->Text1);
    w->Text1->userEdited("2");
    runtime.userClick(*w->Option3D1[11]);
    EXPECT_EQ(w->Panel3D1->Caption(), "32");
    shoot(*w, "conversion-single-entry.png");

    runtime.userMenu(*w->mODo);
    runtime.userFocused(*w->Text1);
    w->Text1->userEdited("1");
    runtime.userFocused(*w->Text2);
    w->Text2->userEdited("12");
    runtime.userClick(*w->Option3D1[41]);
    ASSERT_TRUE(w->resultsShown());
    EXPECT_EQ(w->Grid1->TextMatrix(1, 1), "28.35");
    shoot(*w, "conversion-multiple-entry.png");
}

}  // namespace
