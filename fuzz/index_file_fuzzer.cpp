// An index file of any bytes: its records are read whole, and rewriting them
// gives the same file back.
#include <cstddef>
#include <cstdint>

#include "fuzz/scratch_folder.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_index_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchFolder folder;
    folder.Write("Appenfil.db1", fuzz::AsText(data, size));
    const auto path = folder.dir() / "Appenfil.db1";
    const auto records = recipes::index_file::ReadRecords(path);
    fuzz::Expect(records.has_value(), "an index file that is there opens");
    fuzz::Expect(records->size() == (size + recipes::IndexRecordLength - 1) / recipes::IndexRecordLength,
                 "every record is read, a partly written last one too");
    for (const auto& record : *records) {
        fuzz::Expect(record.size() == recipes::IndexRecordLength, "an index record is 60 bytes");
        if (const auto text = recipes::index_file::EntryText(record))
            static_cast<void>(recipes::EntryRecordNumber(*text));
    }
    fuzz::Expect(recipes::index_file::Rewrite(path, *records), "an index file is rewritten");
    fuzz::Expect(recipes::index_file::ReadRecords(path) == records, "a rewritten index reads back the same");
    return 0;
}
