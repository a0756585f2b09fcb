// Opening a cookbook after the program was killed in the middle of a change.
#include <filesystem>
#include <vector>

#include "platform/basic/atomic_write.h"
#include "platform/basic/random_access_file.h"
#include "recipes/store/index_file.h"
#include "recipes/store/old_cookbook_format.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "recipes/store/record_journal.h"

namespace recipes {

bool RecipeStore::FinishInterruptedChange() {
    const JournalFound found = ReadRecordJournal(JournalPath());
    if (!found.present) return true;
    // A journal cut short was written before the record was touched.
    if (!found.journal) return basic::RemoveSyncedFile(JournalPath());
    const RecordJournal& journal = *found.journal;
    if (journal.record < 1 || journal.record > MaxRecipeRecords) return basic::RemoveSyncedFile(JournalPath());

    // Whether the change took effect is what the index files say.
    bool done = false;
    if (journal.change == RecordJournal::Change::SaveNew && !RecipeTypeName(journal.type).empty()) {
        const auto records = index_file::ReadExistingRecords(IndexFilePath(journal.type));
        if (records) {
            for (const auto& record : *records) {
                const auto text = index_file::EntryText(record);
                if (text && EntryRecordNumber(*text) == journal.record) done = true;
            }
        }
    } else if (journal.change == RecordJournal::Change::Delete) {
        NamedRecords named;
        std::filesystem::path unreadable;
        done = CollectNamed(named, unreadable) && !named[static_cast<std::size_t>(journal.record)];
    }
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!file || !file->Put(journal.record, done ? journal.after : journal.before) || !file->Flush()) return false;
    return basic::RemoveSyncedFile(JournalPath());
}

bool RecipeStore::Recover() {
    const bool finished = FinishInterruptedChange();
    // Only this copy of the program writes here, so no rewrite is under way.
    std::vector<std::filesystem::path> files{DataFilePath()};
    for (int type = 1; type <= RecipeTypeCount; ++type) files.push_back(IndexFilePath(type));
    basic::RemoveLeftoverTemporaries(files);
    if (cookbook() == 1) RemoveInterruptedConversion(folder());
    return finished;
}

}  // namespace recipes
