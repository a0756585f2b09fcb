#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>

// The small file a spanning backup leaves on every disk: six records, each a
// 16-bit length and its text, saying the family, this disk, the next disk,
// how much of the data the disk holds, a total or the year, and the format
// mark. Records never written read as "".
namespace backup {

inline constexpr int DiskInfoRecordLength = 30;
// The older cookbook backups wrote 15-byte records and no format mark.
inline constexpr int OldDiskInfoRecordLength = 15;
inline constexpr int DiskInfoRecords = 6;
inline constexpr const char* FormatMark = "T1";

using DiskInfo = std::array<std::string, DiskInfoRecords>;

// The file's bytes: six records of recordLength, a record "" all zero bytes.
std::string EncodeDiskInfo(const DiskInfo& info, int recordLength = DiskInfoRecordLength);

// The records of a file at the backup path; nullopt when there is none or it
// cannot be read. Records the file does not reach, or that cannot be read,
// are "". Nothing is ever created.
std::optional<DiskInfo> ReadDiskInfo(const std::filesystem::path& file, int recordLength = DiskInfoRecordLength);

// A record read as a number: the number at its start, 0 for none. Kept as a
// 32-bit count, so no disk of records can overflow it.
long DiskInfoNumber(const std::string& record);

}  // namespace backup
