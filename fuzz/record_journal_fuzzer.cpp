// A record journal of any bytes beside a small cookbook, found when the
// cookbook is opened (Recover). The input holds four control bytes, then the
// data file, two index files and the journal, apart by the file separator.
// The first control bit takes the journal's bytes as they are; otherwise the
// journal is made whole by its own writer from the change, type and record of
// the other control bytes and the last two parts as the record before and
// after, so the fuzzer gets past the check sum. Opening never fails in a
// writable folder, removes the journal, touches no file but the data file,
// and leaves the journal's record as it was or as it was to be (which one is
// what the index files say), every other record as it was.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/cookbook_files.h"
#include "fuzz/scratch_folder.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/record_journal.h"

namespace {

using recipes::RecordJournal;

constexpr std::array<RecordJournal::Change, 3> kChanges = {
    RecordJournal::Change::WriteInPlace, RecordJournal::Change::SaveNew, RecordJournal::Change::Delete};

// Whether the journal's change had taken effect when the program stopped.
bool InEffect(const RecordJournal& journal, const recipes::CookbookReader& cookbook, const std::vector<bool>& named) {
    switch (journal.change) {
        case RecordJournal::Change::SaveNew: {
            if (recipes::RecipeTypeName(journal.type).empty()) return false;
            const auto records = fuzz::IndexRecords(cookbook, journal.type);
            return std::any_of(records.begin(), records.end(), [&](const std::string& record) {
                const auto text = recipes::index_file::EntryText(record);
                return text && recipes::EntryRecordNumber(*text) == journal.record;
            });
        }
        case RecordJournal::Change::Delete: return !named[static_cast<std::size_t>(journal.record)];
        case RecordJournal::Change::WriteInPlace: return false;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 4> control{};
    std::copy_n(data, std::min(size, control.size()), control.begin());
    const auto rest = fuzz::AsText(data, size).substr(std::min(size, control.size()));
    auto parts = fuzz::SplitInput(rest, fuzz::FileSeparator, 5);
    parts.resize(5);

    const int cookbook = 1 + control[0] / 2 % 8;
    const int typeA = 1 + control[2] % recipes::RecipeTypeCount;
    const int typeB = 1 + control[2] / 22 % recipes::RecipeTypeCount;
    const fuzz::ScratchFolder folder;
    recipes::RecipeStore store(folder.programFolder(), cookbook);
    const std::string dataName = recipes::RecipeDataFileName(cookbook);
    if (!parts[0].empty()) folder.Write(dataName, parts[0]);
    if (!parts[1].empty()) folder.Write(recipes::RecipeIndexFileName(typeA, cookbook), parts[1]);
    if (!parts[2].empty()) folder.Write(recipes::RecipeIndexFileName(typeB, cookbook), parts[2]);

    std::string journalBytes(parts[3]);
    if (!(control[0] & 1)) {
        RecordJournal made;
        made.change = control[1] < 3 * 80 ? kChanges[control[1] % 3] : static_cast<RecordJournal::Change>(control[1]);
        made.type = control[2] < 242 ? typeA : control[2] % 2 * 23;                         // 0 and 23: no type
        made.record = control[3] == 0xff ? recipes::MaxRecipeRecords + 1 : control[3] % 8;  // 0 and past: none
        made.before = std::string(parts[3]);
        made.after = std::string(parts[4]);
        journalBytes = recipes::EncodeRecordJournal(made);
    }
    const auto journalPath = recipes::JournalPathFor(store.DataFilePath());
    folder.Write(journalPath.filename().string(), journalBytes);

    std::array<std::string, recipes::RecipeTypeCount + 1> indexesBefore;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
        indexesBefore[type] = folder.Read(recipes::RecipeIndexFileName(type, cookbook));
    const std::string dataBefore = folder.Read(dataName);
    const auto named = fuzz::NamedRecords(store);
    const auto journal = recipes::DecodeRecordJournal(journalBytes);

    fuzz::Expect(store.Recover(), "a cookbook with a journal in a writable folder opens");
    fuzz::Expect(!std::filesystem::exists(journalPath), "opening the cookbook removes its journal");
    fuzz::Expect(fuzz::OnlyCookbookFiles(folder, store, {}), "opening writes nothing beside the cookbook's files");
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
        fuzz::Expect(folder.Read(recipes::RecipeIndexFileName(type, cookbook)) == indexesBefore[type],
                     "opening leaves the index files");

    const std::string dataAfter = folder.Read(dataName);
    const bool acted = journal && journal->record >= 1 && journal->record <= recipes::MaxRecipeRecords;
    if (!acted) {
        fuzz::Expect(dataAfter == dataBefore, "a journal that is not whole leaves the data file");
    } else {
        const long k = journal->record;
        const auto at = static_cast<std::size_t>(k - 1) * recipes::RecipeRecordLength;
        fuzz::Expect(dataAfter.size() == std::max(dataBefore.size(), at + recipes::RecipeRecordLength),
                     "the data file grows only to hold the journal's record");
        fuzz::Expect(dataAfter.substr(0, std::min(at, dataBefore.size())) == dataBefore.substr(0, at),
                     "the records before the journal's are as they were");
        const auto after = at + recipes::RecipeRecordLength;
        fuzz::Expect(after >= dataBefore.size() || dataAfter.substr(after) == dataBefore.substr(after),
                     "the records after the journal's are as they were");
        fuzz::Expect(std::string(dataAfter.size() > at ? dataAfter.substr(at, recipes::RecipeRecordLength) : "") ==
                         (named && InEffect(*journal, store, *named) ? journal->after : journal->before),
                     "the journal's record is as it was, or as it was to be once the index says so");
        // The bytes between the old end and a record past it read as zero.
        if (at > dataBefore.size())
            fuzz::Expect(dataAfter.substr(dataBefore.size(), at - dataBefore.size()) ==
                             std::string(at - dataBefore.size(), '\0'),
                         "a record put past the end leaves zero bytes before it");
    }

    // Opening again finds nothing left to do.
    fuzz::Expect(store.Recover(), "a cookbook opens a second time");
    fuzz::Expect(folder.Read(dataName) == dataAfter, "opening a second time changes nothing");
    return 0;
}
