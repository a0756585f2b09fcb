#include "platform/ui/grid.h"

#include <algorithm>
#include <numeric>

#include "platform/basic/text.h"
#include "platform/ui/image.h"

namespace ui {

Grid::Grid(Form& f, std::string name, int index, Control* container)
    : Control(f, ControlKind::Grid, std::move(name), index, container),
      cells_(1, std::vector<std::string>(1)),
      rowData_(1),
      looks_(1),
      columns_(1) {
    setBackColor(colors::WindowBackground);
    setForeColor(colors::WindowText);
}

bool Grid::LoadPicture(const std::filesystem::path& file) {
    if (!IsPictureFile(file)) return false;
    picture_ = file;
    changed(Property::Picture);
    return true;
}

void Grid::clearPicture() {
    if (picture_.empty()) return;
    picture_.clear();
    changed(Property::Picture);
}

void Grid::setRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == Rows()) return;
    cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(columns_.size()));
    rowData_.resize(static_cast<std::size_t>(rows));
    looks_.resize(static_cast<std::size_t>(rows));
    if (editing_ && editing_->row >= rows) editing_.reset();
    changed(Property::Items);
    if (row_ >= rows) {
        row_ = rows - 1;
        changed(Property::Selection);
    }
}

void Grid::setCols(int cols) {
    cols = std::max(cols, 1);
    if (cols == Cols()) return;
    for (auto& row : cells_) row.resize(static_cast<std::size_t>(cols));
    for (auto& row : looks_)
        if (!row.empty()) row.resize(static_cast<std::size_t>(cols));
    columns_.resize(static_cast<std::size_t>(cols));
    if (sortedCol_ >= cols) sortedCol_ = -1;
    if (editing_ && editing_->col >= cols) editing_.reset();
    changed(Property::Items);
    if (col_ >= cols) {
        col_ = cols - 1;
        changed(Property::Selection);
    }
}

const std::string& Grid::TextMatrix(int row, int col) const {
    static const std::string none;
    return validCell(row, col) ? cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] : none;
}

void Grid::setTextMatrix(int row, int col, const std::string& text) {
    if (!validCell(row, col)) return;
    std::string& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text) return;
    cell = text;
    changed(Property::Items);
}

void Grid::AddRow(std::vector<std::string> cells, long data) {
    cells.resize(columns_.size());
    cells_.push_back(std::move(cells));
    rowData_.push_back({data});
    looks_.emplace_back();
    changed(Property::Items);
}

void Grid::RemoveRow(int row) {
    if (row < FixedRows() || row >= Rows()) return;
    const auto at = static_cast<std::ptrdiff_t>(row);
    cells_.erase(cells_.begin() + at);
    rowData_.erase(rowData_.begin() + at);
    looks_.erase(looks_.begin() + at);
    if (editing_ && editing_->row >= row) editing_.reset();
    changed(Property::Items);
    if (row_ > row || row_ >= Rows()) {
        row_ = std::min(row_ > row ? row_ - 1 : row_, Rows() - 1);
        changed(Property::Selection);
    }
}

Grid::CellLook* Grid::look(int row, int col) {
    if (!validCell(row, col)) return nullptr;
    auto& looks = looks_[static_cast<std::size_t>(row)];
    if (looks.empty()) looks.resize(columns_.size());
    return &looks[static_cast<std::size_t>(col)];
}

const Grid::CellLook* Grid::look(int row, int col) const {
    if (!validCell(row, col)) return nullptr;
    const auto& looks = looks_[static_cast<std::size_t>(row)];
    return looks.empty() ? nullptr : &looks[static_cast<std::size_t>(col)];
}

std::optional<OleColor> Grid::CellBackColor(int row, int col) const {
    const CellLook* cell = look(row, col);
    return cell ? cell->back : std::nullopt;
}

void Grid::setCellBackColor(int row, int col, std::optional<OleColor> color) {
    CellLook* cell = look(row, col);
    if (!cell || cell->back == color) return;
    cell->back = color;
    changed(Property::Items);
}

std::optional<OleColor> Grid::CellForeColor(int row, int col) const {
    const CellLook* cell = look(row, col);
    return cell ? cell->fore : std::nullopt;
}

void Grid::setCellForeColor(int row, int col, std::optional<OleColor> color) {
    CellLook* cell = look(row, col);
    if (!cell || cell->fore == color) return;
    cell->fore = color;
    changed(Property::Items);
}

int Grid::RowHeight(int row) const {
    return row >= FixedRows() && row < Rows() ? rowData_[static_cast<std::size_t>(row)].height : 0;
}

void Grid::setRowHeight(int row, int twips) {
    if (row < FixedRows() || row >= Rows()) return;
    int& height = rowData_[static_cast<std::size_t>(row)].height;
    twips = std::max(twips, 0);
    if (height == twips) return;
    height = twips;
    changed(Property::Style);
}

