// What the model says reaches the screen: windows, controls, menus, pictures.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

class FormWindowTest : public QtFormTest {
protected:
    // Shown and on the screen, where the window learns the desktop's frame.
    void showOnScreen() {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    }
};

QMenuBar* MenuBarOf(QWidget* window) { return static_cast<QMainWindow*>(window)->menuBar(); }

TEST_F(FormWindowTest, ShowingAFormOpensATopLevelWindowWithItsCaption) {
    EXPECT_EQ(window(), nullptr);
    showOnScreen();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isWindow());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), QString::fromUtf8("Caf\u00e9 sample"));
    // Position and size are the outer ones, frame included: 6000 x 4500 twips.
    EXPECT_EQ(window()->frameGeometry(), QRect(80, 60, 400, 300));
    // Inside the offscreen desktop's 2-pixel frame: the menu bar and the client area.
    EXPECT_EQ(window()->size(), QSize(396, 296));
    EXPECT_EQ(static_cast<QMainWindow*>(window())->centralWidget()->size(), QSize(396, 276));
}

TEST_F(FormWindowTest, TheDesktopsRealFrameReplacesTheAssumedOne) {
    const ui::FrameMetrics assumed;
    EXPECT_EQ(windows.frameMetrics(), assumed) << "until a window is on the screen";
    runtime.load(*form);
    form->log.clear();
    showOnScreen();
    const QMargins real = window()->windowHandle()->frameMargins();
    const ui::FrameMetrics measured = windows.frameMetrics();
    EXPECT_EQ(measured.left, real.left() * 15);
    EXPECT_EQ(measured.top, real.top() * 15);
    EXPECT_EQ(measured.right, real.right() * 15);
    EXPECT_EQ(measured.bottom, real.bottom() * 15);
    EXPECT_EQ(measured.menuBar, assumed.menuBar);
    EXPECT_NE(measured, assumed);
    EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "Resize"), 1) << "the inside changed";
    EXPECT_EQ(form->ScaleWidth(), 396 * 15);

    // A window shown later takes the real frame at once.
    SampleWindowForm second(runtime, WriteBackgroundPicture(folder.path()));
    second.Move(0, 0, 4500, 3000);
    second.Show();
    QWidget* secondWindow = windows.windowOf(second);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(secondWindow));
    EXPECT_EQ(secondWindow->frameGeometry().size(), QSize(300, 200));
    EXPECT_EQ(windows.frameMetrics(), measured);

    // Maximised, the outer window fills the screen's free area.
    second.setWindowState(ui::WindowState::Maximized);
    EXPECT_EQ(secondWindow->frameGeometry(), secondWindow->screen()->availableGeometry());
    second.Unload();
}

// Maximised before any window showed the desktop's real frame, a window's
// outer size is still the screen's free area, so that a window given its size
// (an activity window over the start window) fits on the screen.
TEST_F(FormWindowTest, AMaximisedWindowsSizeIsTheScreensFreeAreaWhateverItsFrame) {
    form->setBorderStyle(ui::BorderStyle::FixedSingle);
    form->setWindowState(ui::WindowState::Maximized);
    showOnScreen();
    QApplication::processEvents();
    const QRect area = window()->screen()->availableGeometry();
    EXPECT_EQ(form->Width(), area.width() * 15);
    EXPECT_EQ(form->Height(), area.height() * 15);

    SampleWindowForm over(runtime, WriteBackgroundPicture(folder.path()));
    over.setBorderStyle(ui::BorderStyle::FixedSingle);
    over.setMaxButton(false);
    over.Move(form->Left(), form->Top(), form->Width(), form->Height());
    over.Show();
    QWidget* overWindow = windows.windowOf(over);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overWindow));
    EXPECT_NE(windows.frameMetrics(), ui::FrameMetrics{}) << "the real frame is known now";
    EXPECT_EQ(overWindow->frameGeometry(), area);
    over.Unload();
}

TEST_F(FormWindowTest, ControlsSitAtTheirTwipsGeometryInTheirContainers) {
    form->Show();
    struct Case {
        const char* name;
        QRect pixels;
        const char* parent;
    };
    const Case cases[] = {
        {"lblHeading", {16, 10, 280, 24}, "client"}, {"cmdOK", {224, 192, 72, 25}, "client"},
        {"cmdCancel", {304, 192, 72, 25}, "client"}, {"pnlShelves", {16, 40, 200, 100}, "client"},
        {"lblNote", {8, 6, 100, 32}, "pnlShelves"},  {"cmdInner", {8, 64, 80, 25}, "pnlShelves"},
        {"fraKinds", {232, 40, 144, 100}, "client"}, {"lblKinds", {10, 24, 124, 60}, "fraKinds"},
        {"txtShelf", {16, 152, 200, 22}, "client"},  {"imgBack", {0, 0, 392, 249}, "client"},
    };
    for (const Case& c : cases) {
        QWidget* w = widget(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.pixels) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent) << c.name;
    }
}

