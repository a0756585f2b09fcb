#pragma once
#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "recipes/store/cookbook_reader.h"

namespace recipes {

// How a change to the cookbook ended. Whatever failed, the files hold what
// they held before the change.
enum class StoreResult {
    Done,
    NoName,               // a new recipe without a name: nothing written
    CookbookFull,         // all 30000 records are in use
    DataFileNotWritten,   // the recipe's record could not be read or written
    IndexFileNotWritten,  // the type's index could not be read or replaced
    IndexFileTooLarge,    // an index is larger than any can be: damaged
    OlderFormat,          // the data file is still in the older layout: nothing written
};

struct StoreOutcome {
    StoreResult result = StoreResult::Done;
    // The record the recipe is in, and its index entry (save and rename).
    long recordNumber = 0;
    std::string entry;
    // The file that could not be written, for the message.
    std::string fileName;

    bool ok() const { return result == StoreResult::Done; }
};

// One cookbook's files with the changes the recipe window makes. A type's
// index is rebuilt from the index file's own entries (never from a list on
// screen, which may be out of step with the file) and replaced whole. A
// record is changed in place only with a journal of it on the disk first
// (record_journal.h), and in an order that leaves, after a kill at any
// moment, the old state or the new one once the cookbook is next opened:
// a new recipe's record is written before the entry that names it, and a
// deleted recipe's entry goes before its record is blanked. When a step
// fails, what was done is undone.
// A data file still in the older layout is never written into: its records
// would be overwritten and the file no longer be recognised for conversion.
class RecipeStore : public CookbookReader {
public:
    using CookbookReader::CookbookReader;

    // Opening the cookbook: finishes or undoes a change that a kill
    // interrupted and removes the temporary files it left. False when a
    // change could not be finished (it is tried again by the next change).
    bool Recover();

    // Writes the recipe as record n (1-30000), marked in use; the index is
    // not touched, so the name is not changed by this.
    StoreOutcome WriteInPlace(long n, const RecipeRecord& record);

    // Stores the recipe in the lowest free record and adds its entry to the
    // index of type 1-22. An empty name ("") saves nothing; a longer name
    // than 41 characters is cut.
    StoreOutcome SaveNew(int type, std::string_view name, const RecipeRecord& record);

    // Removes every entry pointing at n from the type's index, then blanks
    // record n (marker "**** ": free for the next new recipe) unless an
    // entry of another type still names it. The other entries stay as they
    // are, damaged ones included.
    StoreOutcome Delete(int type, long n);

    // Gives the entry pointing at n in the type's index the new name (cut to
    // 41 characters, right-trimmed), adding one when there is none, and
    // writes the index in the order the recipe lists show it. The record is
    // not touched.
    StoreOutcome Rename(int type, long n, std::string_view newName);

    // The lowest record 1-30000 whose marker is not "Full1" in any case and
    // that no entry of any index of the cookbook names (past the end of the
    // file included), 30001 when there is none. Reads the file in blocks, on
    // as many threads (0: one for each core of the machine, for a large file).
    long FindFreeRecord(unsigned threads = 0) const;

private:
    // Which records 1-30000 an entry names, marked by several threads at once.
    using NamedRecords = std::vector<std::atomic<bool>>;
    // Marks the record numbers that an entry of any of the 22 index files
    // names, the files read on as many threads (0: one for each core, for a
    // large cookbook). False, with the first in list order, when an index
    // cannot be read; the others are read all the same.
    bool CollectNamed(NamedRecords& named, std::filesystem::path& unreadable, unsigned threads = 0) const;
    long FindFreeRecord(const NamedRecords& named, unsigned threads = 0) const;
    std::filesystem::path JournalPath() const;
    // Puts back a record that a kill left with its journal.
    bool FinishInterruptedChange();
};

}  // namespace recipes