long Grid::RowData(int row) const {
    return row >= 0 && row < Rows() ? rowData_[static_cast<std::size_t>(row)].data : 0;
}

void Grid::setRowData(int row, long data) {
    if (row >= 0 && row < Rows()) rowData_[static_cast<std::size_t>(row)].data = data;
}

void Grid::setRow(int row) {
    if (row < 0 || row >= Rows() || row == row_) return;
    row_ = row;
    changed(Property::Selection);
}

void Grid::setCol(int col) {
    if (col < 0 || col >= Cols() || col == col_) return;
    col_ = col;
    changed(Property::Selection);
}

void Grid::setHighlight(bool on) {
    if (on == highlight_) return;
    highlight_ = on;
    changed(Property::Selection);
}

void Grid::setSelectionMode(GridSelection mode) {
    if (mode == selectionMode_) return;
    selectionMode_ = mode;
    changed(Property::Selection);
}

void Grid::setHeaderHeight(int twips) {
    twips = std::max(twips, 0);
    if (twips == headerHeight_) return;
    headerHeight_ = twips;
    changed(Property::Style);
}

void Grid::setBodyRowHeight(int twips) {
    twips = std::max(twips, 0);
    if (twips == bodyRowHeight_) return;
    bodyRowHeight_ = twips;
    changed(Property::Style);
}

void Grid::setWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    changed(Property::Style);
}

void Grid::setSortable(bool on) {
    if (on == sortable_) return;
    sortable_ = on;
    changed(Property::Style);
}

void Grid::setVerticalScrollOnly(bool on) {
    if (on == verticalScrollOnly_) return;
    verticalScrollOnly_ = on;
    changed(Property::Style);
}

template <class T>
T Grid::setting(int col, T Column::*field) const {
    return col >= 0 && col < Cols() ? columns_[static_cast<std::size_t>(col)].*field : Column{}.*field;
}

template <class T>
void Grid::set(int col, T Column::*field, T value) {
    if (col < 0 || col >= Cols()) return;
    columns_[static_cast<std::size_t>(col)].*field = value;
    changed(Property::Style);
}

int Grid::ColWidth(int col) const { return setting(col, &Column::width); }
void Grid::setColWidth(int col, int twips) { set(col, &Column::width, std::max(twips, 0)); }
CellAlignment Grid::ColAlignment(int col) const { return setting(col, &Column::alignment); }
void Grid::setColAlignment(int col, CellAlignment a) { set(col, &Column::alignment, a); }
int Grid::ColShownLength(int col) const { return setting(col, &Column::shownLength); }
void Grid::setColShownLength(int col, int length) { set(col, &Column::shownLength, std::max(length, 0)); }
CellAlignment Grid::HeaderAlignment(int col) const { return setting(col, &Column::headerAlignment); }
void Grid::setHeaderAlignment(int col, CellAlignment a) { set(col, &Column::headerAlignment, a); }
bool Grid::ColEditable(int col) const { return col >= 0 && col < Cols() && setting(col, &Column::editable); }
void Grid::setColEditable(int col, bool on) {
    if (!on && editing_ && editing_->col == col) editing_.reset();
    set(col, &Column::editable, on);
}

void Grid::Sort(int col, bool ascending) {
    if (col < 0 || col >= Cols()) return;
    const auto at = static_cast<std::size_t>(col);
    // Sorting the row numbers, not the rows, tells where the current row went.
    std::vector<std::size_t> order(cells_.size() - 1);
    std::iota(order.begin(), order.end(), std::size_t{1});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string& x = cells_[a][at];
        const std::string& y = cells_[b][at];
        return ascending ? basic::LessNoCase(x, y) : basic::LessNoCase(y, x);
    });
    std::vector<std::vector<std::string>> sorted;
    std::vector<RowInfo> sortedData;
    std::vector<std::vector<CellLook>> sortedLooks;
    sorted.reserve(cells_.size());
    sortedData.reserve(cells_.size());
    sortedLooks.reserve(cells_.size());
    sorted.push_back(std::move(cells_[0]));
    sortedData.push_back(rowData_[0]);
    sortedLooks.push_back(std::move(looks_[0]));
    int current = row_;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == row_) current = static_cast<int>(i + 1);
        sorted.push_back(std::move(cells_[order[i]]));
        sortedData.push_back(rowData_[order[i]]);
        sortedLooks.push_back(std::move(looks_[order[i]]));
    }
    cells_ = std::move(sorted);
    rowData_ = std::move(sortedData);
    looks_ = std::move(sortedLooks);
    sortedCol_ = col;
    sortedAscending_ = ascending;
    editing_.reset();
    changed(Property::Items);
    if (current != row_) {
        row_ = current;
        changed(Property::Selection);
    }
}

}  // namespace ui
