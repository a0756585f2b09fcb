// A shopping list file of any bytes, as opening a list reads it. The input
// holds two control bytes, then the file. Opening never breaks the list's
// promises: every line is shown on exactly one row, in either order and
// after a heading sort, and a row removed takes its own line. A list read,
// saved and opened again is the same list, and saved again the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "shopping/store/list_file.h"
#include "shopping/store/list_file_name.h"

namespace {

using shopping::ShoppingList;

void CheckRows(const ShoppingList& list) {
    fuzz::Expect(list.LineCount() <= shopping::MaxListLines, "a list holds at most 1000 lines");
    fuzz::Expect(list.Rows() >= shopping::MinGridRows && list.Rows() >= list.LineCount() + 1,
                 "every line has a row, and there are at least 16");
    std::vector<int> shown(static_cast<std::size_t>(list.LineCount()), 0);
    for (int r = 1; r < list.Rows(); ++r) {
        const auto line = list.LineAtRow(r);
        if (!line) {
            fuzz::Expect(list.Row(r).item.empty() && list.Row(r).amount.empty(), "a row without a line is empty");
            continue;
        }
        fuzz::Expect(*line >= 0 && *line < list.LineCount(), "a row shows a line of the list");
        ++shown[static_cast<std::size_t>(*line)];
        const std::string& text = list.EntryLines()[static_cast<std::size_t>(*line)];
        fuzz::Expect(text.size() <= shopping::SortedLineWidth, "a line fits the sorted copy");
        fuzz::Expect(text.find('"') == std::string::npos, "a line holds no double quote");
        fuzz::Expect(!shopping::ItemOfLine(text).empty(), "a line has an item");
        fuzz::Expect(list.Row(r).amount == shopping::AmountOfLine(text), "a row shows its line's amount");
    }
    fuzz::Expect(std::all_of(shown.begin(), shown.end(), [](int n) { return n == 1; }),
                 "every line is shown on exactly one row");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t control0 = size > 0 ? data[0] : 0;
    const std::uint8_t control1 = size > 1 ? data[1] : 0;
    const auto bytes = fuzz::AsText(data, size).substr(std::min<std::size_t>(size, 2));
    const fuzz::ScratchFolder folder;
    const std::string name = "08Dec04.Lst";
    folder.Write(name, bytes);
    const auto path = folder.dir() / name;

    ShoppingList list;
    const auto opened = shopping::OpenListFile(path, list);
    fuzz::Expect(opened.result == basic::FileRead::Read, "a list file of any bytes is read");
    fuzz::Expect(!list.ListChanged(), "an opened list is unchanged");
    CheckRows(list);
    const auto lines = list.EntryLines();

    fuzz::Expect(shopping::SaveListFile(path, list), "a list is saved");
    const std::string saved = folder.Read(name);
    ShoppingList again;
    shopping::OpenListFile(path, again);
    fuzz::Expect(again.EntryLines() == lines, "a list saved and opened again is the same list");
    fuzz::Expect(shopping::EncodeListFile(again) == saved, "saved again, it gives the same bytes");

    // The views and edits the window makes, on rows as shown.
    if (control0 & 1) list.SetOrderOption(shopping::OrderOption::Alphabetically);
    if (control0 & 2) list.SortRows((control0 >> 2) & 1, (control0 >> 3) & 1, (control0 >> 4) & 1);
    CheckRows(list);
    const int row = 1 + control1 % list.Rows();
    const auto line = list.LineAtRow(row);
    const int count = list.LineCount();
    const bool removed = list.RemoveListLine(row);
    fuzz::Expect(removed == line.has_value(), "a row showing a line can be removed");
    if (removed) {
        auto expected = lines;
        expected.erase(expected.begin() + *line);
        fuzz::Expect(list.EntryLines() == expected, "removing a row removes the line it showed");
    }
    fuzz::Expect(list.LineCount() == count - (removed ? 1 : 0), "only that line goes");
    CheckRows(list);
    const auto stored = list.StoreEntryAtRow(row, bytes.substr(0, 40));
    fuzz::Expect(stored != shopping::ListEdit::ListFull || list.LineCount() == shopping::MaxListLines,
                 "only a full list refuses an item");
    CheckRows(list);

    // The file names of dates.
    if (const auto date = shopping::ListFileDate(bytes.substr(0, 12))) {
        const auto rebuilt = shopping::ListFileName(*date);
        fuzz::Expect(rebuilt && shopping::ListFileDate(*rebuilt) == date, "a name's date gives that name back");
    }
    if (const auto date = shopping::ParseDateBoxText(bytes.substr(0, 12)))
        fuzz::Expect(shopping::ListFileName(*date).has_value(), "a date box's date names a file");
    return 0;
}
