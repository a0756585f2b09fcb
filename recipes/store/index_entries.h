#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/basic/random_access_file.h"
#include "recipes/store/cookbook_reader.h"

// Reading an index file's entries one after another through a buffer of a few
// kilobytes that the reader holds: the readers that go through every entry of
// every type (the searches, the free-record search) then copy nothing per
// entry and take no memory that grows with the cookbook.
namespace recipes {

struct IndexEntryView {
    std::string_view text;
    long recordNumber = 0;
};

class IndexEntryReader {
public:
    // The type's index as CookbookReader::VisitIndex reads it: a missing file
    // is created empty, no more records are read than an index can hold, and
    // entries pointing past the data file's dataRecords records are left out.
    IndexEntryReader(const CookbookReader& cookbook, int type, long dataRecords);

    // The index file at path as the store reads it to find the records its
    // entries name: a missing file has none, and one larger than any index can
    // be or that cannot be opened fails.
    static IndexEntryReader Existing(const std::filesystem::path& path);

    bool failed() const { return failed_; }

    // The next entry in file order; false at the end. Its text holds until the
    // next call. A last record cut short reads as if padded with zero bytes,
    // and zero bytes in an entry read as blanks. Entries that cannot be read,
    // empty ones and those naming no record 1-30000 are skipped.
    bool Next(IndexEntryView& entry);

private:
    IndexEntryReader() = default;

    static constexpr long kChunkRecords = 256;

    std::optional<basic::RandomAccessFile> file_;
    long records_ = 0;
    long nextRecord_ = 1;
    long highestNumber_ = 0;
    bool failed_ = false;
    std::size_t at_ = 0;
    std::size_t chunkSize_ = 0;
    std::array<char, kChunkRecords * IndexRecordLength> chunk_;
};

}  // namespace recipes
