// A cookbook of damaged files: the input holds four control bytes, then the
// data file, two index files, the data file once more under its name spelt in
// other letter case, a recipe name and a record journal, apart by the file
// separator. Opening the cookbook (Recover) takes the files as they are;
// every read takes them as opening left them, and a save, a delete, a rename
// and a write in place each either fail as they must or leave what they
// promise, and nothing is written beside the cookbook's own files.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/cookbook_files.h"
#include "fuzz/scratch_folder.h"
#include "recipes/store/index_file.h"
#include "recipes/store/old_cookbook_format.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/record_journal.h"

namespace {

using recipes::IndexEntry;
using recipes::RecipeRecord;
using recipes::StoreResult;

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

bool Names(const std::string& record, long n) {
    const auto text = recipes::index_file::EntryText(record);
    return text && recipes::EntryRecordNumber(*text) == n;
}

bool IsEmptyEntry(const std::string& record) {
    const auto text = recipes::index_file::EntryText(record);
    return text && text->empty();
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

bool InUseInFile(const recipes::CookbookReader& reader, long k) {
    return k <= reader.RecordCount() && recipes::IsInUseMarker(recipes::MarkerOf(reader.ReadRecordBytes(k)));
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

// The lowest record that is not in use and that no entry names; every one
// below it is in use or named.
void CheckFreeRecord(const recipes::RecipeStore& store) {
    const long free = store.FindFreeRecord();
    fuzz::Expect(free >= 1 && free <= recipes::MaxRecipeRecords + 1, "the free record is a record");
    const auto named = fuzz::NamedRecords(store);
    if (!named) return;  // an index past the size cap: what could be read counts, which is not checked here
    auto taken = [&](long k) { return (*named)[static_cast<std::size_t>(k)] || InUseInFile(store, k); };
    if (free <= recipes::MaxRecipeRecords) fuzz::Expect(!taken(free), "the free record is neither in use nor named");
    for (long k = 1; k < free; ++k) fuzz::Expect(taken(k), "no lower record is free");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 4> control{};
    std::copy_n(data, std::min(size, control.size()), control.begin());
    const auto rest = fuzz::AsText(data, size).substr(std::min(size, control.size()));
    auto parts = fuzz::SplitInput(rest, fuzz::FileSeparator, 6);
    parts.resize(6);

    const int cookbook = 1 + control[0] % 8;
    const int typeA = control[1] % (recipes::RecipeTypeCount + 1);  // 0: no such type
    const int typeB = 1 + control[1] / 23 % recipes::RecipeTypeCount;
    const fuzz::ScratchFolder folder;
    const std::string otherSpelling = Lowered(recipes::RecipeDataFileName(cookbook));
    if (!parts[0].empty()) folder.Write(recipes::RecipeDataFileName(cookbook), parts[0]);
    if (!parts[1].empty()) folder.Write(recipes::RecipeIndexFileName(std::max(typeA, 1), cookbook), parts[1]);
    if (!parts[2].empty()) folder.Write(recipes::RecipeIndexFileName(typeB, cookbook), parts[2]);
    if (!parts[3].empty()) folder.Write(otherSpelling, parts[3]);
    const std::string name = NameOf(parts[4]);

    recipes::RecipeStore store(folder.programFolder(), cookbook);
    const auto journalName = recipes::JournalPathFor(store.DataFilePath()).filename().string();
    if (!parts[5].empty()) folder.Write(journalName, parts[5]);

    const std::string dataBefore = folder.Read(recipes::RecipeDataFileName(cookbook));
    fuzz::Expect(store.Recover(), "a cookbook in a writable folder opens");
    fuzz::Expect(folder.Read(journalName).empty(), "opening the cookbook finishes its journal");
    if (parts[5].empty())
        fuzz::Expect(folder.Read(recipes::RecipeDataFileName(cookbook)) == dataBefore,
                     "opening a cookbook without a journal leaves its data file");

    ReadEverything(store, typeA, typeB);
    static_cast<void>(store.ReadSortedIndex(typeB));
    const RecipeRecord record = store.ReadRecord(1);
    CheckFreeRecord(store);

    const bool typeKnown = typeA != 0;
    const bool older = recipes::DetectOldRecipeFile(store.folder(), cookbook);
    if (control[3] & 1) {
        const long free = store.FindFreeRecord();
        const std::string dataFile = folder.Read(recipes::RecipeDataFileName(cookbook));
        const auto saved = store.SaveNew(typeA, name, record);
        if (name.empty()) fuzz::Expect(saved.result == StoreResult::NoName, "a new recipe without a name is refused");
        else if (older) fuzz::Expect(saved.result == StoreResult::OlderFormat, "an older data file is not written");
        else if (free <= recipes::MaxRecipeRecords) fuzz::Expect(saved.ok() == typeKnown, "a new recipe is saved");
        if (!saved.ok())
            fuzz::Expect(folder.Read(recipes::RecipeDataFileName(cookbook)) == dataFile,
                         "a new recipe not saved leaves the data file");
        if (saved.ok()) {
            fuzz::Expect(saved.recordNumber == free, "a new recipe takes the lowest record free and named by none");
            fuzz::Expect(store.ReadRecord(saved.recordNumber) == InUse(record), "a new recipe is stored");
            fuzz::Expect(Lists(store, typeA, saved.recordNumber, name), "a new recipe is listed");
        }
        CheckFreeRecord(store);
    }
    const long n = 1 + control[2] % (store.RecordCount() + 2);
    if (control[3] & 2) {
        const auto entriesBefore = fuzz::IndexRecords(store, std::max(typeA, 1));
        const std::string recordBefore = store.ReadRecordBytes(n);
        const auto deleted = store.Delete(typeA, n);
        if (older) fuzz::Expect(deleted.result == StoreResult::OlderFormat, "an older data file is not written");
        else fuzz::Expect(deleted.ok() == typeKnown, "a recipe of a type is deleted");
        if (deleted.ok()) {
            auto kept = entriesBefore;
            std::erase_if(kept, [n](const std::string& r) { return Names(r, n) || IsEmptyEntry(r); });
            fuzz::Expect(fuzz::IndexRecords(store, typeA) == kept,
                         "a delete removes every entry naming the record, and only those and empty ones");
            const auto named = fuzz::NamedRecords(store);
            if (named && (*named)[static_cast<std::size_t>(n)]) {
                fuzz::Expect(store.ReadRecordBytes(n) == recordBefore, "a record another entry names keeps its recipe");
            } else if (named) {
                fuzz::Expect(store.ReadRecord(n) == Stored(recipes::DeletedRecipeRecord()),
                             "a record no entry names any more is blank");
                fuzz::Expect(store.FindFreeRecord() <= n, "a deleted record is free");
            }
        } else {
            fuzz::Expect(store.ReadRecordBytes(n) == recordBefore, "a recipe not deleted keeps its record");
        }
        CheckFreeRecord(store);
    }
    if (control[3] & 4) {
        const auto renamed = store.Rename(typeB, n, name);
        fuzz::Expect(renamed.ok(), "a recipe is renamed");
        if (n <= store.RecordCount()) fuzz::Expect(Lists(store, typeB, n, name), "a renamed recipe is listed so");
        fuzz::Expect(store.ReadIndex(typeB) == store.ReadSortedIndex(typeB),
                     "a renamed index is written in the order the lists show");
    }
    if (control[3] & 8) {
        const auto written = store.WriteInPlace(n, record);
        if (older) {
            fuzz::Expect(written.result == StoreResult::OlderFormat, "an older data file is not written");
        } else {
            fuzz::Expect(written.ok(), "a recipe is written in place");
            fuzz::Expect(store.ReadRecord(n) == InUse(record), "a recipe written in place reads back");
        }
    }
    ReadEverything(store, typeA, typeB);
    fuzz::Expect(fuzz::OnlyCookbookFiles(folder, store, {otherSpelling}),
                 "nothing is left beside the cookbook's own files");
    return 0;
}
