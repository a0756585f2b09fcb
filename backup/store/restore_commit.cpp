#include "backup/store/restore_commit.h"

#include "backup/store/target_folder.h"
#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

// Inside the staging folder: the list, and the program's old files while
// the new ones are moved in.
constexpr const char* kListName = "commit.lst";
constexpr const char* kOldFolder = "old";
constexpr std::string_view kHeader = "Pantrivo restore commit list";
constexpr std::string_view kForward = "forward";
constexpr std::string_view kBack = "back";
constexpr std::string_view kEnd = "end";

struct CommitList {
    bool forward = true;
    std::vector<ReplaceEntry> entries;
};

std::string Encode(const CommitList& list) {
    std::string text = std::string(kHeader) + "\n" + std::string(list.forward ? kForward : kBack) + "\n";
    for (const auto& entry : list.entries) text += entry.staged + "\t" + entry.target + "\n";
    return text + std::string(kEnd) + "\n";
}

// A bare name of the folder: no separator, nothing that leaves it.
bool BareName(std::string_view name) {
    return name != "." && name != ".." && name.find_first_of("/\t\n\0"sv) == std::string_view::npos;
}

std::optional<CommitList> Parse(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // the list always ends with a line break
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    if (lines.size() < 3 || lines.front() != kHeader || lines.back() != kEnd) return std::nullopt;
    if (lines[1] != kForward && lines[1] != kBack) return std::nullopt;
    CommitList list;
    list.forward = lines[1] == kForward;
    for (std::size_t k = 2; k + 1 < lines.size(); ++k) {
        const auto tab = lines[k].find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        ReplaceEntry entry{std::string(lines[k].substr(0, tab)), std::string(lines[k].substr(tab + 1))};
        if (!BareName(entry.staged) || entry.target.empty() || !BareName(entry.target)) return std::nullopt;
        list.entries.push_back(std::move(entry));
    }
    return list;
}

bool Exists(const fs::path& file) {
    std::error_code error;
    return fs::exists(fs::symlink_status(file, error));
}

struct Places {
    fs::path program;
    fs::path staging;

    fs::path List() const { return staging / kListName; }
    fs::path Staged(const ReplaceEntry& entry) const { return staging / basic::PathFromText(entry.staged); }
    fs::path Target(const ReplaceEntry& entry) const { return program / basic::PathFromText(entry.target); }
    fs::path Old(const ReplaceEntry& entry) const { return staging / kOldFolder / basic::PathFromText(entry.target); }
};

// Each move is one rename, and each entry's moves are decided by what is
// where, so that running the list again after a kill takes up where it
// stopped.
bool RunForward(const Places& at, const std::vector<ReplaceEntry>& entries, DiskFiles& disk) {
    for (const auto& entry : entries) {
        const bool waiting = !entry.staged.empty() && Exists(at.Staged(entry));
        if ((entry.staged.empty() || waiting) && Exists(at.Target(entry)) && !Exists(at.Old(entry)) &&
            !disk.Rename(at.Target(entry), at.Old(entry)))
            return false;
        if (waiting && !disk.Rename(at.Staged(entry), at.Target(entry))) return false;
    }
    return true;
}

bool RunBack(const Places& at, const std::vector<ReplaceEntry>& entries, DiskFiles& disk) {
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        // A new file that was moved in goes back to the staging folder.
        if (!entry->staged.empty() && !Exists(at.Staged(*entry)) && Exists(at.Target(*entry)) &&
            !disk.Rename(at.Target(*entry), at.Staged(*entry)))
            return false;
        if (Exists(at.Old(*entry)) && !disk.Rename(at.Old(*entry), at.Target(*entry))) return false;
    }
    return true;
}

// The moves are on the disk before the list goes; only then the rest.
Settled Close(const Places& at, Settled result) {
    basic::SyncFolderOf(at.program / "x");
    if (!basic::RemoveSyncedFile(at.List())) return Settled::Unsettled;
    std::error_code error;
    fs::remove_all(at.staging, error);
    return result;
}

Settled Run(const Places& at, CommitList list, DiskFiles& disk) {
    if (list.forward) {
        if (RunForward(at, list.entries, disk)) return Close(at, Settled::Finished);
        list.forward = false;
        if (!basic::AtomicWriteFile(at.List(), Encode(list))) return Settled::Unsettled;
    }
    if (RunBack(at, list.entries, disk)) return Close(at, Settled::RolledBack);
    return Settled::Unsettled;
}

Places PlacesOf(const fs::path& programFolder) { return {programFolder, programFolder / StagingFolderName}; }

}  // namespace

Settled ReplaceFromStaging(const fs::path& programFolder, const std::vector<ReplaceEntry>& entries, DiskFiles& disk) {
    const Places at = PlacesOf(programFolder);
    std::error_code error;
    fs::create_directory(at.staging / kOldFolder, error);
    if (error) return Settled::RolledBack;
    // The staged files were synced as they were written; their names too,
    // before the list that counts on them.
    basic::SyncFolderOf(at.staging / kOldFolder);
    const CommitList list{true, entries};
    if (!basic::AtomicWriteFile(at.List(), Encode(list))) return Settled::RolledBack;
    return Run(at, list, disk);
}

Settled FinishInterruptedRestore(const basic::ProgramFolder& folder, DiskFiles& disk) {
    const Places at = PlacesOf(folder.dir());
    if (!Exists(at.staging)) return Settled::Nothing;
    std::error_code error;
    if (!Exists(at.List())) {
        // Stopped while gathering: nothing of the program's was touched.
        fs::remove_all(at.staging, error);
        return Exists(at.staging) ? Settled::Unsettled : Settled::Discarded;
    }
    const auto text = basic::ReadWholeFile(at.List(), 1 << 20);
    const auto list = text ? Parse(*text) : std::nullopt;
    if (!list) return Settled::Unsettled;  // not a list this program wrote: left as it is
    return Run(at, *list, disk);
}

std::optional<Outcome> SettleBeforeStep(const basic::ProgramFolder& folder, BackupUser& user, bool restoring,
                                        DiskFiles& disk) {
    if (FinishInterruptedRestore(folder, disk) != Settled::Unsettled) return std::nullopt;
    user.Ask(FailurePrompt(Lines({"An interrupted restore in Pantrivo Program can be neither completed nor undone!",
                                  "Folder: " + basic::TextFromPath(folder.dir() / StagingFolderName)})));
    return Outcome{Result::Failed, restoring ? NothingRestored : BackupFailed};
}

}  // namespace backup