TEST_F(FormWindowTest, EachKindShowsAsItsWidgetWithItsCaption) {
    form->Show();
    ASSERT_NE(widget<QLabel>("lblHeading"), nullptr);
    EXPECT_EQ(widget<QLabel>("lblHeading")->text(), "Name & address");
    EXPECT_EQ(widget<QLabel>("lblNote")->text(), "Pantry\nshelves");
    ASSERT_NE(widget<QPushButton>("cmdCancel"), nullptr);
    EXPECT_EQ(widget<QPushButton>("cmdCancel")->text(), "&Cancel");
    EXPECT_TRUE(widget<QPushButton>("cmdOK")->isDefault());
    ASSERT_NE(widget<QFrame>("pnlShelves"), nullptr);
    EXPECT_EQ(widget<QFrame>("pnlShelves")->frameShadow(), QFrame::Raised);
    ASSERT_NE(widget<QGroupBox>("fraKinds"), nullptr);
    EXPECT_EQ(widget<QGroupBox>("fraKinds")->title(), "&Kinds");
    EXPECT_TRUE(widget<QLabel>("lblKinds")->wordWrap()) << "a label of fixed size wraps";
    ASSERT_NE(widget<QLabel>("imgBack"), nullptr);
    EXPECT_FALSE(widget<QLabel>("imgBack")->pixmap().isNull());
    EXPECT_TRUE(widget<QLabel>("imgBack")->hasScaledContents());
    ASSERT_NE(widget<QLineEdit>("txtShelf"), nullptr);
    EXPECT_EQ(widget<QLineEdit>("txtShelf")->text(), "Top shelf");
    EXPECT_TRUE(widget("txtShelf")->focusPolicy() & Qt::TabFocus);
}

TEST_F(FormWindowTest, PicturesLieBelowTheControlsAddedBeforeThem) {
    form->Show();
    QWidget* client = widget("client");
    QList<QWidget*> stack;
    for (QObject* child : client->children())
        if (child->isWidgetType()) stack.push_back(static_cast<QWidget*>(child));
    ASSERT_FALSE(stack.empty());
    EXPECT_EQ(stack.front()->objectName(), "imgBack");
    EXPECT_EQ(client->childAt(230, 200)->objectName(), "cmdOK");
    // A label, drawn on its container, lies below the windowed controls
    // whatever the order they came in, and above the pictures.
    const auto at = [&](const char* name) { return stack.indexOf(widget(name)); };
    EXPECT_LT(at("lblHeading"), at("cmdOK"));
    EXPECT_GT(at("lblHeading"), at("imgBack"));
    form->ok->Move(240, 150, 1500, 450);  // over the heading
    EXPECT_EQ(client->childAt(20, 15)->objectName(), "cmdOK");
}

TEST_F(FormWindowTest, APictureThatCannotBeReadShowsNothing) {
    form->background->clearPicture();
    form->Show();
    EXPECT_TRUE(widget<QLabel>("imgBack")->pixmap().isNull());
    ASSERT_TRUE(form->background->LoadPicture(WriteBackgroundPicture(folder.path())));
    EXPECT_FALSE(widget<QLabel>("imgBack")->pixmap().isNull());
}

