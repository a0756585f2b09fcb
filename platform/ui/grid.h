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

// One cell of a grid, by row and column.
struct GridCell {
    int row = 0;
    int col = 0;
    bool operator==(const GridCell&) const = default;
};

// A table of text cells whose row 0 is a fixed header; the body rows below
// it scroll. Rows and columns are counted from 0. Made for lists of tens of
// thousands of rows: a front end reads the cells where they are and is told
// only that the content changed (Property::Items), the current cell moved
// (Selection) or the columns' look changed (Style). An editable grid lets the
// user edit its body cells in place (a shopping list); a new grid is a list
// to read.
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

    // A body row's height in twips, to show a cell of several lines (parted
    // by a carriage return); 0, as every new row has, for the grid's own.
    // It moves with its row. Ignored for the header row and outside the grid.
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);

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
    // The height of every body row in twips; 0 fits one line of the font.
    int BodyRowHeight() const { return bodyRowHeight_; }
    void setBodyRowHeight(int twips);
    // Long body texts break into lines within the column, and a carriage
    // return in a cell starts a new line; off, a cell shows one line.
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    // A grid whose columns are fitted to its width never scrolls sideways.
    bool VerticalScrollOnly() const { return verticalScrollOnly_; }
    void setVerticalScrollOnly(bool on);

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
    // Whether a click on a column header sorts the rows (a new grid's does).
    bool Sortable() const { return sortable_; }
    void setSortable(bool on);
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

    // --- editing in place
    bool Editable() const { return editable_; }
    void setEditable(bool on);
    // Whether the user may edit the column's cells while the grid is
    // editable (all may at first); a column the program fills keeps them.
    bool ColEditable(int col) const;
    void setColEditable(int col, bool on);
    // Whether the user may edit that body cell now.
    bool CellEditable(int row, int col) const;
    // The editable cell after (or before) row, col in reading order, where
    // Tab (Shift+Tab) goes on to; nullopt past the last (before the first).
    std::optional<GridCell> NextEditableCell(int row, int col, bool backwards = false) const;
    // The cell the user is editing; nullopt when none. Rows or columns that
    // take it away, sorting, or the cell made uneditable end the editing.
    const std::optional<GridCell>& EditingCell() const { return editing_; }

    // The user is about to edit a cell, the current one already; cancel keeps it from editing.
    std::function<void(int row, int col, bool& cancel)> onBeforeEdit;
    // The user finished editing a cell with text (not raised when it is the
    // text the cell has). The program may change the text, or cancel to
    // refuse it: the cell keeps its own, and the editing goes on so that the
    // user can mend the text or give up (Esc).
    std::function<void(int row, int col, std::string& text, bool& cancel)> onEditCell;

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
    // Starts editing a cell (F2, Enter, a typed character, a double click):
    // focus first, as a press; the cell becomes the current one, then
    // BeforeEdit. False when the cell cannot be edited or the start was refused.
    bool userBeganEdit(int row, int col);
    // The editor's text kept (Enter, Tab, leaving the cell): EditCell, then
    // the text goes into the cell and the editing ends. False when nothing
    // was being edited or the text was refused.
    bool userEditedCell(const std::string& text);
    // Esc: the editing ends and the cell keeps its text.
    void userCancelledEdit() { editing_.reset(); }
    // While a cell is edited, Enter and Esc are the editor's; on an editable
    // current cell Enter starts editing it.
    bool takesKey(int keyCode) const override;

private:
    struct Column {
        int width = DefaultColWidth;
        CellAlignment alignment = CellAlignment::Left;
        CellAlignment headerAlignment = CellAlignment::Left;
        int shownLength = 0;
        bool editable = true;
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
    // What the program keeps with each row besides its cells.
    struct RowInfo {
        long data = 0;
        int height = 0;
    };
    std::vector<RowInfo> rowData_;
    // Per row: empty while every cell of the row has the grid's look.
    std::vector<std::vector<CellLook>> looks_;
    std::vector<Column> columns_;
    int row_ = 0;
    int col_ = 0;
    bool highlight_ = true;
    GridSelection selectionMode_ = GridSelection::Row;
    int headerHeight_ = 0;
    int bodyRowHeight_ = 0;
    bool wordWrap_ = false;
    bool verticalScrollOnly_ = false;
    bool sortable_ = true;
    int sortedCol_ = -1;
    bool sortedAscending_ = true;
    bool editable_ = false;
    std::optional<GridCell> editing_;
};

}  // namespace ui
