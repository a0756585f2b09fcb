// A timer: a hidden widget whose Qt timer tells the model each time an
// interval has passed. The model decides whether that raises Timer.
#include <QTimer>
#include <QWidget>

#include "platform/qt/views/control_view.h"
#include "platform/ui/timer.h"

namespace platform::qt {

namespace {

class TimerView final : public ControlView {
public:
    TimerView(Runtime& runtime, ui::Timer& model, QWidget& parent)
        : ControlView(runtime, model, *new QWidget(&parent)), model_(model) {
        widget().setFocusPolicy(Qt::NoFocus);
        connect(&timer_, &QTimer::timeout, this, [this] { report([this] { model_.userElapsed(); }, [] {}); });
    }

private:
    void applyValue() override {
        if (model_.Interval() > 0) timer_.start(model_.Interval());
        else timer_.stop();
    }

    ui::Timer& model_;
    QTimer timer_;
};

}  // namespace

std::unique_ptr<ControlView> MakeTimerView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<TimerView>(runtime, static_cast<ui::Timer&>(control), parent);
}

}  // namespace platform::qt