TEST_F(FormWindowTest, PropertyChangesInTheModelReachTheWidgetsAtOnce) {
    form->Show();
    form->setCaption("Shopping list \x80");
    EXPECT_EQ(window()->windowTitle(), QString::fromUtf8("Shopping list \u20ac"));

    form->heading->setCaption("Total: 3 && more");
    EXPECT_EQ(widget<QLabel>("lblHeading")->text(), "Total: 3 & more");

    form->cancel->setVisible(false);
    EXPECT_TRUE(widget("cmdCancel")->isHidden());
    form->cancel->setVisible(true);
    EXPECT_FALSE(widget("cmdCancel")->isHidden());

    form->panel->setEnabled(false);
    EXPECT_FALSE(widget("pnlShelves")->isEnabled());
    EXPECT_FALSE(widget("cmdInner")->isEnabled()) << "a disabled container disables what it holds";

    form->panel->setBackColor(ui::colors::PureRed);
    EXPECT_EQ(widget("pnlShelves")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(widget("pnlShelves")->autoFillBackground());
    form->setBackColor(ui::colors::WindowBackground);
    EXPECT_EQ(widget("client")->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Base));

    ui::Font font = form->ok->font();
    font.bold = true;
    font.size = 10.5;
    form->ok->setFont(font);
    EXPECT_TRUE(widget("cmdOK")->font().bold());
    EXPECT_DOUBLE_EQ(widget("cmdOK")->font().pointSizeF(), 10.5);

    form->ok->Move(3000, 3000, 1500, 450);
    EXPECT_EQ(widget("cmdOK")->geometry(), QRect(200, 200, 100, 30));

    form->ok->setToolTipText("Keep the list");
    EXPECT_EQ(widget("cmdOK")->toolTip(), "Keep the list");

    // Out of the Tab order, a button still takes the focus by a click where it did.
    const Qt::FocusPolicy policy = widget("cmdOK")->focusPolicy();
    ASSERT_TRUE(policy & Qt::TabFocus);
    form->ok->setTabStop(false);
    EXPECT_FALSE(widget("cmdOK")->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(widget("cmdOK")->focusPolicy() & Qt::ClickFocus, policy & Qt::ClickFocus);
    form->ok->setTabStop(true);
    EXPECT_EQ(widget("cmdOK")->focusPolicy(), policy);
}

TEST_F(FormWindowTest, TheWindowFollowsTheFormsSizeAndState) {
    showOnScreen();
    form->log.clear();
    form->Move(0, 0, 7620, 5400);
    EXPECT_EQ(window()->frameGeometry(), QRect(0, 0, 508, 360));
    EXPECT_EQ(form->Width(), 7620) << "the window's own resize is no user resize";
    EXPECT_EQ(form->log, std::vector<std::string>{"Resize"});

    form->setWindowState(ui::WindowState::Maximized);
    EXPECT_TRUE(window()->isMaximized());
    form->setWindowState(ui::WindowState::Normal);
    EXPECT_FALSE(window()->isMaximized());
}

// Stands for a window manager that keeps the size the user dragged to for a
// few more events, ignoring the program's requests meanwhile.
class StubbornDesktop : public QObject {
public:
    StubbornDesktop(QWidget& window, QSize dragged, int refusals)
        : window_(&window), dragged_(dragged), refusals_(refusals) {}
    bool done() const { return refusals_ == 0; }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Resize || refusals_ == 0) return false;
        if (static_cast<QResizeEvent*>(event)->size() == dragged_) return false;
        --refusals_;
        QTimer::singleShot(0, window_, [window = window_, size = dragged_] { window->resize(size); });
        return false;
    }

private:
    QPointer<QWidget> window_;
    QSize dragged_;
    int refusals_;
};

TEST_F(FormWindowTest, AFixedBorderUndoesAResizeByHand) {
    form->setBorderStyle(ui::BorderStyle::FixedSingle);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    EXPECT_TRUE(window()->windowFlags() & Qt::WindowMaximizeButtonHint) << "it still maximises";
    const QSize designed = window()->size();
    form->log.clear();

    const QSize dragged = designed + QSize(120, 80);
    StubbornDesktop desktop(*window(), dragged, 3);
    window()->installEventFilter(&desktop);
    window()->resize(dragged);  // the user drags the border
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.done() && window()->size() == designed; }, 3000))
        << "the form's size wins once the desktop gives in";
    QTest::qWait(150);
    EXPECT_EQ(window()->size(), designed);
    EXPECT_EQ(form->Width(), 6000);
    EXPECT_EQ(form->Height(), 4500);
    EXPECT_TRUE(form->log.empty()) << "no Resize for a size that did not stick";
    window()->removeEventFilter(&desktop);

    // The size changes by maximising, and comes back by restoring.
    form->setWindowState(ui::WindowState::Maximized);
    EXPECT_TRUE(window()->isMaximized());
    EXPECT_GT(window()->width(), designed.width());
    form->setWindowState(ui::WindowState::Normal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window()->size() == designed; }, 3000));
}

TEST_F(FormWindowTest, TheMenuBarMirrorsTheMenusLive) {
    showOnScreen();
    QMenuBar* bar = MenuBarOf(window());
    ASSERT_TRUE(bar->isVisible());
    ASSERT_EQ(bar->actions().size(), 2);
    QAction* fileAction = bar->actions()[0];
    EXPECT_EQ(fileAction->text(), "&File");
    QMenu* fileMenu = fileAction->menu<QMenu*>();
    ASSERT_NE(fileMenu, nullptr);
    const auto items = fileMenu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "&Open...");
    EXPECT_TRUE(items[1]->isSeparator());
    ASSERT_NE(items[2]->menu<QMenu*>(), nullptr);
    EXPECT_EQ(items[2]->menu<QMenu*>()->actions()[0]->text(), "&1 Pantry list");

    QAction* grid = bar->actions()[1]->menu<QMenu*>()->actions()[0];
    EXPECT_TRUE(grid->isChecked());
    form->grid->setChecked(false);
    EXPECT_FALSE(grid->isChecked());
    form->open->setEnabled(false);
    EXPECT_FALSE(items[0]->isEnabled());
    form->open->setCaption("&Load...");
    EXPECT_EQ(items[0]->text(), "&Load...");
    form->recent->setVisible(false);
    EXPECT_FALSE(items[2]->isVisible());

    form->file->setVisible(false);
    form->view->setVisible(false);
    EXPECT_FALSE(bar->isVisible()) << "no visible menu, no menu bar";
    EXPECT_EQ(static_cast<QMainWindow*>(window())->centralWidget()->height(), 296);
}

