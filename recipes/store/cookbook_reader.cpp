#include "recipes/store/cookbook_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/basic/file_commands.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_lists.h"

namespace recipes {

std::string RecipeDataFileName(int cookbook) { return "Recipe2.db" + std::to_string(cookbook); }

std::string RecipeIndexFileName(int type, int cookbook) {
    return RecipeTypePrefix(RecipeTypeName(type)) + "nfil.db" + std::to_string(cookbook);
}

CookbookReader::CookbookReader(const basic::ProgramFolder& folder, int cookbook)
    : folder_(folder), cookbook_(cookbook) {}

std::filesystem::path CookbookReader::DataFilePath() const { return folder_.Resolve(RecipeDataFileName(cookbook_)); }

std::filesystem::path CookbookReader::IndexFilePath(int type) const {
    return folder_.Resolve(RecipeIndexFileName(type, cookbook_));
}

void CookbookReader::VisitIndex(int type, const std::function<void(std::string_view, long)>& visit) const {
    if (RecipeTypeName(type).empty()) return;
    const auto file = basic::RandomAccessFile::Open(IndexFilePath(type), IndexRecordLength);
    if (!file) return;
    // The whole index in one read, no more than an index can hold; each
    // record decoded where it lies.
    const std::string bytes = file->GetBlock(1, std::min(file->RecordCount(), index_file::MaxRecords));
    const long dataRecords = RecordCount();
    std::array<char, IndexRecordLength> text{};
    for (std::size_t at = 0; at + IndexRecordLength <= bytes.size(); at += IndexRecordLength) {
        const auto stored = basic::RecordStringView(std::string_view(bytes).substr(at, IndexRecordLength));
        if (!stored || stored->empty()) continue;
        // Zero bytes read as blanks; most entries hold none and need no copy.
        std::string_view entry = *stored;
        if (std::memchr(stored->data(), '\0', stored->size())) {
            std::replace_copy(stored->begin(), stored->end(), text.begin(), '\0', ' ');
            entry = std::string_view(text.data(), stored->size());
        }
        const auto number = EntryRecordNumber(entry);
        if (!number || *number > dataRecords) continue;
        visit(entry, *number);
    }
}

std::vector<IndexEntry> CookbookReader::ReadIndex(int type) const {
    std::vector<IndexEntry> entries;
    VisitIndex(type, [&](std::string_view text, long number) { entries.push_back({std::string(text), number}); });
    return entries;
}

std::vector<IndexEntry> CookbookReader::ReadSortedIndex(int type) const {
    auto entries = ReadIndex(type);
    SortForList(entries);
    return entries;
}

std::string CookbookReader::ReadRecordBytes(long n) const {
    const auto file = basic::RandomAccessFile::Open(DataFilePath(), RecipeRecordLength);
    if (!file) return std::string(RecipeRecordLength, '\0');
    return file->Get(n);
}

RecipeRecord CookbookReader::ReadRecord(long n) const { return DecodeRecipeRecord(ReadRecordBytes(n)); }

long CookbookReader::RecordCount() const {
    const auto length = basic::FileLen(DataFilePath());
    if (!length) return 0;
    return static_cast<long>((*length + RecipeRecordLength - 1) / RecipeRecordLength);
}

}  // namespace recipes
