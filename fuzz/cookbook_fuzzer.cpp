// A cookbook of damaged files: the input holds four control bytes, then the
// data file, two index files, the data file once more under its name spelt in
// other letter case, and a recipe name, apart by the file separator. Every
// read takes the files as they are, and a save, a delete, a rename and a
// write in place each either fail or leave what they promise.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "recipes/recipe_lists.h"
#include "recipes/recipe_store.h"

namespace {

using recipes::IndexEntry;
using recipes::RecipeRecord;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A name as the name box gives it: never a zero byte.
std::string NameOf(std::string_view text) {
    std::string name(text.substr(0, 60));
    std::replace(name.begin(), name.end(), '\0', '?');
    return name;
}

bool Lists(const recipes::CookbookReader& reader, int type, long number, const std::string& name) {
    const auto entries = reader.ReadIndex(type);
    return std::any_of(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
        return entry.recordNumber == number && recipes::EntryName(entry.text) == recipes::RecipeNameAsStored(name);
    });
}

// A record as reading it back from the file gives it.
RecipeRecord Stored(const RecipeRecord& record) {
    return recipes::DecodeRecipeRecord(recipes::EncodeRecipeRecord(record));
}

RecipeRecord InUse(const RecipeRecord& record) {
    RecipeRecord inUse = record;
    inUse.marker = recipes::InUseMarker;
    return Stored(inUse);
}

// The types whose index the input gives, and two that are none.
void ReadEverything(const recipes::CookbookReader& reader, int typeA, int typeB) {
    const long count = reader.RecordCount();
    for (const int type : {typeA, typeB, 0, recipes::RecipeTypeCount + 1}) {
        int read = 0;
        reader.VisitIndex(type, [&](std::string_view text, long number) {
            fuzz::Expect(number >= 1 && number <= count, "an entry read points at a record of the file");
            fuzz::Expect(recipes::EntryRecordNumber(text) == number, "an entry read carries its number");
            if (++read <= 8) static_cast<void>(reader.ReadRecord(number));
        });
    }
    static_cast<void>(reader.ReadRecord(count + 1));
    static_cast<void>(reader.ReadRecord(0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 4> control{};
    std::copy_n(data, std::min(size, control.size()), control.begin());
    const auto rest = fuzz::AsText(data, size).substr(std::min(size, control.size()));
    auto parts = fuzz::SplitInput(rest, fuzz::FileSeparator, 5);
    parts.resize(5);

    const int cookbook = 1 + control[0] % 8;
    const int typeA = control[1] % (recipes::RecipeTypeCount + 1);  // 0: no such type
    const int typeB = 1 + control[1] / 23 % recipes::RecipeTypeCount;
    const fuzz::ScratchFolder folder;
    if (!parts[0].empty()) folder.Write(recipes::RecipeDataFileName(cookbook), parts[0]);
    if (!parts[1].empty()) folder.Write(recipes::RecipeIndexFileName(std::max(typeA, 1), cookbook), parts[1]);
    if (!parts[2].empty()) folder.Write(recipes::RecipeIndexFileName(typeB, cookbook), parts[2]);
    if (!parts[3].empty()) folder.Write(Lowered(recipes::RecipeDataFileName(cookbook)), parts[3]);
    const std::string name = NameOf(parts[4]);

    recipes::RecipeStore store(folder.programFolder(), cookbook);
    ReadEverything(store, typeA, typeB);
    static_cast<void>(store.ReadSortedIndex(typeB));
    const RecipeRecord record = store.ReadRecord(1);

    const long free = store.FindFreeRecord();
    fuzz::Expect(free >= 1 && free <= recipes::MaxRecipeRecords + 1, "the free record is a record");
    if (free <= store.RecordCount())
        fuzz::Expect(!recipes::IsInUseMarker(store.ReadRecord(free).marker), "the free record is not in use");

    const bool typeKnown = typeA != 0;
    if (control[3] & 1) {
        const auto saved = store.SaveNew(typeA, name, record);
        fuzz::Expect(saved.ok() == (typeKnown && !name.empty()), "a new recipe of a type is saved");
        if (saved.ok()) {
            fuzz::Expect(saved.recordNumber == free, "a new recipe takes the lowest free record");
            fuzz::Expect(store.ReadRecord(saved.recordNumber) == InUse(record), "a new recipe is stored");
            fuzz::Expect(Lists(store, typeA, saved.recordNumber, name), "a new recipe is listed");
        }
    }
    const long n = 1 + control[2] % (store.RecordCount() + 2);
    if (control[3] & 2) {
        const auto deleted = store.Delete(typeA, n);
        fuzz::Expect(deleted.ok() == typeKnown, "a recipe of a type is deleted");
        if (deleted.ok()) {
            fuzz::Expect(store.ReadRecord(n) == Stored(recipes::DeletedRecipeRecord()), "a deleted record is blank");
            fuzz::Expect(store.FindFreeRecord() <= n, "a deleted record is free");
        }
    }
    if (control[3] & 4) {
        const auto renamed = store.Rename(typeB, n, name);
        fuzz::Expect(renamed.ok(), "a recipe is renamed");
        if (n <= store.RecordCount()) fuzz::Expect(Lists(store, typeB, n, name), "a renamed recipe is listed so");
    }
    if (control[3] & 8) {
        fuzz::Expect(store.WriteInPlace(n, record).ok(), "a recipe is written in place");
        fuzz::Expect(store.ReadRecord(n) == InUse(record), "a recipe written in place reads back");
    }
    ReadEverything(store, typeA, typeB);
    return 0;
}
