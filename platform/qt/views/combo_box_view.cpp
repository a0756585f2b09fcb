// A combo box. A drop-down combo is an editable QComboBox and a drop-down
// list a fixed one; a simple combo is a text line above a list that is
// always open, in one widget. What the user types or chooses goes to the
// runtime, and a list drops down only once the program's DropDown handler
// has run (it may fill the list first).
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/accessible_roles.h"
#include "platform/qt/views/choice_list.h"
#include "platform/qt/views/control_view.h"
#include "platform/qt/views/shown_entries.h"
#include "platform/runtime.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_items.h"

namespace platform::qt {

namespace {

// A combo box whose list opens only when the program lets it.
class DropDownBox final : public QComboBox {
public:
    explicit DropDownBox(QWidget* parent) : QComboBox(parent) {
        // Entries come from the program alone: Enter never adds the typed text.
        setInsertPolicy(QComboBox::NoInsert);
        KeepNameOfDropDown(*this);
    }

    // Runs before the list opens; false keeps it shut.
    std::function<bool()> onDropDown;

    void showPopup() override {
        if (!onDropDown || onDropDown()) QComboBox::showPopup();
    }
};

// A text line above a list that is always open. The focus stays in the
// text line; the list only shows and takes the choice.
class SimpleComboBox final : public QWidget {
public:
    explicit SimpleComboBox(QWidget* parent) : QWidget(parent), line(new QLineEdit(this)), list(new ChoiceList(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(line);
        layout->addWidget(list, 1);
        list->setFocusPolicy(Qt::NoFocus);
        setFocusPolicy(Qt::StrongFocus);
        setFocusProxy(line);
        AnnounceAs(*this, QAccessible::ComboBox);
    }

    QLineEdit* line;
    ChoiceList* list;
};

// The widget is chosen once: a simple combo is a design setting.
QWidget& NewComboBox(const ui::ComboBox& box, QWidget& parent) {
    if (box.Style() == ui::ComboStyle::SimpleCombo) return *new SimpleComboBox(&parent);
    return *new DropDownBox(&parent);
}

class ComboBoxView final : public ControlView {
public:
    ComboBoxView(Runtime& runtime, ui::ComboBox& box, QWidget& parent)
        : ControlView(runtime, box, NewComboBox(box, parent)), box_(box) {
        if (DropDownBox* drop = dropDown()) {
            drop->onDropDown = [this] { return userDroppedDown(); };
            connect(drop, &QComboBox::activated, this, [this](int index) { userChose(index); });
            return;
        }
        SimpleComboBox& simple = *simpleBox();
        watchMouseOf(*simple.line);
        watchMouseOf(*simple.list->viewport());
        simple.list->onChosen = [this](int row) { userChose(row); };
        takeEdits(*simple.line);
    }

private:
    DropDownBox* dropDown() const { return dynamic_cast<DropDownBox*>(&widget()); }
    SimpleComboBox* simpleBox() const { return dynamic_cast<SimpleComboBox*>(&widget()); }
    // The text line; none for a drop-down list.
    QLineEdit* line() const {
        if (DropDownBox* drop = dropDown()) return drop->lineEdit();
        return simpleBox()->line;
    }

    void takeEdits(QLineEdit& edit) {
        connect(&edit, &QLineEdit::textEdited, this, [this](const QString& text) { userEdited(text); });
    }

    void applyStyle() override {
        DropDownBox* drop = dropDown();
        const bool typed = box_.Style() != ui::ComboStyle::DropDownList;
        if (drop && drop->isEditable() != typed) {
            drop->setEditable(typed);
            if (typed) {
                // No completion: the text line holds what the user typed.
                drop->setCompleter(nullptr);
                // Leaving the text line would pick the entry it spells: a
                // choice the user never made. The model keeps the text.
                QObject::disconnect(drop->lineEdit(), &QLineEdit::editingFinished, drop, nullptr);
                takeEdits(*drop->lineEdit());
            }
            applySelection();
        }
        if (QLineEdit* edit = line()) edit->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : 32767);
    }

