#include "fuzz/cookbook_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "recipes/store/index_file.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_lists.h"

namespace fuzz {

std::optional<std::vector<bool>> NamedRecords(const recipes::CookbookReader& cookbook) {
    std::vector<bool> named(static_cast<std::size_t>(recipes::MaxRecipeRecords) + 1, false);
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        const auto records = recipes::index_file::ReadExistingRecords(cookbook.IndexFilePath(type));
        if (!records) return std::nullopt;
        for (const auto& record : *records) {
            const auto text = recipes::index_file::EntryText(record);
            if (const auto number = text ? recipes::EntryRecordNumber(*text) : std::nullopt)
                named[static_cast<std::size_t>(*number)] = true;
        }
    }
    return named;
}

std::vector<std::string> IndexRecords(const recipes::CookbookReader& cookbook, int type) {
    auto records = recipes::index_file::ReadExistingRecords(cookbook.IndexFilePath(type));
    return records ? std::move(*records) : std::vector<std::string>{};
}

bool OnlyCookbookFiles(const ScratchFolder& folder, const recipes::CookbookReader& cookbook,
                       const std::vector<std::string>& others) {
    std::vector<std::string> allowed = others;
    allowed.push_back(cookbook.DataFilePath().filename().string());
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
        allowed.push_back(cookbook.IndexFilePath(type).filename().string());
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder.dir(), error), end; !error && it != end; it.increment(error))
        if (std::find(allowed.begin(), allowed.end(), it->path().filename().string()) == allowed.end()) return false;
    return !error;
}

}  // namespace fuzz
