#include "recipes/index_file.h"

#include <algorithm>

#include "platform/basic/atomic_write.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "recipes/recipe_index_entry.h"

namespace recipes::index_file {

std::optional<std::vector<std::string>> ReadRecords(const std::filesystem::path& path) {
    const auto file = basic::RandomAccessFile::Open(path, IndexRecordLength);
    if (!file) return std::nullopt;
    const long count = file->RecordCount();
    const std::string bytes = file->GetBlock(1, count);
    std::vector<std::string> records;
    records.reserve(static_cast<std::size_t>(count));
    for (long k = 0; k < count; ++k)
        records.push_back(bytes.substr(static_cast<std::size_t>(k * IndexRecordLength), IndexRecordLength));
    return records;
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