    // What the text line shows of the model's text.
    QString shownText() const { return ToQt(ui::EntryAsShown(box_.Text(), box_.ShownLength())); }

    void applyItems() override {
        const std::vector<std::string> shown = ui::EntriesAsShown(box_.items(), box_.ShownLength());
        if (SimpleComboBox* simple = simpleBox()) {
            simple->list->showEntries(shown, box_.ListIndex());
            return;
        }
        DropDownBox& drop = *dropDown();
        entries_.update(
            shown, [&drop](int at) { drop.removeItem(at); },
            [&drop](int at, const std::string& entry) { drop.insertItem(at, ToQt(entry)); });
        applySelection();
    }

    void applySelection() override {
        if (SimpleComboBox* simple = simpleBox()) {
            simple->list->showChoice(box_.ListIndex());
            return;
        }
        DropDownBox& drop = *dropDown();
        QLineEdit* edit = drop.lineEdit();
        const int cursor = edit ? edit->cursorPosition() : 0;
        drop.setCurrentIndex(box_.ListIndex());
        // Qt shows the chosen entry's text in the line; the model's text
        // stays, and so does the cursor of a user typing away from an entry.
        if (edit && edit->text() != shownText()) {
            edit->setText(shownText());
            edit->setCursorPosition(cursor);
        }
    }

    // Text the line shows already is left alone, cursor and all. The shown
    // part of an entry reads from its first character, however narrow the line.
    void applyText() override {
        QLineEdit* edit = line();
        const QString text = shownText();
        if (!edit || edit->text() == text) return;
        edit->setText(text);
        if (box_.ShownLength() > 0) edit->home(false);
    }

    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    void applyDropDown() override {
        if (DropDownBox* drop = dropDown(); drop && drop->isVisible() && drop->isEnabled()) drop->showPopup();
    }

    void showAccessibleName(const QString& name) override {
        widget().setAccessibleName(name);
        if (SimpleComboBox* simple = simpleBox()) {
            simple->line->setAccessibleName(name);
            simple->list->setAccessibleName(name);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && runtime()) {
            const int key = static_cast<const QKeyEvent&>(*event).key();
            // Enter reached the form already; in the text line it would choose the entry typed.
            if (watched == &widget() && dropDown() && (key == Qt::Key_Return || key == Qt::Key_Enter)) return true;
            // The arrows in a simple combo's text line step through the list.
            if (SimpleComboBox* simple = simpleBox();
                simple && watched == simple->line && (key == Qt::Key_Up || key == Qt::Key_Down)) {
                step(key == Qt::Key_Up ? -1 : 1);
                return true;
            }
        }
        return ControlView::eventFilter(watched, event);
    }

    void step(int by) {
        if (box_.ListCount() == 0) return;
        const int next = box_.ListIndex() < 0 ? 0 : std::clamp(box_.ListIndex() + by, 0, box_.ListCount() - 1);
        if (next != box_.ListIndex()) userChose(next);
    }

    void userEdited(const QString& text) {
        report([&] { box_.userEdited(FromQt(text)); }, [this] { applyText(); });
    }

    void userChose(int index) {
        report([&] { box_.userChose(index); }, [this] { applySelection(); });
    }

    // Whether the list may still open: the handler may have disabled, hidden
    // or unloaded the box.
    bool userDroppedDown() {
        if (!runtime()) return false;
        QPointer<ComboBoxView> self(this);
        box_.userDroppedDown();
        return self && runtime() && box_.effectivelyEnabled() && box_.effectivelyVisible();
    }

    ui::ComboBox& box_;
    ShownEntries entries_;
};

}  // namespace

std::unique_ptr<ControlView> MakeComboBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ComboBoxView>(runtime, static_cast<ui::ComboBox&>(control), parent);
}

}  // namespace platform::qt