TEST_F(FormWindowTest, TextIsMeasuredInTwipsLineByLine) {
    ui::Font font;
    const ui::TextExtent one = windows.measureText(font, "Pantry");
    const ui::TextExtent two = windows.measureText(font, "Pantry\r\nshelves and more");
    const ui::TextExtent widest = windows.measureText(font, "shelves and more");
    EXPECT_GT(one.width, 0);
    EXPECT_EQ(one.width % 15, 0);
    EXPECT_EQ(two.width, widest.width);
    EXPECT_GT(two.height, one.height);
    EXPECT_EQ(windows.measureText(font, "a\rb").height, windows.measureText(font, "a\nb").height);

    form->Show();
    form->note->setAutoSize(true);
    const ui::TextExtent note = windows.measureText(form->note->font(), form->note->Caption());
    EXPECT_EQ(widget("lblNote")->size(), QSize(note.width / 15, note.height / 15));
}

// Where ink falls when the text is drawn without any clipping.
QRect InkOf(const QString& text, const QFont& font) {
    QImage canvas(2000, 1000, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, canvas.width(), canvas.height()), Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) != 0) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(FormWindowTest, AnAutoSizedLabelHasRoomForEveryLineAndLetterItDraws) {
    const char* caption =
        "Pantrivo\r4.5\r\rRecipes, shopping lists, menus and food storage\rfor the home kitchen.\r\r"
        "Made by the Pantrivo team.\rTables and print preview: Pantrivo's own components.";
    struct Case {
        const char* name;
        double size;
        bool bold;
        bool italic;
    };
    const Case cases[] = {
        {"Arial", 8.25, false, false},           {"Arial", 9, true, false},
        {"Arial", 10.75, true, false},           {"Arial", 12, false, true},
        {"Times New Roman", 11.25, false, true}, {"Arial", 30, true, false},
    };
    showOnScreen();
    form->note->setAutoSize(true);
    form->note->setCaption(caption);
    for (const Case& c : cases) {
        form->note->setFont({c.name, c.size, c.bold, c.italic});
        auto* label = widget<QLabel>("lblNote");
        const QString what = QStringLiteral("%1 %2%3%4")
                                 .arg(c.name)
                                 .arg(c.size)
                                 .arg(c.bold ? " bold" : "")
                                 .arg(c.italic ? " italic" : "");
        EXPECT_TRUE(QRect(QPoint(), label->size()).contains(QRect(QPoint(), label->sizeHint())))
            << what.toStdString() << ": the label's own layout needs " << label->sizeHint().width() << "x"
            << label->sizeHint().height() << ", has " << label->width() << "x" << label->height();
        const QRect ink = InkOf(label->text(), label->font());
        EXPECT_TRUE(QRect(QPoint(), label->size()).contains(ink))
            << what.toStdString() << ": ink reaches " << ink.right() << "," << ink.bottom();
    }
}

TEST_F(FormWindowTest, TheScreenshotShowsTheFinishedWindow) {
    showOnScreen();
    QCoreApplication::processEvents();
    const QImage shot = windows.grab(*form);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), window()->size());
    ASSERT_TRUE(QDir().mkpath(PANTRIVO_SCREENSHOT_DIR));
    EXPECT_TRUE(shot.save(PANTRIVO_SCREENSHOT_DIR "/qt-sample-form.png"));

    // The panel's own colour, and the picture behind the heading.
    const int menuBar = 20;
    const qreal scale = shot.devicePixelRatio();
    const QColor panel = shot.pixelColor(QPointF(QPointF(16 + 150, menuBar + 40 + 20) * scale).toPoint());
    EXPECT_EQ(panel, QColor(250, 244, 230));
    const QColor picture = shot.pixelColor(QPointF(QPointF(380, menuBar + 5) * scale).toPoint());
    EXPECT_NEAR(picture.red(), 238, 12);
    EXPECT_NEAR(picture.blue(), 200, 16);
}

}  // namespace
}  // namespace platform::qt::testing
