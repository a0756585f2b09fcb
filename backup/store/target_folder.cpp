#include "backup/store/target_folder.h"

#include <algorithm>
#include <cctype>

#include "backup/store/disk_files.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/program_folder.h"

namespace backup {
namespace {

std::string Comparable(const std::filesystem::path& folder) {
    std::error_code error;
    auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, error), error);
    if (error) canonical = folder.lexically_normal();
    std::string text = canonical.generic_string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

bool IsProgramFolder(const std::filesystem::path& chosen, const std::filesystem::path& programFolder) {
    return Comparable(chosen) == Comparable(programFolder);
}

RestoreStaging::RestoreStaging(std::filesystem::path programFolder, DiskFiles& disk)
    : programFolder_(std::move(programFolder)), folder_(programFolder_ / StagingFolderName), disk_(disk) {
    if (FinishInterruptedRestore(basic::ProgramFolder(programFolder_), disk_) == Settled::Unsettled) {
        unsettled_ = true;  // its list and old files stay for the next try
        return;
    }
    std::error_code error;
    ok_ = std::filesystem::create_directory(folder_, error);
}

RestoreStaging::~RestoreStaging() {
    if (unsettled_) return;
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

bool RestoreStaging::CopyIn(const std::filesystem::path& backupFolder, const std::string& name) {
    const auto from = basic::ProgramFolder(backupFolder).Resolve(name);
    const auto to = folder_ / basic::PathFromText(name);
    if (!basic::FileCopy(from, to)) return false;
    // Read back: the copy holds the backup's bytes, all of them.
    const auto size = basic::FileLen(from);
    const auto bytes = size ? basic::ReadWholeFile(from, *size) : std::nullopt;
    return bytes && basic::FileLen(to) == size && StartsWith(to, *bytes);
}

Settled RestoreStaging::Commit(const std::vector<StagedFile>& files, const std::vector<std::string>& removals) {
    const basic::ProgramFolder folder(programFolder_);
    auto spelt = [&](const std::string& name) { return basic::TextFromPath(folder.Resolve(name).filename()); };
    std::vector<ReplaceEntry> entries;
    for (const auto& file : files) entries.push_back({file.staged, spelt(file.programName)});
    for (const auto& name : removals) entries.push_back({"", spelt(name)});
    const Settled settled = ReplaceFromStaging(programFolder_, entries, disk_);
    unsettled_ = settled == Settled::Unsettled;
    return settled;
}

}  // namespace backup
