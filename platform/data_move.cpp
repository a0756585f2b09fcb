#include "platform/data_move.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "platform/basic/atomic_write.h"
#include "platform/basic/path_text.h"
#include "platform/program_location.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

bool IsExecutable(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

std::vector<fs::path> UserDataFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && IsUserDataFile(it->path())) files.push_back(it->path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> ToldAbout(const fs::path& folder) {
    std::vector<std::string> folders;
    std::ifstream in(folder / ToldAboutFile);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) folders.push_back(line);
    return folders;
}

// Copies every file or none: each goes under a temporary name first, and
// only when all are there do they take their names, never one the new
// folder already has. A failure takes back what this copy put there.
bool CopyAll(const fs::path& from, const fs::path& to, const std::vector<fs::path>& files) {
    std::vector<fs::path> copies, placed;
    std::error_code error;
    bool ok = true;
    for (const fs::path& name : files) {
        fs::path copy = to / name;
        copy += ".copying";
        copies.push_back(copy);
        if (!fs::copy_file(from / name, copy, fs::copy_options::overwrite_existing, error)) {
            ok = false;
            break;
        }
    }
    for (std::size_t i = 0; ok && i < files.size(); ++i) {
        const fs::path target = to / files[i];
        if (fs::exists(target, error) || error) {
            ok = false;
            break;
        }
        fs::rename(copies[i], target, error);
        if (error) ok = false;
        else placed.push_back(target);
    }
    if (!ok) {
        for (const fs::path& file : copies) fs::remove(file, error);
        for (const fs::path& file : placed) fs::remove(file, error);
    }
    return ok;
}

}  // namespace

bool IsUserDataFile(const fs::path& file) {
    const std::string name = file.filename().string();
    if (name.empty() || name[0] == '.') return false;
    const std::string extension = file.extension().string();
    if (IsBundledPicture(file) || extension == ".png" || extension == ".hlp" || extension == ".dic")
        return false;  // what the build placed beside the program
    return !IsExecutable(file);
}

std::optional<EarlierData> TakeOverEarlierData(const fs::path& earlier, const fs::path& folder) {
    std::error_code error;
    if (fs::equivalent(earlier, folder, error)) return std::nullopt;
    EarlierData data{earlier, folder, UserDataFiles(earlier)};
    if (data.files.empty()) return std::nullopt;
    const auto told = ToldAbout(folder);
    if (std::find(told.begin(), told.end(), earlier.string()) != told.end()) return std::nullopt;
    if (!UserDataFiles(folder).empty()) data.copy = EarlierData::Copy::NewFolderHasFiles;
    else data.copy = CopyAll(earlier, folder, data.files) ? EarlierData::Copy::Done : EarlierData::Copy::Failed;
    return data;
}

void TellWhereDataLives(Dialogs& dialogs, const EarlierData& data) {
    std::string text = "Pantrivo now keeps your recipes and settings in the folder\r" + basic::TextFromPath(data.to) +
                       "\r\rThe files it kept before in\r" + basic::TextFromPath(data.from) + "\r";
    switch (data.copy) {
        case EarlierData::Copy::Done: text += "have been copied there."; break;
        case EarlierData::Copy::NewFolderHasFiles:
            text += "were not copied, as the folder above already holds files of Pantrivo.";
            break;
        case EarlierData::Copy::Failed: text += "could not be copied there."; break;
    }
    text += " They are left where they were, but Pantrivo no longer uses them.";
    dialogs.MessageBox({"Pantrivo Data Folder", text, MsgIcon::Information, MsgButtons::OK, 1});

    std::ostringstream note;
    for (const std::string& folder : ToldAbout(data.to)) note << folder << '\n';
    note << data.from.string() << '\n';
    // Without the note the user is told again at the next start: no harm done.
    static_cast<void>(basic::AtomicWriteFile(data.to / ToldAboutFile, note.str()));
}

}  // namespace platform
