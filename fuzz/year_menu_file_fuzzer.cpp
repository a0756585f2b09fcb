// A year file " 2004.Mnu" of any bytes, as the menu planner reads it. The
// input holds two control bytes (the day to save, its entry's box), then the
// file, then the entry's text after the file separator. A day reads as its
// record's bytes say; saving one reads back as saved, changes no other byte
// of the file, and leaves it no longer than a year's records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/scratch_folder.h"
#include "menu_planner/store/year_menu_file.h"

namespace {

using menu_planner::DayMenuRecord;
using menu_planner::DayRead;

// A day as the file's bytes give it: a record not in use is an empty day.
DayMenuRecord DayOf(std::string_view bytes, int key) {
    const auto at = static_cast<std::size_t>(key - 1) * menu_planner::DayRecordLength;
    if (at >= bytes.size()) return {};
    auto record = menu_planner::DecodeDayRecord(bytes.substr(at, menu_planner::DayRecordUsedBytes));
    return record.inUse ? record : DayMenuRecord{};
}

// Reading the day from the file agrees with its bytes, and what it gives
// encodes and decodes the same.
void CheckRead(const basic::ProgramFolder& folder, std::string_view bytes, int key) {
    const auto read = menu_planner::ReadDayMenu(folder, 2004, key);
    fuzz::Expect(read.result != DayRead::Failed, "a day of a year file is read");
    const auto day = DayOf(bytes, key);
    fuzz::Expect((read.result == DayRead::InUse) == day.inUse && read.record == day,
                 "a day reads as its record's bytes say");
    if (day.inUse)
        fuzz::Expect(menu_planner::DecodeDayRecord(menu_planner::EncodeDayRecord(day)) == day,
                     "a day read encodes and decodes the same");
}

std::vector<int> DayKeys() {
    std::vector<int> keys;
    for (int key = menu_planner::FirstDayKey; key <= menu_planner::LastDayKey; ++key)
        if (menu_planner::IsDayKey(key)) keys.push_back(key);
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const std::vector<int> keys = DayKeys();
    const std::size_t chosen = data[0] % keys.size();
    const int key = keys[chosen];
    const int box = data[1] % menu_planner::DayEntryCount;
    auto parts = fuzz::SplitInput(fuzz::AsText(data + 2, size - 2), fuzz::FileSeparator, 2);
    parts.resize(2);
    const std::string_view before = parts[0];
    const fuzz::ScratchFolder folder;
    const auto name = menu_planner::YearMenuFileName(2004);
    folder.Write(name, before);
    const auto program = folder.programFolder();
    CheckRead(program, before, key);
    CheckRead(program, before, keys[(chosen + 1) % keys.size()]);

    DayMenuRecord saved;
    saved.inUse = true;
    saved.entries[box] = std::string(parts[1].substr(0, 40));
    fuzz::Expect(menu_planner::SaveDayMenu(program, 2004, key, saved), "a day is saved");
    const auto after = folder.Read(name);
    fuzz::Expect(DayOf(after, key) == menu_planner::DecodeDayRecord(menu_planner::EncodeDayRecord(saved)),
                 "the saved day reads as saved");
    CheckRead(program, after, key);
    fuzz::Expect(after.size() >= menu_planner::YearFileLengthThrough(key), "the file holds the saved day's record");
    fuzz::Expect(after.size() <= std::size_t{menu_planner::LastDayKey} * menu_planner::DayRecordLength,
                 "a saved file is no longer than a year's records");
    // Every byte outside the saved record is as it was (zero past the old end),
    // so no other day changes.
    const std::size_t recordStart = static_cast<std::size_t>(key - 1) * menu_planner::DayRecordLength;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == recordStart) i += menu_planner::DayRecordUsedBytes;
        if (i >= after.size()) break;
        const char old = i < before.size() ? before[i] : '\0';
        if (after[i] != old) fuzz::Expect(false, "saving a day changes no other day");
    }
    return 0;
}
