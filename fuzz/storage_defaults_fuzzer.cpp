// The default titles and default amounts files of any bytes. The input holds
// one control byte (the kind), then the titles file and the amounts file,
// apart by the file separator. Each replaces at most the rows it has items
// for and leaves every other cell as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "food_storage/store/storage_defaults.h"
#include "food_storage/store/storage_files.h"
#include "fuzz/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace food_storage;
    const auto kind = static_cast<StorageKind>((size > 0 ? data[0] : 0) % 3);
    auto parts = fuzz::SplitInput(fuzz::AsText(data, size).substr(size > 0 ? 1 : 0), fuzz::FileSeparator, 2);
    parts.resize(2);
    const fuzz::ScratchFolder folder;
    const auto program = folder.programFolder();
    const auto names = FileNamesOf(kind);
    folder.Write(names.defaultTitles, parts[0]);
    folder.Write(names.defaultAmounts, parts[1]);

    StorageTable table;
    RebuildAllRows(kind, table);
    const StorageTable before = table;
    LoadDefaultTitles(program, kind, table);
    for (int r = 1; r <= StorageRows; ++r) {
        for (int c = 1; c < StorageColumns; ++c)
            fuzz::Expect(table.Cell(r, c) == before.Cell(r, c), "default titles change titles only");
    }

    const StorageTable titled = table;
    LoadDefaultAmounts(program, kind, table, "2");
    for (int r = 1; r <= StorageRows; ++r) {
        fuzz::Expect(table.Cell(r, TitleColumn) == titled.Cell(r, TitleColumn), "default amounts keep the titles");
        for (int c = OnHandColumn; c < StorageColumns; ++c)
            fuzz::Expect(table.Cell(r, c) == titled.Cell(r, c), "default amounts keep what is on hand");
    }
    return 0;
}
