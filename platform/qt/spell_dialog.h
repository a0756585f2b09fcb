#pragma once
#include <QDialog>

#include "platform/services/spelling.h"

class QLineEdit;
class QListWidget;

namespace platform::qt {

// The dialog that asks about one unknown word: the word, what to change it
// to, the suggestions, and Change, Change All, Ignore, Ignore All, Cancel
// and Help. Esc and the close box cancel.
class SpellWordDialog : public QDialog {
public:
    SpellWordDialog(QWidget* parent, const SpellQuestion& question, std::function<void()> help);

    SpellAnswer answer() const;

private:
    void choose(SpellAction action);

    QLineEdit* changeTo_;
    QListWidget* suggestions_;
    SpellAction action_ = SpellAction::Cancel;
};

class QtSpellDialog : public SpellDialog {
public:
    SpellAnswer Ask(const SpellQuestion& question, const std::function<void()>& help) override;
};

}  // namespace platform::qt
