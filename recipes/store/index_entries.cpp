#include "recipes/store/index_entries.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "platform/basic/file_commands.h"
#include "platform/basic/records.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_lists.h"

namespace recipes {

IndexEntryReader::IndexEntryReader(const CookbookReader& cookbook, int type, long dataRecords)
    : highestNumber_(dataRecords) {
    if (RecipeTypeName(type).empty()) return;
    file_ = basic::RandomAccessFile::Open(cookbook.IndexFilePath(type), IndexRecordLength);
    if (file_) records_ = std::min(file_->RecordCount(), index_file::MaxRecords);
}

IndexEntryReader IndexEntryReader::Existing(const std::filesystem::path& path) {
    IndexEntryReader reader;
    reader.highestNumber_ = MaxRecipeRecords;
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return reader;
    const auto length = basic::FileLen(path);
    if (length && *length <= index_file::MaxFileBytes)
        reader.file_ = basic::RandomAccessFile::OpenForReading(path, IndexRecordLength);
    reader.failed_ = !reader.file_;
    if (reader.file_) reader.records_ = std::min(reader.file_->RecordCount(), index_file::MaxRecords);
    return reader;
}

bool IndexEntryReader::Next(IndexEntryView& entry) {
    constexpr auto length = static_cast<std::size_t>(IndexRecordLength);
    for (;;) {
        if (at_ == chunkSize_) {
            if (!file_ || nextRecord_ > records_) return false;
            const long count = std::min(kChunkRecords, records_ - nextRecord_ + 1);
            file_->GetBlockInto(nextRecord_, count, chunk_.data());
            nextRecord_ += count;
            chunkSize_ = static_cast<std::size_t>(count) * length;
            at_ = 0;
        }
        char* record = chunk_.data() + at_;
        at_ += length;
        const auto stored = basic::RecordStringView(std::string_view(record, length));
        if (!stored || stored->empty()) continue;
        // Most entries hold no zero byte, and a look for one costs far less
        // than going through the text byte by byte.
        if (std::memchr(stored->data(), '\0', stored->size())) {
            char* text = record + (stored->data() - record);
            std::replace(text, text + stored->size(), '\0', ' ');
        }
        const auto number = EntryRecordNumber(*stored);
        if (!number || *number > highestNumber_) continue;
        entry = {*stored, *number};
        return true;
    }
}

}  // namespace recipes
