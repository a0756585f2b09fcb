// What the user does in a window reaches the model as its events.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "platform/ui/keys.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class FormInputTest : public QtFormTest {
protected:
    void showAndActivate() {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        form->log.clear();
    }
    QMenu* menuBarMenu(int index) const {
        return static_cast<QMainWindow*>(window())->menuBar()->actions()[index]->menu<QMenu*>();
    }
};

TEST_F(FormInputTest, ClickingAButtonFocusesItAndThenClicksIt) {
    showAndActivate();
    QTest::mouseClick(widget("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(form->log, (Log{"cmdCancel.GotFocus", "cmdCancel.Click"}));
    EXPECT_EQ(runtime.focusedControl(), form->cancel);
    EXPECT_TRUE(widget("cmdCancel")->hasFocus());
}

TEST_F(FormInputTest, TheProgramsFocusMovesTheKeyboardFocus) {
    showAndActivate();
    form->inner->SetFocus();
    EXPECT_TRUE(widget("cmdInner")->hasFocus());
    EXPECT_EQ(form->log, Log{"cmdInner.GotFocus"}) << "no second GotFocus from the widget's focus event";
}

TEST_F(FormInputTest, FocusGivenBeforeTheWindowShowsIsKept) {
    runtime.load(*form);
    form->inner->SetFocus();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    EXPECT_TRUE(widget("cmdInner")->hasFocus());
    EXPECT_EQ(runtime.focusedControl(), form->inner);
}

TEST_F(FormInputTest, EscapeAndEnterPressTheCancelAndDefaultButtons) {
    showAndActivate();
    form->ok->SetFocus();
    form->log.clear();
    // Esc presses the cancel button where it is: the focus stays put.
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_EQ(form->log, Log{"cmdCancel.Click"});
    EXPECT_EQ(QApplication::focusWidget(), widget("cmdOK"));
    form->log.clear();
    // Enter presses the button that has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(form->log, Log{"cmdOK.Click"});
}

TEST_F(FormInputTest, KeysReachTheModelOnceEachWithItsCodesAndShiftState) {
    showAndActivate();
    form->setKeyPreview(true);
    form->onKeyDown = [&](int& key, int shift) {
        form->log.push_back("KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
        if (key == ui::keys::Space) key = 0;  // the form keeps the space bar
    };
    form->onKeyPress = [&](int& ascii) { form->log.push_back("KeyPress " + std::to_string(ascii)); };
    form->onKeyUp = [&](int& key, int shift) {
        form->log.push_back("KeyUp " + std::to_string(key) + "/" + std::to_string(shift));
    };
    form->ok->SetFocus();
    form->log.clear();

    // The letter travels up from the button to the window unhandled: still one event each.
    QTest::keyClick(widget("cmdOK"), 'A', Qt::ShiftModifier);
    QTest::keyClick(widget("cmdOK"), Qt::Key_F9, Qt::ControlModifier);
    QTest::keyClick(widget("cmdOK"), Qt::Key_Space);
    EXPECT_EQ(form->log, (Log{"KeyDown 16/1", "KeyDown 65/1", "KeyPress 65", "KeyUp 65/1", "KeyUp 16/0", "KeyDown 17/2",
                              "KeyDown 120/2", "KeyUp 120/2", "KeyUp 17/0", "KeyDown 32/0", "KeyUp 32/0"}))
        << "a swallowed space does not press the button";

    form->log.clear();
    QTest::sendKeyEvent(QTest::Click, widget("cmdOK"), Qt::Key_Eacute, QString::fromUtf8("\u00e9"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, widget("cmdOK"), Qt::Key_unknown, QString::fromUtf8("\u4e2d"), Qt::NoModifier);
    EXPECT_EQ(form->log, (Log{"KeyPress 233", "KeyPress 63"})) << "Windows-1252 characters, '?' for the rest";
}

TEST_F(FormInputTest, AKeyReleasedWithoutItsPressIsNoKeyUp) {
    showAndActivate();
    form->setKeyPreview(true);
    form->onKeyUp = [&](int& key, int) { form->log.push_back("KeyUp " + std::to_string(key)); };
    form->ok->SetFocus();
    form->log.clear();
    // The Enter that closed a message box is let go over the window.
    QTest::keyRelease(widget("cmdOK"), Qt::Key_Return);
    EXPECT_EQ(form->log, Log{});
    QTest::keyClick(widget("cmdOK"), Qt::Key_F9);
    EXPECT_EQ(form->log, Log{"KeyUp 120"});
}

// Writes down the text of each key press that reaches a widget.
class TypedTextSpy : public QObject {
public:
    QString typed;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) typed += static_cast<QKeyEvent*>(event)->text();
        return false;
    }
};

TEST_F(FormInputTest, AKeyPressHandlerMaySwallowOrReplaceTheCharacter) {
    showAndActivate();
    form->onKeyPress = [&](int& ascii) {
        if (ascii == 'x') ascii = 0;
        if (ascii == 'b') ascii = 0xE9;
    };
    form->setKeyPreview(true);
    form->ok->SetFocus();
    TypedTextSpy spy;
    widget("cmdOK")->installEventFilter(&spy);
    QTest::keyClicks(widget("cmdOK"), "axb");
    EXPECT_EQ(spy.typed, QString::fromUtf8("a\u00e9"));
}

TEST_F(FormInputTest, MouseOnLabelsPicturesAndTheFormRaisesTheirEvents) {
    showAndActivate();
    std::vector<std::string> seen;
    form->note->onClick = [&] { seen.push_back("lblNote.Click"); };
    form->note->onDblClick = [&] { seen.push_back("lblNote.DblClick"); };
    form->note->onMouseUp = [&](int button, int shift, double x, double y) {
        seen.push_back("lblNote.MouseUp " + std::to_string(button) + "/" + std::to_string(shift) + " " +
                       std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
    form->background->onClick = [&] { seen.push_back("imgBack.Click"); };
    form->onMouseUp = [&](int button, int, double x, double y) {
        seen.push_back("Form.MouseUp " + std::to_string(button) + " " + std::to_string(int(x)) + "," +
                       std::to_string(int(y)));
    };

    QTest::mouseClick(widget("lblNote"), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 4));
    QTest::mouseClick(widget("lblNote"), Qt::LeftButton, Qt::NoModifier, QPoint(10, 4));
    DoubleClick(widget("lblNote"), QPoint(10, 4));
    QTest::mouseClick(widget("imgBack"), Qt::LeftButton, Qt::NoModifier, QPoint(300, 120));
    EXPECT_EQ(seen, (std::vector<std::string>{"lblNote.MouseUp 2/1 150,60", "lblNote.MouseUp 1/0 150,60",
                                              "lblNote.Click", "lblNote.MouseUp 1/0 150,60", "lblNote.Click",
                                              "lblNote.DblClick", "lblNote.MouseUp 1/0 150,60", "imgBack.Click"}))
        << "a double click's second release is no click; the form's MouseUp is not the picture's";
}

TEST_F(FormInputTest, RightClickOnTheFormOrAButtonIsAMouseUp) {
    showAndActivate();
    std::vector<std::string> seen;
    form->onMouseUp = [&](int button, int, double x, double y) {
        seen.push_back("Form " + std::to_string(button) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
    form->cancel->onMouseUp = [&](int button, int, double, double) {
        seen.push_back("Cancel " + std::to_string(button));
    };
    form->background->setVisible(false);
    QTest::mouseClick(widget("client"), Qt::RightButton, Qt::NoModifier, QPoint(380, 240));
    QTest::mouseClick(widget("cmdCancel"), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(seen, (std::vector<std::string>{"Form 2 5700,3600", "Cancel 2"}));
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "cmdCancel.Click"), 0) << "a right click is no click";
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "cmdCancel.GotFocus"), 0) << "nor does it take the focus";
}

TEST_F(FormInputTest, OpeningAMenuRaisesItsClickBeforeItShows) {
    showAndActivate();
    form->file->onClick = [&] {
        form->log.push_back("mnuFile.Click");
        form->open->setChecked(true);  // the handler prepares the items
    };
    QMenu* fileMenu = menuBarMenu(0);
    fileMenu->popup(window()->mapToGlobal(QPoint(0, 20)));
    EXPECT_EQ(form->log, Log{"mnuFile.Click"});
    EXPECT_TRUE(fileMenu->actions()[0]->isChecked());
    QMenu* recent = fileMenu->actions()[2]->menu<QMenu*>();
    recent->popup(window()->mapToGlobal(QPoint(100, 40)));
    recent->actions()[0]->trigger();
    EXPECT_EQ(form->log, (Log{"mnuFile.Click", "mnuFileRecent.Click", "mnuRecent.Click"}));
    recent->close();
    fileMenu->close();
}

TEST_F(FormInputTest, TheModelDecidesAChosenItemsCheckMark) {
    showAndActivate();
    QAction* grid = menuBarMenu(1)->actions()[0];
    grid->trigger();
    EXPECT_EQ(form->log, Log{"mnuViewGrid.Click"});
    EXPECT_FALSE(form->grid->Checked());
    EXPECT_FALSE(grid->isChecked());
    form->grid->onClick = [] {};  // leaves the check mark alone
    form->grid->setChecked(true);
    grid->trigger();
    EXPECT_TRUE(grid->isChecked());
    form->view->setEnabled(false);
    form->grid->onClick = [&] { form->log.push_back("disabled menu clicked"); };
    grid->trigger();
    EXPECT_EQ(form->log, Log{"mnuViewGrid.Click"});
}

TEST_F(FormInputTest, APopupMenuClicksTheMenuThenTheChosenItem) {
    showAndActivate();
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    form->PopupMenu(*form->file);
    EXPECT_EQ(form->log, (Log{"mnuFile.Click", "mnuFileOpen.Click"}));
}

// Closes every open menu and takes the keyboard back from the menu bar.
void CloseMenus(QWidget* window) {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    static_cast<QMainWindow*>(window)->menuBar()->setActiveAction(nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(FormInputTest, AMenuTitlesAccessKeyOpensItsMenuBeforeAControlWithTheSameKey) {
    form->inner->setCaption("&File list");   // collides with "&File"
    form->kinds->setCaption("&View kinds");  // collides with "&View"
    auto& kind = form->add<ui::TextBox>("txtKind", -1, form->kinds);
    kind.Move(150, 1000, 1800, 330);
    showAndActivate();

    QTest::keyClick(window(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), menuBarMenu(0));
    CloseMenus(window());
    QTest::keyClick(window(), Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), menuBarMenu(1));
    CloseMenus(window());
    QTest::qWait(200);  // a button's shortcut clicks it a moment later
    EXPECT_EQ(form->log, (Log{"mnuFile.Click", "mnuView.Click"})) << "the button is neither focused nor clicked";
    EXPECT_FALSE(widget("cmdInner")->hasFocus());
    EXPECT_FALSE(widget("txtKind")->hasFocus()) << "nor what the frame holds";
    EXPECT_EQ(widget<QPushButton>("cmdInner")->text(), "&File list") << "the underline still shows";

    // A key no menu title takes still works for its button.
    form->log.clear();
    QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->log.empty(); }, 1000));
    EXPECT_EQ(form->log, (Log{"cmdCancel.GotFocus", "cmdCancel.Click"}));

    // A title that changes its key, or hides, hands the key back.
    form->file->setCaption("&Groceries");
    form->log.clear();
    QTest::keyClick(window(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->log.empty(); }, 1000));
    EXPECT_EQ(form->log, (Log{"cmdInner.GotFocus", "cmdInner.Click"}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    form->view->setVisible(false);
    QTest::keyClick(window(), Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget("txtKind")->hasFocus(); }, 1000))
        << "the frame's key focuses what it holds";
}

