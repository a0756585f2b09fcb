#pragma once
#include <functional>
#include <string_view>

#include "platform/basic/parallel_items.h"
#include "platform/basic/random_access_file.h"

// Reading a long run of a file's records on several threads at once: a plain
// read of a large file is bound by one core copying bytes, and the test each
// reader runs on what it read costs as much again. Nothing is kept between
// scans, so each sees the file as it is on the disk.
namespace basic {

// A block of records as a scan hands it over: the number of its first record
// and count * L bytes, zero bytes where the file ends.
struct RecordBlock {
    long first = 0;
    long count = 0;
    std::string_view bytes;

    std::string_view record(long k) const {
        const auto length = bytes.size() / static_cast<std::size_t>(count);
        return bytes.substr(static_cast<std::size_t>(k - first) * length, length);
    }
};

// The bytes of records a scan reads at once: small enough to stay in a core's
// cache while they are looked at, and to lie on the reading thread's stack,
// which is used again by the next scan, not taken afresh from the system.
inline constexpr std::size_t ScanBlockBytes = 64 * 1024;

// Reads records first..last in blocks of as many whole records as fit in
// ScanBlockBytes (one at least), the blocks handed to scan on up to `threads`
// threads as ForEachItem hands out its items. scan returns false when no
// later block is wanted. A block that needed(first, count) turns down is
// neither read nor scanned; without needed every block is.
void ScanRecords(const RandomAccessFile& file, long first, long last, unsigned threads,
                 const std::function<bool(const RecordBlock&)>& scan,
                 const std::function<bool(long first, long count)>& needed = {});

}  // namespace basic
