// The desktop's dialogs, pointer, screen and clock through Qt.
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

TEST(QtServicesTest, MessageBoxesAnswerWithTheButtonPressedAndEscapeMeansCancelOrTheLastAnswer) {
    struct Case {
        MsgButtons buttons;
        int defaultButton;
        Qt::Key key;
        int expected;
    };
    const Case cases[] = {
        {MsgButtons::OK, 1, Qt::Key_Return, answer::OK},
        {MsgButtons::OK, 1, Qt::Key_Escape, answer::OK},
        {MsgButtons::OKCancel, 1, Qt::Key_Escape, answer::Cancel},
        {MsgButtons::YesNoCancel, 2, Qt::Key_Return, answer::No},
        {MsgButtons::YesNoCancel, 1, Qt::Key_Escape, answer::Cancel},
        {MsgButtons::YesNo, 1, Qt::Key_Escape, answer::No},
        {MsgButtons::YesNo, 1, Qt::Key_Return, answer::Yes},
        {MsgButtons::AbortRetryIgnore, 2, Qt::Key_Return, answer::Retry},
        {MsgButtons::RetryCancel, 1, Qt::Key_Escape, answer::Cancel},
    };
    QtServices desktop;
    for (const Case& c : cases) {
        QString shownText;
        WhenTheDialogOpens([&](QWidget& box) {
            shownText = static_cast<QMessageBox&>(box).text();
            QTest::keyClick(&box, c.key);
        });
        MessageBoxRequest request;
        request.title = "Pantry";
        request.text = "Line one\rLine two\r\nCaf\xE9";
        request.buttons = c.buttons;
        request.defaultButton = c.defaultButton;
        request.icon = MsgIcon::Question;
        EXPECT_EQ(desktop.dialogs.MessageBox(request), c.expected) << int(c.buttons) << " key " << c.key;
        EXPECT_EQ(shownText, QString::fromUtf8("Line one\nLine two\nCaf\u00e9"));
    }
}

TEST(QtServicesTest, TheInputBoxReturnsWhatWasTypedOrNothingOnCancel) {
    QtServices desktop;
    InputBoxRequest request;
    request.title = "New shelf";
    request.prompt = "Name of the shelf:\rat most 20 letters";
    request.defaultText = "Shelf 1";
    request.left = 1500;
    request.top = 3000;

    QString preset;
    QPoint shownAt;
    WhenTheDialogOpens([&](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>();
        preset = edit->selectedText();
        shownAt = dialog.pos();
        edit->insert(QString::fromUtf8("Cr\u00e8me \u4e2d"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(desktop.dialogs.InputBox(request), "Cr\xE8me ?");
    EXPECT_EQ(preset, "Shelf 1") << "the start text is selected, typing replaces it";
    EXPECT_EQ(shownAt, QPoint(100, 200));

    WhenTheDialogOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(desktop.dialogs.InputBox(request), "");
}

// A dialog's frame: a close box only, no minimising or maximising, a size
// of its own, kept above the window it was opened from.
void ExpectDialogFrame(const QWidget& dialog) {
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";
    EXPECT_EQ(dialog.size(), dialog.minimumSize());
}

using DialogFrameTest = QtFormTest;

TEST_F(DialogFrameTest, TheInputBoxHasADialogFrameAboveTheWindowItCameFrom) {
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QWindow* owner = window()->windowHandle();
    QWindow* transientParent = nullptr;
    WhenTheDialogOpens([&](QWidget& dialog) {
        ExpectDialogFrame(dialog);
        transientParent = dialog.windowHandle()->transientParent();
        dialog.showMaximized();  // as a desktop's maximise would ask
        EXPECT_EQ(dialog.size(), dialog.minimumSize()) << "no maximising it";
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    services.dialogs.InputBox({"Code Box", "Enter Code Now", "", 2800, 1800});
    EXPECT_EQ(transientParent, owner);
}

TEST_F(DialogFrameTest, AFixedDialogFormHasADialogFrameWhateverItsButtons) {
    form->setBorderStyle(ui::BorderStyle::FixedDialog);
    form->setMinButton(true);
    form->setMaxButton(true);
    form->Show();
    ExpectDialogFrame(*window());

    // A fixed single border keeps a normal window's buttons.
    SampleWindowForm plain(runtime, WriteBackgroundPicture(folder.path()));
    plain.setBorderStyle(ui::BorderStyle::FixedSingle);
    plain.Show();
    QWidget* plainWindow = windows.windowOf(plain);
    EXPECT_EQ(plainWindow->windowType(), Qt::Window);
    EXPECT_TRUE(plainWindow->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(plainWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
    plain.Unload();
}

TEST(QtServicesTest, TheBusyPointerIsOneForTheWholeProgram) {
    QtServices desktop;
    desktop.display.SetBusyPointer(true);
    desktop.display.SetBusyPointer(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.display.SetBusyPointer(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "one call turns it off, however often it was turned on";
    QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
    desktop.display.SetBusyPointer(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtServicesTest, ScreenAndClockAreTheDesktops) {
    QtServices desktop;
    const QSize pixels = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(desktop.display.Screen().width, pixels.width() * 15);
    EXPECT_EQ(desktop.display.Screen().height, pixels.height() * 15);

    // The local wall-clock fields, read straight off the number.
    const QDateTime before = QDateTime::currentDateTime();
    const LocalTime now = desktop.clock.Now();
    const QDateTime asUtc = QDateTime::fromMSecsSinceEpoch(now.count(), Qt::UTC);
    const QDateTime fieldsAsLocal(asUtc.date(), asUtc.time());
    EXPECT_GE(before.msecsTo(fieldsAsLocal), 0);
    EXPECT_LT(before.msecsTo(fieldsAsLocal), 2000);

    const auto start = std::chrono::steady_clock::now();
    desktop.clock.Sleep(std::chrono::milliseconds(30));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

}  // namespace
}  // namespace platform::qt::testing
