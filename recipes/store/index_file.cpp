#include "recipes/store/index_file.h"

#include <algorithm>

#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "recipes/store/recipe_index_entry.h"

namespace recipes::index_file {

namespace {

std::vector<std::string> RecordsOf(std::string_view bytes) {
    std::vector<std::string> records;
    records.reserve(bytes.size() / IndexRecordLength + 1);
    for (std::size_t at = 0; at < bytes.size(); at += IndexRecordLength) {
        std::string record(bytes.substr(at, IndexRecordLength));
        record.resize(IndexRecordLength, '\0');  // a last record cut short reads as zero bytes
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace

bool TooLarge(const std::filesystem::path& path) {
    const auto length = basic::FileLen(path);
    return length && *length > MaxFileBytes;
}

std::optional<std::vector<std::string>> ReadRecords(const std::filesystem::path& path) {
    const auto file = basic::RandomAccessFile::Open(path, IndexRecordLength);
    if (!file || file->RecordCount() > MaxRecords) return std::nullopt;
    return RecordsOf(file->GetBlock(1, file->RecordCount()));
}

std::optional<std::vector<std::string>> ReadExistingRecords(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return std::vector<std::string>{};
    const auto bytes = basic::ReadWholeFile(path, MaxFileBytes);
    if (!bytes) return std::nullopt;
    return RecordsOf(*bytes);
}

std::optional<std::string> EntryText(const std::string& record) {
    auto text = basic::DecodeRecordString(record);
    if (text) std::replace(text->begin(), text->end(), '\0', ' ');
    return text;
}

std::optional<std::string> RecordOf(const std::string& entry) {
    auto record = basic::EncodeRecordString(entry, IndexRecordLength);
    if (record) record->resize(IndexRecordLength, '\0');
    return record;
}

bool Rewrite(const std::filesystem::path& path, const std::vector<std::string>& records) {
    std::string bytes;
    bytes.reserve(records.size() * IndexRecordLength);
    for (const auto& record : records) bytes += record;
    return basic::AtomicWriteFile(path, bytes);
}

}  // namespace recipes::index_file
