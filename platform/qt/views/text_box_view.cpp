// A text box: a one-line edit, or a plain text editor for a MultiLine box.
// What the user types, pastes, cuts or undoes goes to the model; the model's
// own text shows without coming back as the user's, and text the widget
// already shows is left alone, cursor and all.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <algorithm>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/text_box.h"

namespace platform::qt {

namespace {

// The widget is chosen once: MultiLine is a design setting.
QWidget& NewEditor(const ui::TextBox& box, QWidget& parent) {
    if (!box.MultiLine()) return *new QLineEdit(&parent);
    auto* editor = new QPlainTextEdit(&parent);
    // Tab moves on to the next control, as in every other box.
    editor->setTabChangesFocus(true);
    return *editor;
}

// The model keeps line breaks as CR LF.
std::string ModelTextOf(const QString& shown, bool multiLine) {
    std::string text = FromQt(shown);
    if (!multiLine) return text;
    std::string withReturns;
    for (const char c : text) {
        if (c == '\n') withReturns += '\r';
        withReturns += c;
    }
    return withReturns;
}

class TextBoxView final : public ControlView {
public:
    TextBoxView(Runtime& runtime, ui::TextBox& box, QWidget& parent)
        : ControlView(runtime, box, NewEditor(box, parent)), box_(box) {
        widget().setFocusPolicy(Qt::StrongFocus);
        if (QLineEdit* line = lineEdit()) {
            connect(line, &QLineEdit::textEdited, this, [this] { userEdited(); });
        } else {
            QPlainTextEdit* lines = textEdit();
            watchMouseOf(*lines->viewport());
            connect(lines, &QPlainTextEdit::textChanged, this, [this] { userEdited(); });
        }
    }

private:
    QLineEdit* lineEdit() const { return qobject_cast<QLineEdit*>(&widget()); }
    QPlainTextEdit* textEdit() const { return qobject_cast<QPlainTextEdit*>(&widget()); }

    QString shownText() const {
        if (QLineEdit* line = lineEdit()) return line->text();
        return textEdit()->toPlainText();
    }

    void applyText() override {
        const QString text = ToQt(box_.Text());
        if (text == shownText()) return;
        const QScopedValueRollback<bool> showing(showing_, true);
        if (QLineEdit* line = lineEdit()) line->setText(text);
        else textEdit()->setPlainText(text);
    }

    void applyStyle() override {
        if (QLineEdit* line = lineEdit()) {
            line->setReadOnly(box_.Locked());
            line->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : 32767);
        } else {
            // A shorter limit leaves the text the box holds, as a line edit does.
            textEdit()->setReadOnly(box_.Locked());
        }
    }

    // Shows the model's selection; a multi-line box counts a line break as
    // the model does, two characters.
    void applySelection() override {
        if (QLineEdit* line = lineEdit()) {
            line->setSelection(box_.SelStart(), box_.SelLength());
            if (box_.SelLength() == 0) line->setCursorPosition(box_.SelStart());
            return;
        }
        const std::string& text = box_.Text();
        auto shownPosition = [&](int at) {
            const auto end = text.begin() + std::min<std::ptrdiff_t>(at, static_cast<std::ptrdiff_t>(text.size()));
            return at - static_cast<int>(std::count(text.begin(), end, '\r'));
        };
        QTextCursor cursor(textEdit()->document());
        cursor.setPosition(shownPosition(box_.SelStart()));
        cursor.setPosition(shownPosition(box_.SelStart() + box_.SelLength()), QTextCursor::KeepAnchor);
        textEdit()->setTextCursor(cursor);
    }

    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    // A plain text editor has no length limit of its own: what goes past
    // MaxLength (a line break counting two, as the model keeps it) is taken
    // off where the user just typed or pasted it.
    void keepWithinMaxLength() {
        if (box_.MaxLength() <= 0) return;
        QPlainTextEdit* lines = textEdit();
        auto excess = [&] {
            const QString text = lines->toPlainText();
            return static_cast<int>(text.size() + text.count(QChar('\n'))) - box_.MaxLength();
        };
        auto cutBefore = [&](int end, int over) {
            const QString text = lines->toPlainText();
            int start = end;
            while (start > 0 && over > 0) over -= text[--start] == QChar('\n') ? 2 : 1;
            QTextCursor cursor(lines->document());
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        };
        if (excess() <= 0) return;
        const QScopedValueRollback<bool> showing(showing_, true);
        cutBefore(lines->textCursor().position(), excess());
        // Typed at the very start, the rest of the excess lies at the end.
        if (excess() > 0) cutBefore(static_cast<int>(lines->toPlainText().size()), excess());
    }

    int caret() const {
        if (QLineEdit* line = lineEdit()) return line->cursorPosition();
        return textEdit()->textCursor().position();
    }

    void setCaret(int at) {
        if (QLineEdit* line = lineEdit()) {
            line->setCursorPosition(at);
            return;
        }
        QTextCursor cursor(textEdit()->document());
        cursor.setPosition(at);
        textEdit()->setTextCursor(cursor);
    }

    void userEdited() {
        if (showing_ || !runtime()) return;
        if (textEdit()) keepWithinMaxLength();
        const QString typed = shownText();
        const int typedCaret = caret();
        // The model may refuse the text or keep another (a character it cannot hold).
        report([this] { box_.userEdited(ModelTextOf(shownText(), box_.MultiLine())); },
               [this, typed, typedCaret] { showKeptText(typed, typedCaret); });
    }

    // The text the model kept, with the caret where the typing or pasting
    // ended: what followed the caret still follows it, when the model kept that.
    void showKeptText(const QString& typed, int typedCaret) {
        const QString kept = ToQt(box_.Text());
        if (kept == typed) return;
        // The model's change may have shown it already, the caret at an end.
        applyText();
        const QString after = typed.mid(typedCaret);
        const qsizetype at =
            kept.endsWith(after) ? kept.size() - after.size() : std::min<qsizetype>(typedCaret, kept.size());
        setCaret(static_cast<int>(at));
    }

    ui::TextBox& box_;
    bool showing_ = false;
};

}  // namespace

std::unique_ptr<ControlView> MakeTextBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<TextBoxView>(runtime, static_cast<ui::TextBox&>(control), parent);
}

}  // namespace platform::qt
