#include "platform/qt/views/grid_cell_editor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "platform/qt/qt_text.h"
#include "platform/ui/grid.h"

namespace platform::qt {

GridCellEditor::GridCellEditor(ui::Grid& grid, QTableView& table, Report report)
    : QStyledItemDelegate(&table), grid_(grid), table_(table), report_(std::move(report)) {}

bool GridCellEditor::begin(const QModelIndex& at, const QString& typed) {
    if (!at.isValid() || editing()) return false;
    bool began = false;
    // A handler may unload the form, and this editor with it.
    const QPointer<GridCellEditor> self(this);
    if (!report_([&] { began = grid_.userBeganEdit(at.row() + 1, at.column()); }) || !self || !began) return false;
    table_.setCurrentIndex(at);
    table_.edit(at);
    if (!editor_) {
        // Qt would not open it (the cell's flags not yet caught up): the grid edits nothing.
        report_([this] { grid_.userCancelledEdit(); });
        return false;
    }
    if (!typed.isEmpty()) editor_->setText(typed);
    return true;
}

void GridCellEditor::catchUp() {
    if (editing() && !grid_.EditingCell() && !finishing_) close();
}

QWidget* GridCellEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& at) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // The heading's lines, parted by a carriage return, read as one name.
    editor->setAccessibleName(ToQt(grid_.TextMatrix(0, at.column()))
                                  .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                                  .replace(u'\r', u' ')
                                  .replace(u'\n', u' ')
                                  .simplified());
    editor_ = editor;
    return editor;
}

void GridCellEditor::setEditorData(QWidget* editor, const QModelIndex& at) const {
    // The whole text, however little of it the column shows; once, as the
    // editor opens: the cells shown afresh leave what the user typed.
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || line == filled_) return;
    filled_ = line;
    line->setText(ToQt(grid_.TextMatrix(at.row() + 1, at.column())));
}

void GridCellEditor::destroyEditor(QWidget* editor, const QModelIndex& at) const {
    if (editor == editor_) {
        // Qt closed it on its own (the rows changed under it): the grid edits nothing more.
        if (!finishing_ && grid_.EditingCell()) grid_.userCancelledEdit();
        editor_ = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, at);
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_) return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
        switch (key.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (modifiers != Qt::NoModifier) break;
                finish(Finish::Keep);
                return true;
            case Qt::Key_Escape: finish(Finish::Drop); return true;
            case Qt::Key_Tab:
                if (modifiers == Qt::NoModifier) finish(Finish::Next);
                else if (modifiers == Qt::ShiftModifier) finish(Finish::Previous);
                else break;
                return true;
            case Qt::Key_Backtab: finish(Finish::Previous); return true;
            default: break;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        // The window lost the keyboard (a message box, a menu): the editing goes on.
        const auto reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || finishing_) return false;
        finish(Finish::Leave);
        return false;
    }
    // Qt's own handling of the keys and the focus is replaced by the above.
    return false;
}

void GridCellEditor::finish(Finish how) {
    if (!editor_ || finishing_) return;
    finishing_ = true;
    const QPointer<GridCellEditor> self(this);
    const QPointer<QLineEdit> editor = editor_;
    const std::optional<ui::GridCell> cell = grid_.EditingCell();
    bool kept = false;
    const bool alive = report_([&] {
        if (how == Finish::Drop) grid_.userCancelledEdit();
        else if (editor) kept = grid_.userEditedCell(FromQt(editor->text()));
        // Leaving the cell with a text the grid refused drops it: the user is elsewhere now.
        if (!kept && how == Finish::Leave && grid_.EditingCell()) grid_.userCancelledEdit();
    });
    if (!self) return;
    finishing_ = false;
    if (!alive || !editor) return;
    if (grid_.EditingCell()) {
        // Refused: the text stays for the user to mend.
        editor->setFocus(Qt::OtherFocusReason);
        return;
    }
    close();
    if (!kept || !cell || (how != Finish::Next && how != Finish::Previous)) return;
    const bool backwards = how == Finish::Previous;
    if (const auto next = grid_.NextEditableCell(cell->row, cell->col, backwards)) {
        begin(table_.model()->index(next->row - 1, next->col));
    } else if (onTabOut) {
        onTabOut(backwards);
    }
}

void GridCellEditor::close() {
    if (!editor_) return;
    finishing_ = true;
    QWidget* editor = editor_;
    editor_ = nullptr;
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    finishing_ = false;
}

}  // namespace platform::qt
