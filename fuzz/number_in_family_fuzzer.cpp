// The number in family file "FdsB2.Fil" of any bytes. It reads as a text
// that starts with a number above 0, or "1"; saved, it reads back the same,
// and the totals needed follow it without a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_files.h"
#include "fuzz/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace food_storage;
    const fuzz::ScratchFolder folder;
    const auto program = folder.programFolder();
    folder.Write(NumberInFamilyFileName, fuzz::AsText(data, size));

    const LoadedStorage loaded = LoadStorage(program, StorageKind::Emergency);
    fuzz::Expect(loaded.numberInFamily == "1" || ReadKitchenAmount(loaded.numberInFamily).value > 0,
                 "the number in family is above 0");
    fuzz::Expect(SaveStorage(program, StorageKind::Emergency, loaded.table, loaded.numberInFamily),
                 "the number is saved");
    // Quotes and line breaks, which the file cannot hold, are written as a single quote and a blank.
    std::string written = loaded.numberInFamily;
    for (char& c : written) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    fuzz::Expect(LoadStorage(program, StorageKind::Emergency).numberInFamily == written, "saved, it reads back");

    StorageTable table;
    table.Cell(2, AmountPerPersonColumn) = "12 cans";
    RecomputeTotalsNeeded(StorageKind::Emergency, table, loaded.numberInFamily);
    fuzz::Expect(!table.Cell(2, TotalNeededColumn).empty(), "a row with an amount gets its total");
    return 0;
}