TEST_F(FormInputTest, F10OpensTheFirstMenuThatCanOpen) {
    showAndActivate();
    form->ok->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), menuBarMenu(0));
    CloseMenus(window());

    form->file->setEnabled(false);
    QTest::keyClick(window(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), menuBarMenu(1)) << "a disabled menu is passed over";
    CloseMenus(window());

    // A form that takes F10 itself keeps it.
    form->setKeyPreview(true);
    form->onKeyDown = [](int& key, int) {
        if (key == 121) key = 0;
    };
    QTest::keyClick(window(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(FormInputTest, TheUsersResizeAndStateReachTheModel) {
    showAndActivate();
    window()->resize(500, 300);
    // The outer size, with the frame the desktop really draws.
    const QSize outer = window()->frameGeometry().size();
    EXPECT_EQ(outer, QSize(504, 304)) << "the offscreen desktop's frame is 2 pixels wide";
    EXPECT_EQ(form->Width(), outer.width() * 15);
    EXPECT_EQ(form->Height(), outer.height() * 15);
    EXPECT_EQ(form->ScaleHeight(), 280 * 15);
    EXPECT_EQ(form->log, Log{"Resize"});

    window()->showMaximized();
    EXPECT_EQ(form->windowState(), ui::WindowState::Maximized);
    window()->showNormal();
    EXPECT_EQ(form->windowState(), ui::WindowState::Normal);
    EXPECT_EQ(form->Width(), outer.width() * 15);
}

TEST_F(FormInputTest, TheCloseBoxAsksTheFormWhichMayRefuse) {
    showAndActivate();
    bool refuse = true;
    form->onQueryUnload = [&](bool& cancel, ui::UnloadMode mode) {
        form->log.push_back("QueryUnload " + std::to_string(int(mode)));
        cancel = refuse;
    };
    QPointer<QWidget> shown = window();
    shown->close();
    EXPECT_TRUE(form->isLoaded());
    EXPECT_TRUE(shown->isVisible());
    refuse = false;
    shown->close();
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(windows.windowOf(*form), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(form->log, (Log{"QueryUnload 0", "QueryUnload 0"}));
}

TEST_F(FormInputTest, UnloadingTheFormFromItsOwnClickHandlerIsSafe) {
    showAndActivate();
    form->cancel->onClick = [&] { form->Unload(); };
    QPointer<QWidget> shown = window();
    QTest::mouseClick(widget("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_TRUE(runtime.ended()) << "the last form went";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
}

TEST_F(FormInputTest, UnloadingFromAMenuOrAKeyIsSafeToo) {
    auto second = std::make_unique<SampleWindowForm>(runtime, WriteBackgroundPicture(folder.path()));
    second->Show();
    showAndActivate();
    form->open->onClick = [&] { form->Unload(); };
    menuBarMenu(0)->actions()[0]->trigger();
    EXPECT_FALSE(form->isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    second->setKeyPreview(true);
    second->onKeyDown = [&](int& key, int) {
        if (key == ui::keys::F12) second->Unload();
    };
    QWidget* secondWindow = windows.windowOf(*second);
    secondWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(secondWindow));
    QTest::keyClick(secondWindow, Qt::Key_F12);
    EXPECT_FALSE(second->isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FormInputTest, AModalFormRunsUntilItIsUnloaded) {
    showAndActivate();
    SampleWindowForm dialog(runtime, WriteBackgroundPicture(folder.path()));
    dialog.ok->onClick = [&] { dialog.Unload(); };
    bool blocked = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = windows.windowOf(dialog);
        ASSERT_NE(shown, nullptr);
        blocked = QApplication::activeModalWidget() == shown;
        QTest::mouseClick(shown->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
    });
    dialog.ShowModal();
    EXPECT_TRUE(blocked);
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(runtime.activeForm(), form.get());
}

}  // namespace
}  // namespace platform::qt::testing
