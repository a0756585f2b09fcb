#include "menu_planner/store/year_menu_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/numbers.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"

namespace menu_planner {

namespace {

// Slots past the last day's hold nothing: a save keeps no more of a file
// grown longer than a year by other means.
constexpr std::uintmax_t YearSlotsBytes = std::uintmax_t{LastDayKey} * DayRecordLength;

std::string Field(std::string_view bytes, std::size_t offset, std::size_t width) {
    if (offset >= bytes.size()) return {};
    return basic::RTrim(bytes.substr(offset, width));
}

// The first size bytes of the file (all of a shorter one); nullopt when they
// cannot be read.
std::optional<std::string> LeadingBytes(const std::filesystem::path& path, std::uintmax_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

std::string YearMenuFileName(int year) { return basic::Str(year) + ".Mnu"; }

int DayKey(int day, int month) {
    if (day < 1 || day > 31 || month < 1 || month > 12) return 0;
    switch (month) {
        case 10: return 320 + day;
        case 11: return 360 + day;
        case 12: return 400 + day;
        default: return 10 * day + month;
    }
}

bool IsDayKey(int key) {
    if (key > 400) return key <= LastDayKey;
    if (key > 360) return key <= 390;
    if (key > 320) return key <= 351;
    const int day = key / 10;
    const int month = key % 10;
    return month != 0 && day >= 1 && day <= basic::DaysInMonth(2004, month);
}

std::string EncodeDayRecord(const DayMenuRecord& record) {
    std::string bytes;
    bytes.reserve(DayRecordUsedBytes);
    for (const auto& entry : record.entries) {
        std::string field = basic::RTrim(entry);
        field.resize(DayEntryWidth, ' ');
        bytes += field;
    }
    std::string status(FullStatus);
    status.resize(DayStatusWidth, ' ');
    return bytes + status;
}

DayMenuRecord DecodeDayRecord(std::string_view bytes) {
    DayMenuRecord record;
    record.inUse = Field(bytes, DayStatusOffset, DayStatusWidth) == FullStatus;
    for (int i = 0; i < DayEntryCount; ++i)
        record.entries[i] = Field(bytes, std::size_t(i) * DayEntryWidth, DayEntryWidth);
    return record;
}

bool CreateYearMenuFile(const basic::ProgramFolder& folder, int year) {
    return basic::RandomAccessFile::Open(folder.Resolve(YearMenuFileName(year)), DayRecordLength).has_value();
}

LoadedDay ReadDayMenu(const basic::ProgramFolder& folder, int year, int dayKey) {
    if (!IsDayKey(dayKey)) return {DayRead::Failed, {}};
    const auto path = folder.Resolve(YearMenuFileName(year));
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {error ? DayRead::Failed : DayRead::NotInUse, {}};
    if (!std::filesystem::is_regular_file(path, error)) return {DayRead::Failed, {}};
    const auto file = basic::RandomAccessFile::OpenForReading(path, DayRecordLength);
    if (!file) return {DayRead::Failed, {}};
    auto record = DecodeDayRecord(std::string_view(file->Get(dayKey)).substr(0, DayRecordUsedBytes));
    if (!record.inUse) return {DayRead::NotInUse, {}};
    return {DayRead::InUse, std::move(record)};
}

bool SaveDayMenu(const basic::ProgramFolder& folder, int year, int dayKey, const DayMenuRecord& record) {
    if (!IsDayKey(dayKey)) return false;
    const auto path = folder.Resolve(YearMenuFileName(year));
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error) return false;
    std::string bytes;
    if (exists) {
        // Every other day goes into the new file, so a file that cannot be
        // read whole is left alone.
        const auto length = basic::FileLen(path);
        if (!length) return false;
        const auto wanted = std::min(*length, YearSlotsBytes);
        auto old = LeadingBytes(path, wanted);
        if (!old || old->size() != wanted) return false;
        bytes = std::move(*old);
    }
    const auto end = static_cast<std::size_t>(YearFileLengthThrough(dayKey));
    if (bytes.size() < end) bytes.resize(end, '\0');
    bytes.replace(std::size_t(dayKey - 1) * DayRecordLength, DayRecordUsedBytes, EncodeDayRecord(record));
    return basic::AtomicWriteFile(path, bytes);
}

}  // namespace menu_planner
