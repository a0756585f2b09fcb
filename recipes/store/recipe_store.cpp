#include "recipes/store/recipe_store.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include "platform/basic/atomic_write.h"
#include "platform/basic/parallel_record_scan.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/store/index_entries.h"
#include "recipes/store/index_file.h"
#include "recipes/store/old_cookbook_format.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/record_journal.h"

namespace recipes {

namespace {

// A thread of its own only for this many records (2 MB) or more.
constexpr long kMinRecordsPerThread = 1024;

StoreOutcome Failed(StoreResult result, const std::filesystem::path& file) {
    StoreOutcome outcome;
    outcome.result = result;
    outcome.fileName = file.filename().string();
    return outcome;
}

bool ValidRecordNumber(long n) { return n >= 1 && n <= MaxRecipeRecords; }

bool Names(const std::string& record, long n) {
    const auto text = index_file::EntryText(record);
    return text && EntryRecordNumber(*text) == n;
}

bool StillOlderFormat(const CookbookReader& cookbook) {
    return DetectOldRecipeFile(cookbook.folder(), cookbook.cookbook());
}

// The order the recipe lists show, which a renamed index is written in:
// alphabetical without regard to case; equal texts keep their order, and
// records that cannot be read follow, kept as they were.
void SortAsListed(std::vector<std::string>& records) {
    std::stable_sort(records.begin(), records.end(), [](const std::string& a, const std::string& b) {
        const auto x = index_file::EntryText(a);
        const auto y = index_file::EntryText(b);
        if (!x || !y) return x.has_value() && !y.has_value();
        return basic::LessNoCase(*x, *y);
    });
}

// An empty entry carries nothing; leaving it out keeps it from standing in
// front of the others.
void DropEmptyEntries(std::vector<std::string>& records) {
    std::erase_if(records, [](const std::string& record) {
        const auto text = index_file::EntryText(record);
        return text && text->empty();
    });
}

// The type's index records, or why they cannot be had.
StoreOutcome ReadTypeIndex(int type, const std::filesystem::path& path, std::vector<std::string>& records) {
    if (RecipeTypeName(type).empty()) return Failed(StoreResult::IndexFileNotWritten, path);
    if (index_file::TooLarge(path)) return Failed(StoreResult::IndexFileTooLarge, path);
    auto read = index_file::ReadRecords(path);
    if (!read) return Failed(StoreResult::IndexFileNotWritten, path);
    records = std::move(*read);
    return {};
}

// The record back as the journal had it before, and the journal gone; a
// journal that stays is finished at the next opening.
void Undo(basic::RandomAccessFile& file, const RecordJournal& journal, const std::filesystem::path& journalPath) {
    if (file.Put(journal.record, journal.before) && file.Flush())
        static_cast<void>(basic::RemoveSyncedFile(journalPath));
}

}  // namespace

std::filesystem::path RecipeStore::JournalPath() const { return JournalPathFor(DataFilePath()); }

bool RecipeStore::CollectNamed(NamedRecords& named, std::filesystem::path& unreadable, unsigned threads) const {
    named = NamedRecords(static_cast<std::size_t>(MaxRecipeRecords) + 1);
    std::array<bool, RecipeTypeCount> failed{};
    auto mark = [&](unsigned, long t) {
        auto reader = IndexEntryReader::Existing(IndexFilePath(static_cast<int>(t) + 1));
        failed[static_cast<std::size_t>(t)] = reader.failed();
        for (IndexEntryView entry; reader.Next(entry);)
            named[static_cast<std::size_t>(entry.recordNumber)].store(true, std::memory_order_relaxed);
        return true;
    };
    basic::ForEachItem(RecipeTypeCount, basic::ThreadsFor(threads, RecordCount(), kMinRecordsPerThread), mark);
    const auto first = std::find(failed.begin(), failed.end(), true);
    if (first == failed.end()) return true;
    unreadable = IndexFilePath(static_cast<int>(first - failed.begin()) + 1);
    return false;
}

long RecipeStore::FindFreeRecord(unsigned threads) const {
    NamedRecords named;
    std::filesystem::path ignored;
    static_cast<void>(CollectNamed(named, ignored, threads));  // what could be read still counts
    return FindFreeRecord(named, threads);
}

long RecipeStore::FindFreeRecord(const NamedRecords& named, unsigned threads) const {
    auto free = [&](long k) { return k >= static_cast<long>(named.size()) || !named[static_cast<std::size_t>(k)]; };
    const auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    const long inFile = file ? std::min(file->RecordCount(), MaxRecipeRecords) : 0;
    // Only a record that no entry names can be free, and nearly every record
    // of a cookbook is named: only the blocks holding an unnamed record are
    // read. A block ends at its first free record, and no block after one
    // that holds a free record is read: the lowest found is the lowest there is.
    long unnamed = 0;
    for (long k = 1; k <= inFile; ++k) unnamed += free(k) ? 1 : 0;
    std::atomic<long> lowest{inFile + 1};
    auto holdsUnnamed = [&](long first, long count) {
        for (long k = first; k < first + count; ++k)
            if (free(k)) return true;
        return false;
    };
    auto scan = [&](const basic::RecordBlock& block) {
        if (block.first > lowest.load()) return false;
        for (long k = block.first; k < block.first + block.count; ++k) {
            const auto marker = block.record(k).substr(field::MarkerAt, field::MarkerWidth);
            if (IsInUseMarker(marker) || !free(k)) continue;
            basic::LowerTo(lowest, k);
            return false;
        }
        return true;
    };
    if (file)
        basic::ScanRecords(*file, 1, inFile, basic::ThreadsFor(threads, unnamed, kMinRecordsPerThread), scan,
                           holdsUnnamed);
    if (lowest.load() <= inFile) return lowest.load();
    // Past the end of the file every record is free but for those an entry
    // already names, which a new recipe must never take.
    for (long k = inFile + 1; k <= MaxRecipeRecords; ++k)
        if (free(k)) return k;
    return MaxRecipeRecords + 1;
}

StoreOutcome RecipeStore::WriteInPlace(long n, const RecipeRecord& record) {
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    if (!FinishInterruptedChange()) return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!ValidRecordNumber(n) || !file) return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    RecipeRecord inUse = record;
    inUse.marker = InUseMarker;
    const RecordJournal journal{RecordJournal::Change::WriteInPlace, 0, n, file->Get(n), EncodeRecipeRecord(inUse)};
    if (!WriteRecordJournal(JournalPath(), journal)) {
        static_cast<void>(basic::RemoveSyncedFile(JournalPath()));
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }
    if (!file->Put(n, journal.after) || !file->Flush()) {
        Undo(*file, journal, JournalPath());
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }
    static_cast<void>(basic::RemoveSyncedFile(JournalPath()));  // done; one left over is rolled back harmlessly
    StoreOutcome outcome;
    outcome.recordNumber = n;
    return outcome;
}

