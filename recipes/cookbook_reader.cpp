#include "recipes/cookbook_reader.h"

#include <algorithm>

#include "platform/basic/file_commands.h"
#include "platform/basic/random_access_file.h"
#include "recipes/recipe_lists.h"

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

std::vector<IndexEntry> CookbookReader::ReadIndex(int type) const {
    std::vector<IndexEntry> entries;
    if (RecipeTypeName(type).empty()) return entries;
    const auto file = basic::RandomAccessFile::Open(IndexFilePath(type), IndexRecordLength);
    if (!file) return entries;
    // The whole index in one read; each record decoded where it lies.
    const std::string bytes = file->GetBlock(1, file->RecordCount());
    const long dataRecords = RecordCount();
    entries.reserve(bytes.size() / IndexRecordLength);
    for (std::size_t at = 0; at + IndexRecordLength <= bytes.size(); at += IndexRecordLength) {
        const auto length = static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) |
                            static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        if (length == 0 || length > IndexRecordLength - 2) continue;
        std::string text = bytes.substr(at + 2, length);
        std::replace(text.begin(), text.end(), '\0', ' ');
        const auto number = EntryRecordNumber(text);
        if (!number || *number > dataRecords) continue;
        entries.push_back({std::move(text), *number});
    }
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
