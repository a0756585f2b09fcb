#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

enum class CellAlignment { Left, Center, Right };
// What shows selected: the whole current row, or the current cell alone.
enum class GridSelection { Row, Cell };

// A table of text cells whose row 0 is a fixed header; the body rows below
// it scroll. Rows and columns are counted from 0. Made for lists of tens of
// thousands of rows: a front end reads the cells where they are and is told
// only that the content changed (Property::Items), the current cell moved
// (Selection) or the columns' look changed (Style).
class Grid : public Control {
public:
    Grid(Form& f, std::string name, int index, Control* container);

    bool canHoldFocus() const override { return true; }

    // All rows, the header row 0 included; at least 1. A new grid has the
    // header row alone and one column.
    int Rows() const { return static_cast<int>(cells_.size()); }
    void setRows(int rows);
    // At least 1.
    int Cols() const { return static_cast<int>(columns_.size()); }
    void setCols(int cols);
    int FixedRows() const { return 1; }

    // "" outside the grid.
    const std::string& TextMatrix(int row, int col) const;
    // Ignored outside the grid.
    void setTextMatrix(int row, int col, const std::string& text);
    // Appends one row at the end; cells past Cols are dropped, missing ones empty.
    void AddRow(std::vector<std::string> cells, long data = 0);
    // Takes out one body row; the rows below move up, the current row stays
    // on its row (the one below when it was the row taken out). The header
    // row and rows outside the grid are ignored.
    void RemoveRow(int row);

    // A cell's own colours, in place of the grid's (BackColor, ForeColor, the
    // picture); nullopt for the grid's. They move with their row, and a row
    // the grid gains again after losing it starts with the grid's.
    std::optional<OleColor> CellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, std::optional<OleColor> color);
    std::optional<OleColor> CellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, std::optional<OleColor> color);

    // A number the program keeps with a row, unseen by the user; it moves
    // with its row when the rows are sorted. 0 for a new row and outside the grid.
    long RowData(int row) const;
    // Ignored outside the grid.
    void setRowData(int row, long data);

    // The current cell; row 0 is the header. Setting a row or column outside
    // the grid is ignored.
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    // Makes row the current one, which shows highlighted across all columns
    // while Highlight is on.
    void SelectRow(int row) { setRow(row); }
    // Whether the current row (or cell) shows selected.
    bool Highlight() const { return highlight_; }
    void setHighlight(bool on);
    GridSelection SelectionMode() const { return selectionMode_; }
    void setSelectionMode(GridSelection mode);

    // The height of the header row in twips; 0 fits its text. A header text
    // may hold several lines, parted by a carriage return (with or without a
    // line feed).
    int HeaderHeight() const { return headerHeight_; }
    void setHeaderHeight(int twips);

    // Columns outside the grid read as the default and ignore settings.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    // How the body cells of a column align.
    CellAlignment ColAlignment(int col) const;
    void setColAlignment(int col, CellAlignment a);
    // How many leading characters of a body cell of the column show
    // (EntryAsShown, list_items.h); 0: all. TextMatrix stays whole.
    int ColShownLength(int col) const;
    void setColShownLength(int col, int length);
    CellAlignment HeaderAlignment(int col) const;
    void setHeaderAlignment(int col, CellAlignment a);

    // Sorts the body rows (1..Rows-1) by a column, text compared without
    // regard to case; rows that compare equal keep their order. The current
    // row follows the row it was on. A column outside the grid is ignored.
    void Sort(int col, bool ascending);
    // The column the rows were last sorted by (-1: none yet) and which way.
    int SortedCol() const { return sortedCol_; }
    bool SortedAscending() const { return sortedAscending_; }

    // A picture behind the cells, in place of the back colour; empty for none.
    const std::filesystem::path& picture() const { return picture_; }
    // False (and the picture left as it was) when the file is missing or is not a picture.
    [[nodiscard]] bool LoadPicture(const std::filesystem::path& file);
    void clearPicture();

    // The user picked a body cell: a press on it, or Space or Enter on the
    // current one. It is the current cell already; the program's own moves and
    // the arrow keys don't raise it.
    std::function<void(int row, int col)> onSelectCell;
    // The user clicked a column header: before the rows move, and after.
    std::function<void(int col)> onBeforeSort;
    std::function<void(int col)> onAfterSort;
    // The text of the tip shown while the user drags the scroll box with row at the top.
    std::function<std::string(int row)> onScrollTip;

    static constexpr int DefaultColWidth = 960;

    // --- what the user does (front end or test driver); outside the body
    // cells, or on a grid that is hidden or disabled, nothing happens.
    // A press on a body cell: focus first, as a click; then the current cell
    // moves there, and MouseDown, SelectCell and Click follow, the row
    // already the new one.
    void userChoseCell(int row, int col);
    // Space or Enter on a cell, the keyboard's press: SelectCell and Click.
    void userChoseCellByKey(int row, int col);
    void userDoubleClickedCell(int row, int col);
    // The arrow keys moved the current cell: the row reached is the chosen
    // one, so Click follows as after a press (no MouseDown: no button went down).
    void userMovedCell(int row, int col);
    // A column header was clicked: BeforeSort, the body rows sorted by that
    // column (ascending; descending when it was the last sorted ascending), AfterSort.
    void userSortedColumn(int col);
    // The tip shown while the user drags the scroll box with row at the top;
    // "" when the grid gives none.
    std::string scrollTipFor(int row);

private:
    struct Column {
        int width = DefaultColWidth;
        CellAlignment alignment = CellAlignment::Left;
        CellAlignment headerAlignment = CellAlignment::Left;
        int shownLength = 0;
    };
    bool validCell(int row, int col) const { return row >= 0 && row < Rows() && col >= 0 && col < Cols(); }
    bool bodyCell(int row, int col) const { return row >= FixedRows() && validCell(row, col); }
    // Makes a cell the current one for the user's input.
    void moveTo(int row, int col) {
        setRow(row);
        setCol(col);
    }
    // A column's setting, or the default for a column outside the grid.
    template <class T>
    T setting(int col, T Column::*field) const;
    template <class T>
    void set(int col, T Column::*field, T value);

    struct CellLook {
        std::optional<OleColor> back;
        std::optional<OleColor> fore;
    };
    // The look of a cell, made when first set.
    CellLook* look(int row, int col);
    const CellLook* look(int row, int col) const;

    std::filesystem::path picture_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<long> rowData_;
    // Per row: empty while every cell of the row has the grid's look.
    std::vector<std::vector<CellLook>> looks_;
    std::vector<Column> columns_;
    int row_ = 0;
    int col_ = 0;
    bool highlight_ = true;
    GridSelection selectionMode_ = GridSelection::Row;
    int headerHeight_ = 0;
    int sortedCol_ = -1;
    bool sortedAscending_ = true;
};

}  // namespace ui