StoreOutcome RecipeStore::SaveNew(int type, std::string_view name, const RecipeRecord& record) {
    if (name.empty()) return Failed(StoreResult::NoName, {});
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    if (!FinishInterruptedChange()) return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    const auto indexPath = IndexFilePath(type);
    std::vector<std::string> entries;
    if (auto failed = ReadTypeIndex(type, indexPath, entries); !failed.ok()) return failed;
    NamedRecords named;
    std::filesystem::path unreadable;
    if (!CollectNamed(named, unreadable))
        return Failed(
            index_file::TooLarge(unreadable) ? StoreResult::IndexFileTooLarge : StoreResult::IndexFileNotWritten,
            unreadable);

    DropEmptyEntries(entries);
    const long k = FindFreeRecord(named);
    if (k > MaxRecipeRecords || static_cast<long>(entries.size()) >= index_file::MaxRecords)
        return Failed(StoreResult::CookbookFull, DataFilePath());

    const std::string entry = MakeIndexEntry(name, k);
    const auto entryRecord = index_file::RecordOf(entry);
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!file || !entryRecord) return Failed(StoreResult::DataFileNotWritten, DataFilePath());

    RecipeRecord inUse = record;
    inUse.marker = InUseMarker;
    const RecordJournal journal{RecordJournal::Change::SaveNew, type, k, file->Get(k), EncodeRecipeRecord(inUse)};
    if (!WriteRecordJournal(JournalPath(), journal)) {
        static_cast<void>(basic::RemoveSyncedFile(JournalPath()));
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }
    // The record is in use, and on the disk, before any entry points at it.
    if (!file->Put(k, journal.after) || !file->Flush()) {
        Undo(*file, journal, JournalPath());
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }
    entries.push_back(*entryRecord);
    if (!index_file::Rewrite(indexPath, entries)) {
        // Free again, so the record is not lost to every later save.
        Undo(*file, journal, JournalPath());
        return Failed(StoreResult::IndexFileNotWritten, indexPath);
    }
    static_cast<void>(basic::RemoveSyncedFile(JournalPath()));  // done; the entry keeps the record if it stays
    StoreOutcome outcome;
    outcome.recordNumber = k;
    outcome.entry = entry;
    return outcome;
}

