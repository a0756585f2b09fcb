// A grid: a table view over the model's own cells (grid_cells.h), its
// header row as the table's header. The model only says that something
// changed; the view catches up once the program gives the event loop a turn,
// so that filling tens of thousands of rows one at a time stays quick.
// Presses, double clicks, arrow keys, Space and Enter (grid_table.h) and
// header clicks go to the grid, a tip beside the scroll bar tells where a
// drag of its box has got to, and an editable grid's cells are edited in
// place (grid_cell_editor.h).
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/qt/views/grid_cell_editor.h"
#include "platform/qt/views/grid_cells.h"
#include "platform/qt/views/grid_table.h"
#include "platform/runtime.h"
#include "platform/ui/grid.h"

namespace platform::qt {

namespace {

class GridView final : public ControlView {
public:
    GridView(Runtime& runtime, ui::Grid& grid, QWidget& parent)
        : ControlView(runtime, grid, *new GridTable(&parent)), grid_(grid) {
        GridTable& view = table();
        cells_ = new GridCells(grid, &view);
        view.setModel(cells_);
        editor_ = new GridCellEditor(grid, view, [this](const std::function<void()>& input) {
            bool alive = false;
            report(input, [&] {
                alive = true;
                show();
            });
            return alive;
        });
        view.setItemDelegate(editor_);
        editor_->onTabOut = [this](bool backwards) { table().tabOut(backwards); };
        view.onEditKey = [this](const QModelIndex& at, const QKeyEvent& key) { return editKey(at, key); };
        watchMouseOf(*view.viewport());
        view.onPressed = [this](const QModelIndex& at) {
            report([&] { grid_.userChoseCell(at.row() + 1, at.column()); }, [this] { show(); });
        };
        view.onMoved = [this](const QModelIndex& at) {
            report([&] { grid_.userMovedCell(at.row() + 1, at.column()); }, [this] { show(); });
        };
        view.onSpace = [this](const QModelIndex& at) {
            report([&] { grid_.userChoseCellByKey(at.row() + 1, at.column()); }, [this] { show(); });
        };
        // Enter opens the current row as a double click does, which chooses it first.
        view.onEnter = [this](const QModelIndex& at) {
            report(
                [&] {
                    grid_.userChoseCellByKey(at.row() + 1, at.column());
                    grid_.userDoubleClickedCell(at.row() + 1, at.column());
                },
                [this] { show(); });
        };
        // A double click on an editable cell goes on to edit it.
        connect(&view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
            bool alive = false;
            report([&] { grid_.userDoubleClickedCell(at.row() + 1, at.column()); },
                   [&] {
                       alive = true;
                       show();
                   });
            if (alive && grid_.CellEditable(at.row() + 1, at.column())) editor_->begin(at);
        });
        QHeaderView& header = *view.horizontalHeader();
        header.setSortIndicatorShown(true);
        connect(&header, &QHeaderView::sectionClicked, this,
                [this](int col) { report([&] { grid_.userSortedColumn(col); }, [this] { show(); }); });
        QScrollBar& bar = *view.verticalScrollBar();
        connect(&bar, &QAbstractSlider::sliderMoved, this, [this](int top) { showScrollTip(top); });
        connect(&bar, &QAbstractSlider::sliderReleased, this, [] { QToolTip::hideText(); });
    }

private:
    GridTable& table() const { return static_cast<GridTable&>(widget()); }

    // F2 or Enter on an editable cell opens its editor; so does a typed
    // character, which the editor starts with. Space stays the keyboard's press.
    bool editKey(const QModelIndex& at, const QKeyEvent& key) {
        if (!grid_.CellEditable(at.row() + 1, at.column())) return false;
        const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        if (modifiers == Qt::NoModifier && (enter || key.key() == Qt::Key_F2)) {
            editor_->begin(at);
            return true;
        }
        const QString text = key.text();
        if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || text.size() != 1 || !text[0].isPrint() ||
            text[0].isSpace())
            return false;
        editor_->begin(at, text);
        return true;
    }

    void applyItems() override { showSoon(); }
    void applySelection() override { showSoon(); }
    void applyStyle() override { showSoon(); }
    void applyColors() override {
        ApplyFieldColors(widget(), grid_.BackColor(), grid_.ForeColor());
        applyPicture();
    }
    // A picture lies behind the cells in place of the back colour, tiled.
    void applyPicture() override {
        QWidget& cells = *table().viewport();
        QPixmap picture;
        if (!grid_.picture().empty()) picture.load(QString::fromStdString(grid_.picture().string()));
        QPalette palette = cells.palette();
        if (picture.isNull()) palette.setBrush(QPalette::Base, widget().palette().brush(QPalette::Base));
        else palette.setBrush(QPalette::Base, QBrush(picture));
        cells.setPalette(palette);
    }

