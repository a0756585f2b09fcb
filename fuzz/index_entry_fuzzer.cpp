// Index entries, one a line of the input: any text reads as an entry or as
// none, an entry made from a name points at its record, and the list order
// takes any entries.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<recipes::IndexEntry> entries;
    long n = 1;
    for (const auto line : fuzz::SplitInput(fuzz::AsText(data, size), "\n", 64)) {
        const auto number = recipes::EntryRecordNumber(line);
        if (number) fuzz::Expect(*number >= 1 && *number <= recipes::MaxRecipeRecords, "a number names a record");
        entries.push_back({std::string(line), number.value_or(0)});
        static_cast<void>(recipes::EntryName(line));

        // The line as a recipe's name.
        n = (n * 7919 + static_cast<long>(line.size())) % recipes::MaxRecipeRecords + 1;
        const auto stored = recipes::RecipeNameAsStored(line);
        fuzz::Expect(stored.size() <= recipes::RecipeNameWidth, "a stored name fits its place");
        const auto entry = recipes::MakeIndexEntry(line, n);
        fuzz::Expect(recipes::EntryRecordNumber(entry) == n, "a new entry points at its record");
        fuzz::Expect(recipes::EntryName(entry) == stored, "a new entry keeps the name as stored");
        const auto record = recipes::index_file::RecordOf(entry);
        fuzz::Expect(record.has_value(), "a new entry fits its index record");
        fuzz::Expect(record->size() == recipes::IndexRecordLength, "an index record is 60 bytes");
        std::string asRead = entry;
        std::replace(asRead.begin(), asRead.end(), '\0', ' ');
        fuzz::Expect(recipes::index_file::EntryText(*record) == asRead, "an index record reads back its entry");

        // The line as an index record as it lies in the file.
        if (const auto text = recipes::index_file::EntryText(std::string(line)))
            fuzz::Expect(text->find('\0') == std::string::npos, "zero bytes read as blanks");
    }
    recipes::SortForList(entries);
    return 0;
}
