#include "backup/store/disk_info.h"

#include "platform/basic/file_commands.h"
#include "platform/basic/numbers.h"
#include "platform/basic/records.h"

namespace backup {

std::string EncodeDiskInfo(const DiskInfo& info, int recordLength) {
    std::string bytes;
    for (const auto& text : info) {
        std::string record(static_cast<std::size_t>(recordLength), '\0');
        if (!text.empty()) {
            const auto encoded = basic::EncodeRecordString(text, recordLength);
            if (encoded) record.replace(0, encoded->size(), *encoded);
        }
        bytes += record;
    }
    return bytes;
}

std::optional<DiskInfo> ReadDiskInfo(const std::filesystem::path& file, int recordLength) {
    // A disk information file is a few records; a large one is not one.
    const auto bytes = basic::ReadWholeFile(file, 1 << 16);
    if (!bytes) return std::nullopt;
    DiskInfo info;
    const auto length = static_cast<std::size_t>(recordLength);
    for (std::size_t k = 0; k < info.size(); ++k) {
        if (bytes->size() <= k * length) break;
        const auto record = std::string_view(*bytes).substr(k * length, length);
        info[k] = basic::DecodeRecordString(record).value_or("");
    }
    return info;
}

long DiskInfoNumber(const std::string& record) {
    const double value = basic::Fix(basic::Val(record));
    if (value < 0 || value > 2e9) return 0;
    return static_cast<long>(value);
}

}  // namespace backup
