#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_record.h"

namespace recipes {

// "Recipe2.db" and the cookbook number: "Recipe2.db1".
std::string RecipeDataFileName(int cookbook);
// The type's prefix, "nfil.db" and the cookbook number: "Appenfil.db1".
std::string RecipeIndexFileName(int type, int cookbook);

// Read-only access to one cookbook's files in the program folder, for the
// recipe window and for every other subsystem that reads recipes (shopping
// list, printouts, backup). Every call opens what it needs and closes it
// again, so each sees the state after the last completed change.
class CookbookReader {
public:
    CookbookReader(const basic::ProgramFolder& folder, int cookbook);

    int cookbook() const { return cookbook_; }
    const basic::ProgramFolder& folder() const { return folder_; }
    std::filesystem::path DataFilePath() const;
    std::filesystem::path IndexFilePath(int type) const;

    // The entries of type 1-22 in file order. An entry that cannot be read or
    // points at no record of the data file (no number, 0, above 30000, past
    // the end) is left out, and an empty entry carries nothing. A missing
    // index file is created empty, as opening one always has.
    std::vector<IndexEntry> ReadIndex(int type) const;
    // Each of those entries in turn, without keeping them: the text (valid
    // during the call only) and the record it points at.
    void VisitIndex(int type, const std::function<void(std::string_view text, long number)>& visit) const;
    // The same, in the order the recipe lists show them.
    std::vector<IndexEntry> ReadSortedIndex(int type) const;

    // Record n of the data file; blank fields for a record past the end or a
    // file that cannot be read.
    RecipeRecord ReadRecord(long n) const;
    // The record's 2045 bytes as they are on disk (zero bytes past the end).
    std::string ReadRecordBytes(long n) const;

    // Records in the data file, a partly written last one counted.
    long RecordCount() const;

private:
    basic::ProgramFolder folder_;
    int cookbook_;
};

}  // namespace recipes
