// A text box as the user types into it: what reaches the model, and what
// the model's own changes do to the box on the screen.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class TextBoxViewTest : public QtFormTest {
protected:
    QLineEdit* shelf() const { return widget<QLineEdit>("txtShelf"); }
};

TEST_F(TextBoxViewTest, TypingPastingCuttingAndUndoingEachRaiseOneChange) {
    form->shelf->setText("");
    showWithFocusIn(*form->shelf);
    QTest::keyClicks(shelf(), "Rye");
    EXPECT_EQ(form->shelf->Text(), "Rye");
    EXPECT_EQ(form->log, (Log{"txtShelf.Change R", "txtShelf.Change Ry", "txtShelf.Change Rye"}));

    form->log.clear();
    QApplication::clipboard()->setText(QString::fromUtf8(" & caf\u00e9"));
    QTest::keyClick(shelf(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->shelf->Text(), "Rye & caf\xE9") << "Windows-1252 in the model";
    QTest::keyClick(shelf(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(shelf(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(shelf(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form->log, (Log{"txtShelf.Change Rye & caf\xE9", "txtShelf.Change Rye", "txtShelf.Change "}));
    EXPECT_EQ(QApplication::clipboard()->text(), "Rye");
}

TEST_F(TextBoxViewTest, TheModelsTextShowsWithoutComingBackAsAnEdit) {
    showWithFocusIn(*form->shelf);
    form->shelf->setText("Flour");
    EXPECT_EQ(shelf()->text(), "Flour");
    EXPECT_EQ(form->log, Log{"txtShelf.Change Flour"}) << "one Change, from the program's own change";

    // Typing in the middle: the text the box shows already is not set again,
    // so the cursor stays where the user types.
    shelf()->setCursorPosition(2);
    QTest::keyClicks(shelf(), "XY");
    EXPECT_EQ(form->shelf->Text(), "FlXYour");
    EXPECT_EQ(shelf()->cursorPosition(), 4);

    // A Change handler that rewrites the text wins over what was typed.
    form->shelf->onChange = [&] {
        if (form->shelf->Text().size() > 8) form->shelf->setText(form->shelf->Text().substr(0, 8));
    };
    shelf()->end(false);
    QTest::keyClicks(shelf(), "!?");
    EXPECT_EQ(shelf()->text(), "FlXYour!");
    EXPECT_EQ(form->shelf->Text(), "FlXYour!");
}

TEST_F(TextBoxViewTest, ALockedOrDisabledBoxRefusesEditsAndALimitCutsThemShort) {
    showWithFocusIn(*form->shelf);
    form->shelf->setLocked(true);
    EXPECT_TRUE(shelf()->isReadOnly());
    QTest::keyClicks(shelf(), "abc");
    QTest::keyClick(shelf(), Qt::Key_Backspace);
    EXPECT_EQ(shelf()->text(), "Top shelf");
    EXPECT_EQ(form->shelf->Text(), "Top shelf");
    EXPECT_TRUE(form->log.empty());

    form->shelf->setLocked(false);
    form->shelf->setEnabled(false);
    EXPECT_FALSE(shelf()->isEnabled());
    form->shelf->setEnabled(true);

    form->shelf->setText("");
    form->shelf->setMaxLength(4);
    form->shelf->SetFocus();
    form->log.clear();
    QTest::keyClicks(shelf(), "Barley");
    EXPECT_EQ(form->shelf->Text(), "Barl");
    EXPECT_EQ(form->log.size(), 4u) << "the refused letters raise nothing";
}

TEST_F(TextBoxViewTest, AMultiLineBoxKeepsItsLineBreaksAsReturnAndLineFeed) {
    auto& notes = form->add<ui::TextBox>("txtNotes");
    notes.setMultiLine(true);
    notes.setMaxLength(22);
    notes.Move(3480, 2280, 2160, 600);
    notes.setText("Line one\r\nLine two");
    std::vector<std::string> changes;
    notes.onChange = [&] { changes.push_back(notes.Text()); };
    showWithFocusIn(notes);
    auto* editor = widget<QPlainTextEdit>("txtNotes");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(), "Line one\nLine two");

    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor, "3rd");
    EXPECT_EQ(notes.Text(), "Line one\r\nLine two!\r\n3") << "at most 22 characters, a line break counting two";
    EXPECT_EQ(changes.front(), "Line one\r\nLine two!");
    EXPECT_EQ(changes.size(), 3u) << "one Change per edit, none for the refused letter";

    // Tab leaves the box for the next control instead of typing a tab.
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_FALSE(editor->hasFocus());
    EXPECT_EQ(notes.Text().find('\t'), std::string::npos);
}

// A paste of characters a Windows-1252 record cannot hold: the model keeps
// other text than pasted, and typing goes on where the paste ended.
TEST_F(TextBoxViewTest, AfterAPasteTheModelFilteredTheCaretStaysWhereThePasteEnded) {
    // A box whose Change handler drops what it cannot keep, in several lines.
    auto& notes = form->add<ui::TextBox>("txtNotes");
    notes.setMultiLine(true);
    notes.Move(3480, 2280, 2160, 600);
    notes.setText("Line one\r\nLine two");
    notes.onChange = [&] {
        std::string kept = notes.Text();
        std::erase(kept, '?');
        notes.setText(kept);
    };
    form->shelf->setText("Rye bread");
    showWithFocusIn(*form->shelf);
    shelf()->setCursorPosition(3);
    QApplication::clipboard()->setText(QString::fromUtf8(" \u2153 \U0001F600 cup"));
    QTest::keyClick(shelf(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->shelf->Text(), "Rye ? ? cup bread");
    EXPECT_EQ(shelf()->text(), "Rye ? ? cup bread");
    QTest::keyClicks(shelf(), "s");
    EXPECT_EQ(form->shelf->Text(), "Rye ? ? cups bread");

    notes.SetFocus();
    auto* editor = widget<QPlainTextEdit>("txtNotes");
    ASSERT_NE(editor, nullptr);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(9);  // the start of the second line
    editor->setTextCursor(cursor);
    QApplication::clipboard()->setText(QString::fromUtf8("\U0001F600Hot \u2153"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(notes.Text(), "Line one\r\nHot Line two");
    EXPECT_EQ(editor->textCursor().position(), 13);
    QTest::keyClicks(editor, "x");
    EXPECT_EQ(notes.Text(), "Line one\r\nHot xLine two");
}

// The program selects a word in a box (the spell check's highlight); a
// multi-line box's line breaks count two in the model and one on screen.
TEST_F(TextBoxViewTest, TheModelsSelectionShowsAndStaysWithinTheText) {
    auto& notes = form->add<ui::TextBox>("txtNotes");
    notes.setMultiLine(true);
    notes.Move(3480, 2280, 2160, 600);
    notes.setText("Boil.\r\nAdd teh salt.");
    form->shelf->setText("mix teh sauce");
    showWithFocusIn(*form->shelf);
    form->shelf->setSelStart(4);
    form->shelf->setSelLength(3);
    EXPECT_EQ(shelf()->selectedText(), "teh");

    form->shelf->setText("mix");
    EXPECT_EQ(form->shelf->SelStart(), 3) << "a shorter text pulls the selection back";
    EXPECT_EQ(form->shelf->SelLength(), 0);
    form->shelf->setSelStart(1);
    EXPECT_EQ(shelf()->selectedText(), "");
    EXPECT_EQ(shelf()->cursorPosition(), 1);

    notes.setSelStart(11);
    notes.setSelLength(3);
    EXPECT_EQ(widget<QPlainTextEdit>("txtNotes")->textCursor().selectedText(), "teh");
    notes.setSelLength(99);
    EXPECT_EQ(notes.SelLength(), 9) << "no further than the end";
}

TEST_F(TextBoxViewTest, ColoursAndFontFollowTheModel) {
    showWithFocusIn(*form->shelf);
    form->shelf->setBackColor(ui::Rgb(255, 255, 224));
    form->shelf->setForeColor(ui::Rgb(128, 0, 0));
    ui::Font font = form->shelf->font();
    font.size = 12;
    font.italic = true;
    form->shelf->setFont(font);
    EXPECT_EQ(shelf()->palette().color(QPalette::Base), QColor(255, 255, 224));
    EXPECT_EQ(shelf()->palette().color(QPalette::Active, QPalette::Text), QColor(128, 0, 0));
    EXPECT_TRUE(shelf()->font().italic());
    EXPECT_DOUBLE_EQ(shelf()->font().pointSizeF(), 12);
    EXPECT_EQ(runtime.focusedControl(), form->shelf);
}

}  // namespace
}  // namespace platform::qt::testing
