// A captioned frame that holds other controls; its access key focuses what it holds.
#include <QGroupBox>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/ui/panel.h"

namespace platform::qt {

namespace {

// A group box whose title's access key can be switched off while the title,
// underline and all, still shows.
class FrameBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    void showTitle(const QString& title, bool keyWorks) {
        setTitle(QString());  // the box grabs its key afresh only for a new title
        setTitle(title);
        const QKeySequence key = QKeySequence::mnemonic(title);
        if (keyWorks || key.isEmpty()) return;
        // The box keeps its key's id to itself. Ids are handed out in steps,
        // so two fresh grabs tell the step and hence the box's own id;
        // switching off an id the box does not own changes nothing.
        const int first = grabShortcut(key);
        const int second = grabShortcut(key);
        releaseShortcut(first);
        releaseShortcut(second);
        setShortcutEnabled(first - (second - first), false);
    }
};

class FrameView final : public ControlView {
public:
    FrameView(Runtime& runtime, ui::Frame& frame, QWidget& parent)
        : ControlView(runtime, frame, *new FrameBox(&parent)), frame_(frame) {}

    bool clicksOnRelease() const override { return true; }

private:
    // The title is set with its key's state at once.
    void applyCaption() override {}
    void applyAccessKey() override {
        static_cast<FrameBox&>(widget()).showTitle(ToQt(frame_.Caption()), !accessKeyTaken());
    }

    ui::Frame& frame_;
};

}  // namespace

std::unique_ptr<ControlView> MakeFrameView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<FrameView>(runtime, static_cast<ui::Frame&>(control), parent);
}

}  // namespace platform::qt
