// A grid: a table view over the model's own cells, its header row as the
// table's header. The model only says that something changed; the view
// catches up once the program gives the event loop a turn, so that filling
// tens of thousands of rows one at a time stays quick. Presses, double
// clicks, arrow keys, Space and Enter and header clicks go to the grid, a
// tip beside the scroll bar tells where a drag of its box has got to, and an
// editable grid's cells are edited in place (grid_cell_editor.h).
#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleHints>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/qt/views/grid_cell_editor.h"
#include "platform/runtime.h"
#include "platform/ui/grid.h"
#include "platform/ui/list_items.h"

namespace platform::qt {

namespace {

Qt::Alignment ToQtAlignment(ui::CellAlignment a) {
    switch (a) {
        case ui::CellAlignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::CellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A cell's or header's lines are parted by a carriage return, with or without a line feed.
QString WithLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// The grid's body rows as table rows (table row r is the grid's row r + 1),
// read from the grid each time they are painted. The counts it reports are
// those it last announced, so that Qt never sees them change unannounced.
class GridCells final : public QAbstractTableModel {
public:
    GridCells(const ui::Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole)
            return WithLineBreaks(ToQt(ui::EntryAsShown(grid_.TextMatrix(index.row() + 1, index.column()),
                                                        grid_.ColShownLength(index.column()))));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(ToQtAlignment(grid_.ColAlignment(index.column())));
        if (role == Qt::BackgroundRole) {
            if (const auto color = grid_.CellBackColor(index.row() + 1, index.column()))
                return QBrush(ToQColor(*color));
        }
        if (role == Qt::ForegroundRole) {
            if (const auto color = grid_.CellForeColor(index.row() + 1, index.column()))
                return QBrush(ToQColor(*color));
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::DisplayRole) return WithLineBreaks(ToQt(grid_.TextMatrix(0, section)));
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQtAlignment(grid_.HeaderAlignment(section)));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return grid_.CellEditable(index.row() + 1, index.column()) ? flags | Qt::ItemIsEditable : flags;
    }

    // Announces the rows that came or went since the last time (a column
    // count that changed starts afresh), and has every cell painted again.
    void catchUp() {
        const int rows = grid_.Rows() - grid_.FixedRows();
        const int cols = grid_.Cols();
        if (cols != cols_) {
            beginResetModel();
            rows_ = rows;
            cols_ = cols;
            endResetModel();
            return;
        }
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            rows_ = rows;
            endRemoveRows();
        }
        if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1), {Qt::DisplayRole});
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    }

private:
    const ui::Grid& grid_;
    int rows_ = 0;
    int cols_ = 0;
};

// The keys that move the current cell.
bool MovesCell(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: return true;
        default: return false;
    }
}

// The table widget: reports the user's presses, arrow-key moves and Enter,
// as table rows and columns. Tab leaves it, as it leaves every other control.
class GridTable final : public QTableView {
public:
    explicit GridTable(QWidget* parent) : QTableView(parent) {
        setTabKeyNavigation(false);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        setWordWrap(false);
        verticalHeader()->hide();
        // Rows of one height need no measuring, however many there are.
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        horizontalHeader()->setSectionsClickable(true);
        horizontalHeader()->setHighlightSections(false);
        fitRowHeight();
    }

    std::function<void(const QModelIndex&)> onPressed;
    std::function<void(const QModelIndex&)> onMoved;
    // Space on the current cell: the keyboard's press.
    std::function<void(const QModelIndex&)> onSpace;
    // Enter on the current cell, which the form's own keys let through.
    std::function<void(const QModelIndex&)> onEnter;
    // A key on the current cell that may start editing it; true when it was taken for that.
    std::function<bool(const QModelIndex&, const QKeyEvent&)> onEditKey;

    // Tab past the last editable cell: on to the next control, as Tab goes.
    void tabOut(bool backwards) { focusNextPrevChild(!backwards); }

    // Pixels; 0 fits one line of the font.
    void setBodyRowHeight(int pixels) {
        if (pixels == bodyRowHeight_) return;
        bodyRowHeight_ = pixels;
        fitRowHeight();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QTableView::mousePressEvent(event);
        const QModelIndex at = indexAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || !at.isValid()) return;
        // The second press of a double click is no press of its own: the
        // double click follows it.
        const bool second = at == lastPressed_ && sinceLastPress_.isValid() &&
                            sinceLastPress_.elapsed() < QApplication::styleHints()->mouseDoubleClickInterval();
        lastPressed_ = at;
        sinceLastPress_.start();
        if (!second && onPressed) onPressed(at);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTableView::mouseDoubleClickEvent(event);
        sinceLastPress_.invalidate();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (currentIndex().isValid() && onEditKey && onEditKey(currentIndex(), *event)) {
            event->accept();
            return;
        }
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if ((enter || event->key() == Qt::Key_Space) && plain) {
            const QModelIndex at = currentIndex();
            if (at.isValid() && enter && onEnter) onEnter(at);
            if (at.isValid() && !enter && onSpace) onSpace(at);
            event->accept();
            return;
        }
        const QModelIndex before = currentIndex();
        QTableView::keyPressEvent(event);
        const QModelIndex after = currentIndex();
        // A key that stays on the current row (the only one, or the last)
        // chooses it too: the program may have made it current, not the user.
        if (after.isValid() && (after != before || MovesCell(*event)) && onMoved) onMoved(after);
    }

    // Qt makes the first cell current when the focus enters a table that
    // has none: a row the user never chose.
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCurrent = currentIndex().isValid();
        QTableView::focusInEvent(event);
        if (!hadCurrent && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
    }

    void changeEvent(QEvent* event) override {
        QTableView::changeEvent(event);
        if (event->type() == QEvent::FontChange) fitRowHeight();
    }

private:
    void fitRowHeight() {
        verticalHeader()->setDefaultSectionSize(bodyRowHeight_ > 0 ? bodyRowHeight_ : fontMetrics().height() + 4);
    }

    int bodyRowHeight_ = 0;  // pixels; 0 fits one line of the font

    QPersistentModelIndex lastPressed_;
    QElapsedTimer sinceLastPress_;
};

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
