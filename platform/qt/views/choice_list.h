#pragma once
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/views/shown_entries.h"

namespace platform::qt {

// The open list of a list box or of a simple combo box. It reports each of
// the user's choices once, by mouse or keyboard, and pressing the chosen
// entry again too (a choice Qt does not report); the entries and choice the
// model shows never come back as the user's, nor does the focus entering
// the list choose anything.
class ChoiceList final : public QListWidget {
public:
    explicit ChoiceList(QWidget* parent);

    std::function<void(int row)> onChosen;

    void showEntries(const std::vector<std::string>& entries, int chosen);
    // -1 chooses none.
    void showChoice(int chosen);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void chosen(int row);

    // The chosen entry's row while the left button presses it again, else -1.
    int pressedAgain_ = -1;
    ShownEntries entries_;
    bool showing_ = false;
};

}  // namespace platform::qt