StoreOutcome RecipeStore::Delete(int type, long n) {
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    if (!FinishInterruptedChange()) return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    const auto indexPath = IndexFilePath(type);
    std::vector<std::string> entries;
    if (auto failed = ReadTypeIndex(type, indexPath, entries); !failed.ok()) return failed;
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!ValidRecordNumber(n) || !file) return Failed(StoreResult::DataFileNotWritten, DataFilePath());

    const RecordJournal journal{RecordJournal::Change::Delete, type, n, file->Get(n),
                                EncodeRecipeRecord(DeletedRecipeRecord())};
    if (!WriteRecordJournal(JournalPath(), journal)) {
        static_cast<void>(basic::RemoveSyncedFile(JournalPath()));
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }
    // No entry names the record by the time it is blanked.
    std::erase_if(entries, [n](const std::string& record) { return Names(record, n); });
    DropEmptyEntries(entries);
    if (!index_file::Rewrite(indexPath, entries)) {
        static_cast<void>(basic::RemoveSyncedFile(JournalPath()));  // the record was not touched
        return Failed(StoreResult::IndexFileNotWritten, indexPath);
    }
    // A record that another type's entry also names keeps its recipe for it.
    NamedRecords named;
    std::filesystem::path unreadable;
    const bool stillNamed = !CollectNamed(named, unreadable) || named[static_cast<std::size_t>(n)];
    // When the blanking fails the journal stays, and the next opening blanks it.
    if (stillNamed || (file->Put(n, journal.after) && file->Flush()))
        static_cast<void>(basic::RemoveSyncedFile(JournalPath()));
    StoreOutcome outcome;
    outcome.recordNumber = n;
    return outcome;
}

StoreOutcome RecipeStore::Rename(int type, long n, std::string_view newName) {
    if (!FinishInterruptedChange()) return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    const auto indexPath = IndexFilePath(type);
    std::vector<std::string> entries;
    if (auto failed = ReadTypeIndex(type, indexPath, entries); !failed.ok()) return failed;
    if (!ValidRecordNumber(n)) return Failed(StoreResult::IndexFileNotWritten, indexPath);

    const std::string entry = MakeIndexEntry(newName, n);
    const auto entryRecord = index_file::RecordOf(entry);
    if (!entryRecord) return Failed(StoreResult::IndexFileNotWritten, indexPath);
    const auto position = std::find_if(entries.begin(), entries.end(), [n](const auto& r) { return Names(r, n); });
    if (position != entries.end()) *position = *entryRecord;
    else entries.push_back(*entryRecord);
    DropEmptyEntries(entries);
    SortAsListed(entries);
    if (!index_file::Rewrite(indexPath, entries)) return Failed(StoreResult::IndexFileNotWritten, indexPath);

    StoreOutcome outcome;
    outcome.recordNumber = n;
    outcome.entry = entry;
    return outcome;
}

}  // namespace recipes
