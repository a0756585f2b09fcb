// A backup disk's information file of any bytes, read as the current format
// (30-byte records) and the older one (15-byte records). Each record reads as
// a text that fits its record; written again, the records read back the same,
// and every record reads as a count without a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "backup/store/disk_info.h"
#include "fuzz/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchFolder folder;
    folder.Write("DiskInfo.bk1", fuzz::AsText(data, size));
    const auto file = folder.dir() / "DiskInfo.bk1";
    for (const int length : {backup::DiskInfoRecordLength, backup::OldDiskInfoRecordLength}) {
        const auto info = backup::ReadDiskInfo(file, length);
        // A file far larger than any disk information file is not read.
        if (!info) {
            fuzz::Expect(size > (1u << 16), "a file of a few records is read");
            return 0;
        }
        for (const std::string& record : *info) {
            fuzz::Expect(record.size() + 2 <= static_cast<std::size_t>(length), "a record fits its length");
            static_cast<void>(backup::DiskInfoNumber(record));
        }
        folder.Write("Again.bk1", backup::EncodeDiskInfo(*info, length));
        const auto again = backup::ReadDiskInfo(folder.dir() / "Again.bk1", length);
        fuzz::Expect(again.has_value() && *again == *info, "written again, it reads back the same");
    }
    return 0;
}
