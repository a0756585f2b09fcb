#include "recipes/recipe_store.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/index_file.h"
#include "recipes/old_cookbook_format.h"
#include "recipes/recipe_lists.h"

namespace recipes {

namespace {

// Records read at once by the free-record search: about 1 MB.
constexpr long kScanBlockRecords = 512;

StoreOutcome Failed(StoreResult result, const std::filesystem::path& file) {
    StoreOutcome outcome;
    outcome.result = result;
    outcome.fileName = file.filename().string();
    return outcome;
}

bool ValidRecordNumber(long n) { return n >= 1 && n <= MaxRecipeRecords; }

bool StillOlderFormat(const CookbookReader& cookbook) {
    return DetectOldRecipeFile(cookbook.folder(), cookbook.cookbook());
}

// The position of the first record whose entry points at n.
std::optional<std::size_t> FindEntryFor(const std::vector<std::string>& records, long n) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto text = index_file::EntryText(records[i]);
        if (text && EntryRecordNumber(*text) == n) return i;
    }
    return std::nullopt;
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

}  // namespace

long RecipeStore::FindFreeRecord() const {
    const auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!file) return 1;
    const long inFile = std::min(file->RecordCount(), MaxRecipeRecords);
    std::string block;
    for (long first = 1; first <= inFile; first += kScanBlockRecords) {
        const long count = std::min(kScanBlockRecords, inFile - first + 1);
        file->GetBlockInto(first, count, block);
        for (long i = 0; i < count; ++i) {
            const auto marker = std::string_view(block).substr(
                static_cast<std::size_t>(i * RecipeRecordLength + field::MarkerAt), field::MarkerWidth);
            if (!IsInUseMarker(marker)) return first + i;
        }
    }
    // Past the end of the file every record is free.
    return inFile < MaxRecipeRecords ? inFile + 1 : MaxRecipeRecords + 1;
}

StoreOutcome RecipeStore::WriteInPlace(long n, const RecipeRecord& record) {
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    RecipeRecord inUse = record;
    inUse.marker = InUseMarker;
    if (!ValidRecordNumber(n) || !file || !file->Put(n, EncodeRecipeRecord(inUse)))
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    StoreOutcome outcome;
    outcome.recordNumber = n;
    return outcome;
}

StoreOutcome RecipeStore::SaveNew(int type, std::string_view name, const RecipeRecord& record) {
    if (name.empty()) return Failed(StoreResult::NoName, {});
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    const auto indexPath = IndexFilePath(type);
    auto entries = RecipeTypeName(type).empty() ? std::nullopt : index_file::ReadRecords(indexPath);
    if (!entries) return Failed(StoreResult::IndexFileNotWritten, indexPath);

    const long k = FindFreeRecord();
    if (k > MaxRecipeRecords) return Failed(StoreResult::CookbookFull, DataFilePath());

    const std::string entry = MakeIndexEntry(name, k);
    const auto entryRecord = index_file::RecordOf(entry);
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!file || !entryRecord) return Failed(StoreResult::DataFileNotWritten, DataFilePath());

    const std::string before = file->Get(k);
    RecipeRecord inUse = record;
    inUse.marker = InUseMarker;
    // The record is in use, and on the disk, before any entry points at it.
    if (!file->Put(k, EncodeRecipeRecord(inUse)) || !file->FlushRecord(k)) {
        static_cast<void>(file->Put(k, before));  // best effort; it was free either way
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }

    DropEmptyEntries(*entries);
    entries->push_back(*entryRecord);
    if (!index_file::Rewrite(indexPath, *entries)) {
        // Free again, so the record is not lost to every later save.
        static_cast<void>(file->Put(k, before));
        return Failed(StoreResult::IndexFileNotWritten, indexPath);
    }
    StoreOutcome outcome;
    outcome.recordNumber = k;
    outcome.entry = entry;
    return outcome;
}

StoreOutcome RecipeStore::Delete(int type, long n) {
    if (StillOlderFormat(*this)) return Failed(StoreResult::OlderFormat, DataFilePath());
    const auto indexPath = IndexFilePath(type);
    auto entries = RecipeTypeName(type).empty() ? std::nullopt : index_file::ReadRecords(indexPath);
    if (!entries) return Failed(StoreResult::IndexFileNotWritten, indexPath);
    auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!ValidRecordNumber(n) || !file) return Failed(StoreResult::DataFileNotWritten, DataFilePath());

    const std::string before = file->Get(n);
    if (!file->Put(n, EncodeRecipeRecord(DeletedRecipeRecord())) || !file->Flush()) {
        static_cast<void>(file->Put(n, before));
        return Failed(StoreResult::DataFileNotWritten, DataFilePath());
    }

    if (const auto position = FindEntryFor(*entries, n))
        entries->erase(entries->begin() + static_cast<std::ptrdiff_t>(*position));
    DropEmptyEntries(*entries);
    if (!index_file::Rewrite(indexPath, *entries)) {
        // Put the recipe back: its entry still points at it.
        static_cast<void>(file->Put(n, before));
        return Failed(StoreResult::IndexFileNotWritten, indexPath);
    }
    StoreOutcome outcome;
    outcome.recordNumber = n;
    return outcome;
}

StoreOutcome RecipeStore::Rename(int type, long n, std::string_view newName) {
    const auto indexPath = IndexFilePath(type);
    auto entries = RecipeTypeName(type).empty() ? std::nullopt : index_file::ReadRecords(indexPath);
    if (!entries || !ValidRecordNumber(n)) return Failed(StoreResult::IndexFileNotWritten, indexPath);

    const std::string entry = MakeIndexEntry(newName, n);
    const auto entryRecord = index_file::RecordOf(entry);
    if (!entryRecord) return Failed(StoreResult::IndexFileNotWritten, indexPath);
    if (const auto position = FindEntryFor(*entries, n)) (*entries)[*position] = *entryRecord;
    else entries->push_back(*entryRecord);
    DropEmptyEntries(*entries);
    SortAsListed(*entries);
    if (!index_file::Rewrite(indexPath, *entries)) return Failed(StoreResult::IndexFileNotWritten, indexPath);

    StoreOutcome outcome;
    outcome.recordNumber = n;
    outcome.entry = entry;
    return outcome;
}

}  // namespace recipes
