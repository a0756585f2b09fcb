// A restore of cookbook 1 from a damaged backup disk: the input's parts,
// apart by the file separator, are the disk's "DiskInfo.bk1", "Recipe2.bk1"
// and the 22 index files in type order (those it does not give are empty).
// The user agrees to the restore and has no further disk. The restore never
// crashes; unless it completes, every file of the program folder is as it
// was and no staging folder stays; when it completes, the index files are
// the disk's, the data file holds whole records and the old journal is gone.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "backup/store/cookbook_backup.h"
#include "fuzz/scratch_folder.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/record_journal.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

constexpr int kCookbook = 1;

struct NoFurtherDisk final : backup::BackupUser {
    backup::Answer Ask(const backup::Prompt& prompt) override {
        if (prompt.buttons == backup::Buttons::YesNoCancel) return backup::Answer::Yes;
        return prompt.buttons == backup::Buttons::OkCancel ? backup::Answer::Cancel : backup::Answer::Ok;
    }
};

void WriteFile(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry of the folder; a folder shows as "<folder>".
Files Snapshot(const fs::path& dir) {
    Files files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = entry.is_directory() ? "<folder>" : ReadFile(entry.path());
    return files;
}

// The program's cookbook before the restore: two records, one index entry
// and a journal of an unfinished change.
void MakeProgramFolder(const fs::path& program) {
    fs::create_directory(program);
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
        WriteFile(program / recipes::RecipeIndexFileName(type, kCookbook), type == 1 ? std::string(60, 'i') : "");
    WriteFile(program / recipes::RecipeDataFileName(kCookbook), std::string(2 * recipes::RecipeRecordLength, 'r'));
    WriteFile(recipes::JournalPathFor(program / recipes::RecipeDataFileName(kCookbook)), "old journal");
    WriteFile(program / "GColor4.Fil", "settings");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchFolder folder;
    const fs::path program = folder.dir() / "program";
    const fs::path disk = folder.dir() / "disk";
    MakeProgramFolder(program);
    fs::create_directory(disk);
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, 2 + recipes::RecipeTypeCount);
    auto part = [&](std::size_t k) { return k < parts.size() ? parts[k] : std::string_view(); };
    WriteFile(disk / backup::CookbookDiskInfoName(kCookbook), part(0));
    WriteFile(disk / backup::CookbookCopyName(kCookbook), part(1));
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
        WriteFile(disk / recipes::RecipeIndexFileName(type, kCookbook), part(1 + static_cast<std::size_t>(type)));

    const Files before = Snapshot(program);
    NoFurtherDisk user;
    const auto outcome = backup::RestoreCookbook(basic::ProgramFolder(program), kCookbook, disk, user);
    const Files after = Snapshot(program);
    if (outcome.result != backup::Result::Completed) {
        fuzz::Expect(after == before, "a restore that did not complete leaves the program folder as it was");
        return 0;
    }
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        const auto found = after.find(recipes::RecipeIndexFileName(type, kCookbook));
        fuzz::Expect(found != after.end() && found->second == part(1 + static_cast<std::size_t>(type)),
                     "each index file is the disk's");
    }
    const auto records = after.find(recipes::RecipeDataFileName(kCookbook));
    fuzz::Expect(records != after.end() && records->second.size() % recipes::RecipeRecordLength == 0,
                 "the data file holds whole records");
    fuzz::Expect(after.size() == 1 + 1 + recipes::RecipeTypeCount, "the journal and the staging folder are gone");
    return 0;
}