    // One catching up for however many changes come before the event loop's next turn.
    void showSoon() {
        if (showPending_) return;
        showPending_ = true;
        QTimer::singleShot(0, this, [this] {
            if (showPending_) show();
        });
    }

    // The rows, columns, widths, sort order and current row as the model has them now.
    void show() {
        showPending_ = false;
        GridTable& view = table();
        cells_->catchUp();
        showRowHeights();
        QHeaderView& header = *view.horizontalHeader();
        // Never sideways: the last column takes the room the others leave
        // beside the scroll bar, so none of its text is hidden under it.
        const bool fitted = grid_.VerticalScrollOnly();
        view.setHorizontalScrollBarPolicy(fitted ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
        header.setStretchLastSection(fitted);
        for (int col = 0; col < grid_.Cols(); ++col)
            if (!fitted || col < grid_.Cols() - 1) view.setColumnWidth(col, ToPixels(grid_.ColWidth(col)));
        if (grid_.HeaderHeight() > 0) {
            header.setFixedHeight(ToPixels(grid_.HeaderHeight()));
        } else {
            header.setMinimumHeight(0);
            header.setMaximumHeight(QWIDGETSIZE_MAX);
        }
        view.setBodyRowHeight(grid_.BodyRowHeight() > 0 ? ToPixels(grid_.BodyRowHeight()) : 0);
        if (view.wordWrap() != grid_.WordWrap()) view.setWordWrap(grid_.WordWrap());
        header.setSectionsClickable(grid_.Sortable());
        header.setSortIndicatorShown(grid_.Sortable());
        if (grid_.SortedCol() >= 0)
            view.horizontalHeader()->setSortIndicator(
                grid_.SortedCol(), grid_.SortedAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
        else view.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        showCurrentCell();
    }

    // Rows of a height of their own; those that had one and lost it go back to the table's.
    void showRowHeights() {
        GridTable& view = table();
        std::vector<int> sized;
        for (int r = 0; r < cells_->rowCount({}); ++r) {
            const int twips = grid_.RowHeight(r + grid_.FixedRows());
            if (twips > 0) {
                view.setRowHeight(r, ToPixels(twips));
                sized.push_back(r);
            } else if (std::binary_search(sized_.begin(), sized_.end(), r)) {
                view.setRowHeight(r, view.verticalHeader()->defaultSectionSize());
            }
        }
        sized_ = std::move(sized);
    }

    void showCurrentCell() {
        GridTable& view = table();
        QItemSelectionModel& selection = *view.selectionModel();
        const bool byRow = grid_.SelectionMode() == ui::GridSelection::Row;
        view.setSelectionBehavior(byRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        const QModelIndex current = cells_->index(grid_.Row() - grid_.FixedRows(), grid_.Col());
        if (!current.isValid()) {
            selection.clear();
        } else if (grid_.Highlight()) {
            selection.setCurrentIndex(current, byRow ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                     : QItemSelectionModel::ClearAndSelect);
        } else {
            selection.setCurrentIndex(current, QItemSelectionModel::Clear);
        }
        // Brought into sight only when it moved, so that the user's scrolling stays.
        if (current.isValid() && (grid_.Row() != shownRow_ || grid_.Col() != shownCol_)) view.scrollTo(current);
        shownRow_ = grid_.Row();
        shownCol_ = grid_.Col();
        editor_->catchUp();
    }

    // Beside the scroll box, which is at top (the first body row shown, counted from 0).
    void showScrollTip(int top) {
        if (!runtime()) return;
        const QString tip = ToQt(grid_.scrollTipFor(top + grid_.FixedRows()));
        QScrollBar& bar = *table().verticalScrollBar();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            return;
        }
        const int range = std::max(1, bar.maximum() - bar.minimum());
        const int y = bar.height() * (top - bar.minimum()) / range;
        const int x = -bar.fontMetrics().horizontalAdvance(tip) - 24;
        QToolTip::showText(bar.mapToGlobal(QPoint(x, y)), tip, &bar);
    }

    ui::Grid& grid_;
    GridCells* cells_ = nullptr;
    GridCellEditor* editor_ = nullptr;
    bool showPending_ = false;
    std::vector<int> sized_;  // the table rows given a height of their own, in order
    int shownRow_ = -1;
    int shownCol_ = -1;
};

}  // namespace

std::unique_ptr<ControlView> MakeGridView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<GridView>(runtime, static_cast<ui::Grid&>(control), parent);
}

}  // namespace platform::qt
