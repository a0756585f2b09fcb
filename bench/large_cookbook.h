#pragma once
// A cookbook at its largest for the benchmarks: 30000 recipes over the 22
// types, made by the benchmark itself.
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/testing/test_folder.h"
#include "recipes/recipe_lists.h"
#include "recipes/recipe_record.h"
#include "recipes/recipe_store.h"

namespace bench {

// 30000 recipes, record k in type (k % 22) + 1; record 30000 is deleted.
class LargeCookbook {
public:
    LargeCookbook() : store_(basic::ProgramFolder(folder_.path()), 1) {
        recipes::RecipeRecord record;
        for (int line = 0; line < 12; ++line) {
            record.amounts[static_cast<std::size_t>(line)] = "1.5";
            record.units[static_cast<std::size_t>(line)] = "cups";
            record.ingredients[static_cast<std::size_t>(line)] = "ingredient number " + std::to_string(line);
        }
        record.directions = std::string(600, 'd');
        record.marker = "Full1";
        const std::string inUse = recipes::EncodeRecipeRecord(record);
        const std::string deleted = recipes::EncodeRecipeRecord(recipes::DeletedRecipeRecord());

        std::string data;
        data.reserve(static_cast<std::size_t>(recipes::MaxRecipeRecords) * recipes::RecipeRecordLength);
        std::vector<std::string> indexes(recipes::RecipeTypeCount);
        for (long k = 1; k <= recipes::MaxRecipeRecords; ++k) {
            data += k == recipes::MaxRecipeRecords ? deleted : inUse;
            if (k == recipes::MaxRecipeRecords) continue;
            const std::string entry = recipes::MakeIndexEntry("Recipe " + std::to_string(k * 7919 % 30011), k);
            std::string indexRecord(recipes::IndexRecordLength, '\0');
            indexRecord[0] = static_cast<char>(entry.size());
            indexRecord.replace(2, entry.size(), entry);
            indexes[static_cast<std::size_t>(k % recipes::RecipeTypeCount)] += indexRecord;
        }
        basic::testing::WriteBytes(store_.DataFilePath(), data);
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
            basic::testing::WriteBytes(store_.IndexFilePath(type), indexes[static_cast<std::size_t>(type - 1)]);
    }

    recipes::RecipeStore& store() { return store_; }

    // Puts a file back as it was before a benchmark changed it.
    struct Saved {
        std::filesystem::path path;
        std::string bytes;
    };
    Saved save(const std::filesystem::path& path) { return {path, basic::testing::ReadBytes(path)}; }
    static void restore(const Saved& saved) { basic::testing::WriteBytes(saved.path, saved.bytes); }

private:
    basic::testing::TestFolder folder_;
    recipes::RecipeStore store_;
};

inline LargeCookbook& Cookbook() {
    static LargeCookbook cookbook;
    return cookbook;
}

// The baseline: the data file read start to end in 1 MB blocks.
inline long long ReadSequentially(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::vector<char> buffer(1 << 20);
    long long total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += n;
    ::close(fd);
    return total;
}

}  // namespace bench
