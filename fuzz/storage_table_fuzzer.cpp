// A storage table file of any bytes, as the storage window loads it. The
// input holds two control bytes (the kind, the row to book on), then the
// file. Loading takes what it can; saved, the file holds 480 lines and loads
// back to the same bytes; a booking never leaves a negative amount on hand.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_defaults.h"
#include "food_storage/store/storage_files.h"
#include "fuzz/scratch_folder.h"

namespace {

using namespace food_storage;

std::size_t LineCount(const std::string& bytes) {
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t control0 = size > 0 ? data[0] : 0;
    const std::uint8_t control1 = size > 1 ? data[1] : 0;
    const auto bytes = fuzz::AsText(data, size).substr(std::min<std::size_t>(size, 2));
    const auto kind = static_cast<StorageKind>(control0 % 3);
    const fuzz::ScratchFolder folder;
    const auto program = folder.programFolder();
    const std::string name(FileNamesOf(kind).table);
    folder.Write(name, bytes);

    LoadedStorage loaded = LoadStorage(program, kind);
    fuzz::Expect(loaded.tableResult == StorageRead::Read, "a storage file of any bytes is read");
    fuzz::Expect(ReadKitchenAmount(loaded.numberInFamily).value > 0, "the number in family is above 0");

    fuzz::Expect(SaveStorage(program, kind, loaded.table, loaded.numberInFamily), "the table is saved");
    const std::string saved = folder.Read(name);
    fuzz::Expect(LineCount(saved) == 480 && saved.ends_with("\"\r\n"), "a saved table is 480 quoted lines");
    const LoadedStorage again = LoadStorage(program, kind);
    fuzz::Expect(EncodeStorageTable(kind, again.table) == saved, "saved and loaded again, it gives the same bytes");

    // The window's edits: marks, an addition and a use on one row, clearing.
    StorageTable& table = loaded.table;
    RebuildAllRows(kind, table);
    const int row = 1 + control1 % StorageRows;
    if (!IsMark(table.Cell(row, AmountAddedColumn))) {
        table.Cell(row, AmountAddedColumn) = bytes.substr(0, 8);
        BookAmount(kind, table, row, Booking::Added);
        table.Cell(row, AmountUsedColumn) = bytes.substr(bytes.size() > 8 ? 8 : 0, 8);
        BookAmount(kind, table, row, Booking::Used);
        fuzz::Expect(!(ReadKitchenAmount(table.Cell(row, OnHandColumn)).value < 0), "a booking never goes below 0");
    }
    RecomputeTotalsNeeded(kind, table, bytes.substr(0, 4));
    ClearLastActionColumns(table);
    for (int r = 1; r <= StorageRows; ++r) {
        for (int c = 0; c < StorageColumns; ++c) {
            if (IsLayoutMarked(kind, r, c)) fuzz::Expect(IsMark(table.Cell(r, c)), "edits keep the layout's marks");
        }
    }
    fuzz::Expect(LineCount(EncodeStorageTable(kind, table)) == 480, "an edited table is 480 lines");
    return 0;
}
