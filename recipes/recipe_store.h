#pragma once
#include <string>
#include <string_view>

#include "recipes/cookbook_reader.h"

namespace recipes {

// How a change to the cookbook ended. Whatever failed, the files hold what
// they held before the change.
enum class StoreResult {
    Done,
    NoName,               // a new recipe without a name: nothing written
    CookbookFull,         // all 30000 records are in use
    DataFileNotWritten,   // the recipe's record could not be read or written
    IndexFileNotWritten,  // the type's index could not be read or replaced
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

// One cookbook's files with the changes the recipe window makes. Each change
// writes the recipe's record first and then the type's index, rebuilt from
// the index file's own entries (never from a list on screen, which may be
// out of step with the file), and replaced whole. When the index cannot be
// replaced, the record gets back the bytes it had. A data file still in the
// older layout is never written into: its records would be overwritten and
// the file would no longer be recognised for conversion.
class RecipeStore : public CookbookReader {
public:
    using CookbookReader::CookbookReader;

    // Writes the recipe as record n (1-30000), marked in use; the index is
    // not touched, so the name is not changed by this.
    StoreOutcome WriteInPlace(long n, const RecipeRecord& record);

    // Stores the recipe in the lowest free record and adds its entry to the
    // index of type 1-22. An empty name ("") saves nothing; a longer name
    // than 41 characters is cut.
    StoreOutcome SaveNew(int type, std::string_view name, const RecipeRecord& record);

    // Blanks record n (marker "**** ": free for the next new recipe) and
    // removes one entry pointing at n from the type's index; the other
    // entries stay as they are, damaged ones included.
    StoreOutcome Delete(int type, long n);

    // Gives the entry pointing at n in the type's index the new name (cut to
    // 41 characters, right-trimmed), adding one when there is none, and
    // writes the index in the order the recipe lists show it. The record is
    // not touched.
    StoreOutcome Rename(int type, long n, std::string_view newName);

    // The lowest record 1-30000 whose marker is not "Full1" in any case,
    // 30001 when every one is in use. Reads the file in large blocks.
    long FindFreeRecord() const;
};

}  // namespace recipes
