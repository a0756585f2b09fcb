#include "platform/basic/parallel_record_scan.h"

#include <algorithm>
#include <string>

namespace basic {

void ScanRecords(const RandomAccessFile& file, long first, long last, unsigned threads,
                 const std::function<bool(const RecordBlock&)>& scan,
                 const std::function<bool(long first, long count)>& needed) {
    if (last < first) return;
    const auto length = static_cast<std::size_t>(file.recordLength());
    const long blockRecords = static_cast<long>(std::max<std::size_t>(1, ScanBlockBytes / length));
    ForEachItem((last - first) / blockRecords + 1, threads, [&](unsigned, long block) {
        const long at = first + block * blockRecords;
        const long count = std::min(blockRecords, last - at + 1);
        if (needed && !needed(at, count)) return true;
        char onStack[ScanBlockBytes];
        std::string larger;  // only for records longer than a block
        char* into = onStack;
        if (length > ScanBlockBytes) {
            larger.resize(length);
            into = larger.data();
        }
        file.GetBlockInto(at, count, into);
        return scan(RecordBlock{at, count, std::string_view(into, static_cast<std::size_t>(count) * length)});
    });
}

}  // namespace basic
