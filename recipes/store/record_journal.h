#pragma once
#include <filesystem>
#include <optional>
#include <string>

// A small file beside a cookbook's data file that holds, while one record is
// being changed, what the record held before and what it is to hold. It is on
// the disk before the record is touched and removed once the change is
// complete, so after a kill the next opening of the cookbook finds it and puts
// the record back whole: as it was, or as it was to be when the change had
// already taken effect in the index.
namespace recipes {

struct RecordJournal {
    enum class Change : char {
        WriteInPlace = 'W',  // a recipe written over its own record: rolled back
        SaveNew = 'N',       // in effect once the type's index names the record
        Delete = 'D',        // in effect once no index of the cookbook names it
    };
    Change change = Change::WriteInPlace;
    int type = 0;  // 1-22 for a new save and a delete
    long record = 0;
    std::string before;  // the record's bytes
    std::string after;

    bool operator==(const RecordJournal&) const = default;
};

// ".Recipe2.db1.pantrivo-journal" beside "Recipe2.db1".
std::filesystem::path JournalPathFor(const std::filesystem::path& dataFile);

// The journal's bytes: a heading, the change, both records and a check sum.
std::string EncodeRecordJournal(const RecordJournal& journal);
// nullopt for anything but a whole journal (one cut short by a kill while it
// was written, when the record had not yet been touched).
std::optional<RecordJournal> DecodeRecordJournal(std::string_view bytes);

// Writes it in one write and syncs it and its folder entry.
[[nodiscard]] bool WriteRecordJournal(const std::filesystem::path& path, const RecordJournal& journal);

// What the file holds: no file, a whole journal, or a file that is no whole
// journal (which is removed without touching the record).
struct JournalFound {
    bool present = false;
    std::optional<RecordJournal> journal;
};
JournalFound ReadRecordJournal(const std::filesystem::path& path);

}  // namespace recipes
