#include "recipes/store/cookbook_reader.h"

#include "platform/basic/file_commands.h"
#include "platform/basic/random_access_file.h"
#include "recipes/store/index_entries.h"
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
    IndexEntryReader reader(*this, type, RecordCount());
    for (IndexEntryView entry; reader.Next(entry);) visit(entry.text, entry.recordNumber);
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
