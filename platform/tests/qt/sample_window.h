#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/runtime.h"
#include "platform/ui/controls.h"

namespace platform::qt::testing {

// A background picture as the program's forms use them, written as JPEG.
inline std::filesystem::path WriteBackgroundPicture(const QString& folder) {
    QImage image(392, 249, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(236, 224, 196));
    sky.setColorAt(1, QColor(198, 170, 128));
    painter.fillRect(image.rect(), sky);
    QRadialGradient glow(300, 60, 160);
    glow.setColorAt(0, QColor(255, 248, 226, 200));
    glow.setColorAt(1, QColor(255, 248, 226, 0));
    painter.fillRect(image.rect(), glow);
    painter.end();
    const QString file = folder + "/back.jpg";
    image.save(file, "JPG", 92);
    return file.toStdString();
}

// A double click as the desktop delivers it: press, release, press, double
// click, release.
inline void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// A form with one control of each kind the front end shows, and menus; its
// handlers write down what happened, in order.
class SampleWindowForm : public ui::Form {
public:
    SampleWindowForm(Runtime& runtime, const std::filesystem::path& picture) : Form(runtime, "frmSample") {
        setCaption("Caf\xE9 sample");
        Move(1200, 900, 6000, 4500);
        setBackColor(ui::Rgb(236, 224, 196));

        ui::Font headingFont;
        headingFont.size = 12;
        headingFont.bold = true;
        heading = &add<ui::Label>("lblHeading");
        heading->setCaption("&Name && address");
        heading->setFont(headingFont);
        heading->setForeColor(ui::Rgb(72, 40, 16));
        heading->setTransparent(true);
        heading->Move(240, 150, 4200, 360);

        ok = &add<ui::CommandButton>("cmdOK");
        ok->setCaption("OK");
        ok->setDefault(true);
        ok->Move(3360, 2880, 1080, 375);
        cancel = &add<ui::CommandButton>("cmdCancel");
        cancel->setCaption("&Cancel");
        cancel->setCancel(true);
        cancel->Move(4560, 2880, 1080, 375);

        panel = &add<ui::Panel>("pnlShelves");
        panel->setBackColor(ui::Rgb(250, 244, 230));
        panel->Move(240, 600, 3000, 1500);
        note = &add<ui::Label>("lblNote", -1, panel);
        note->setCaption("Pantry\r\nshelves");
        note->setBackColor(ui::Rgb(250, 244, 230));
        note->Move(120, 90, 1500, 480);
        inner = &add<ui::CommandButton>("cmdInner", -1, panel);
        inner->setCaption("&Inner");
        inner->Move(120, 960, 1200, 375);

        file = &addMenu("mnuFile", "&File");
        open = &file->add("mnuFileOpen", "&Open...");
        file->addSeparator("mnuFileBar");
        recent = &file->add("mnuFileRecent", "&Recent");
        recentPantry = &recent->add("mnuRecent", "&1 Pantry list", 0);
        file->add("mnuFileExit", "E&xit");
        view = &addMenu("mnuView", "&View");
        grid = &view->add("mnuViewGrid", "&Grid");
        grid->setChecked(true);

        // Added last, yet a background: it fills the client area below the menu bar.
        kinds = &add<ui::Frame>("fraKinds");
        kinds->setCaption("&Kinds");
        kinds->setBackColor(ui::Rgb(250, 244, 230));
        kinds->Move(3480, 600, 2160, 1500);
        kindsNote = &add<ui::Label>("lblKinds", -1, kinds);
        kindsNote->setCaption("Dry goods, fresh produce and spices");
        kindsNote->setBackColor(ui::Rgb(250, 244, 230));
        kindsNote->Move(150, 360, 1860, 900);

        shelf = &add<ui::TextBox>("txtShelf");
        shelf->setText("Top shelf");
        shelf->Move(240, 2280, 3000, 330);

        background = &add<ui::Image>("imgBack");
        EXPECT_TRUE(background->LoadPicture(picture)) << "the sample picture";
        background->Move(0, 0, ScaleWidth(), ScaleHeight());

        for (ui::CommandButton* b : {ok, cancel, inner}) {
            b->onGotFocus = [this, b] { log.push_back(b->name() + ".GotFocus"); };
            b->onClick = [this, b] { log.push_back(b->name() + ".Click"); };
        }
        for (ui::Menu* m : {file, open, recent, recentPantry, view}) {
            m->onClick = [this, m] { log.push_back(m->name() + ".Click"); };
        }
        grid->onClick = [this] {
            log.push_back("mnuViewGrid.Click");
            grid->setChecked(!grid->Checked());
        };
        shelf->onChange = [this] { log.push_back("txtShelf.Change " + shelf->Text()); };
        onResize = [this] { log.push_back("Resize"); };
    }

    ui::Label* heading;
    ui::CommandButton* ok;
    ui::CommandButton* cancel;
    ui::Panel* panel;
    ui::Label* note;
    ui::CommandButton* inner;
    ui::Frame* kinds;
    ui::Label* kindsNote;
    ui::TextBox* shelf;
    ui::Image* background;
    ui::Menu* file;
    ui::Menu* open;
    ui::Menu* recent;
    ui::Menu* recentPantry;
    ui::Menu* view;
    ui::Menu* grid;
    std::vector<std::string> log;
};

// The real front end and services around one sample form.
class QtFormTest : public ::testing::Test {
protected:
    QtFormTest() : form(std::make_unique<SampleWindowForm>(runtime, WriteBackgroundPicture(folder.path()))) {}

    ~QtFormTest() override {
        if (!runtime.ended()) runtime.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ClearQuitRequest();
    }

    // Ending the program asks the application to quit; a later event loop in
    // this test program must still run.
    static void ClearQuitRequest() {
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // Shows the window, active, with the focus in one control and an empty log.
    void showWithFocusIn(ui::Control& control) {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        control.SetFocus();
        form->log.clear();
    }

    QWidget* window() const { return windows.windowOf(*form); }
    template <class T = QWidget>
    T* widget(const char* name) const {
        return window() ? window()->findChild<T*>(name) : nullptr;
    }

    QTemporaryDir folder;
    QtServices services;
    QtWindowSystem windows;
    Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path().toStdString())};
    std::unique_ptr<SampleWindowForm> form;
};

// Runs once the next dialog is open: what the user does in it.
inline void WhenTheDialogOpens(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

}  // namespace platform::qt::testing
