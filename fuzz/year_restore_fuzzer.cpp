// A restore of the menu planner year 2004 from a damaged backup disk: the
// input's parts, apart by the file separator, are the disk's "Disk2004.Mbk"
// and " 2004.Mb1" (a part it does not give is empty). The user agrees to the
// restore and has no further disk. The restore never crashes; unless it
// completes, every file of the program folder is as it was and no staging
// folder stays; when it completes, the year file is a full year of 301,682
// bytes and nothing else changed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "backup/store/year_backup.h"
#include "fuzz/scratch_folder.h"
#include "menu_planner/store/year_menu_file.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

constexpr int kYear = 2004;

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

// The program's year before the restore, planned to the third day, and a
// file of another year beside it.
void MakeProgramFolder(const fs::path& program) {
    fs::create_directory(program);
    WriteFile(program / menu_planner::YearMenuFileName(kYear),
              std::string(2 * menu_planner::DayRecordLength + menu_planner::DayRecordUsedBytes, 'y'));
    WriteFile(program / menu_planner::YearMenuFileName(kYear + 1), "another year");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchFolder folder;
    const fs::path program = folder.dir() / "program";
    const fs::path disk = folder.dir() / "disk";
    MakeProgramFolder(program);
    fs::create_directory(disk);
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, 2);
    auto part = [&](std::size_t k) { return k < parts.size() ? parts[k] : std::string_view(); };
    WriteFile(disk / backup::YearDiskInfoName(kYear), part(0));
    WriteFile(disk / backup::YearCopyName(kYear), part(1));

    const Files before = Snapshot(program);
    NoFurtherDisk user;
    const auto outcome = backup::RestoreYear(basic::ProgramFolder(program), kYear, disk, user);
    const Files after = Snapshot(program);
    if (outcome.result != backup::Result::Completed) {
        fuzz::Expect(after == before, "a restore that did not complete leaves the program folder as it was");
        return 0;
    }
    const auto year = after.find(menu_planner::YearMenuFileName(kYear));
    fuzz::Expect(year != after.end() && year->second.size() == menu_planner::FullYearFileBytes,
                 "the year file is a full year");
    fuzz::Expect(year->second == std::string(part(1)).substr(0, menu_planner::FullYearFileBytes),
                 "the year file holds the disk's records");
    fuzz::Expect(after.size() == before.size() && after.at(menu_planner::YearMenuFileName(kYear + 1)) == "another year",
                 "the staging folder is gone and the other year untouched");
    return 0;
}
