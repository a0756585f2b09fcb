#include "backup/store/tests/backup_test_disks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "backup/store/disk_info.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace backup::testing {

namespace fs = std::filesystem;

Drive::Drive(const fs::path& root) : root_(root), drive_(root / "drive") { fs::create_directories(drive_); }

fs::path Drive::DiskFolder(int disk) const { return root_ / ("disk" + std::to_string(disk)); }

void Drive::Insert(int disk) {
    if (disk == inserted_) return;
    fs::rename(drive_, DiskFolder(inserted_));
    if (!fs::exists(DiskFolder(disk))) fs::create_directories(DiskFolder(disk));
    fs::rename(DiskFolder(disk), drive_);
    inserted_ = disk;
}

std::uintmax_t Drive::LimitOfInserted() const {
    const auto found = limits_.find(inserted_);
    return found == limits_.end() ? UINTMAX_MAX : found->second;
}

std::uintmax_t Drive::Used() const {
    std::uintmax_t used = 0;
    for (const auto& entry : fs::directory_iterator(drive_))
        if (entry.is_regular_file()) used += entry.file_size();
    return used;
}

std::string Drive::Read(int disk, const std::string& name) const {
    return basic::testing::ReadBytes((disk == inserted_ ? drive_ : DiskFolder(disk)) / name);
}

std::vector<std::string> Drive::Names(int disk) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(disk == inserted_ ? drive_ : DiskFolder(disk)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

class LimitedWriter final : public DiskWriter {
public:
    LimitedWriter(std::unique_ptr<DiskWriter> real, fs::path file, const Drive& drive, bool corrupt)
        : real_(std::move(real)), file_(std::move(file)), drive_(drive), corrupt_(corrupt) {}
    std::size_t Write(std::string_view bytes) override {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file_, error);
        const std::uintmax_t used = drive_.Used();
        const std::uintmax_t limit = drive_.LimitOfInserted();
        const std::uintmax_t room = limit > used ? limit - used : 0;
        const std::uintmax_t end = size + room;
        const std::size_t fits = end > position_ ? static_cast<std::size_t>(std::min<std::uintmax_t>(end - position_, bytes.size())) : 0;
        std::string written(bytes.substr(0, fits));
        if (corrupt_ && !written.empty()) written[0] = static_cast<char>(written[0] ^ 1);
        const std::size_t n = real_->Write(written);
        position_ += n;
        return n;
    }
    bool Finish() override { return real_->Finish(); }

private:
    std::unique_ptr<DiskWriter> real_;
    fs::path file_;
    const Drive& drive_;
    bool corrupt_;
    std::uintmax_t position_ = 0;
};

}  // namespace

std::unique_ptr<DiskWriter> LimitedDisk::Open(const fs::path& file, bool empty) {
    if (drive_.LimitOfInserted() == 0) return nullptr;  // write-protected
    auto real = RealDisk().Open(file, empty);
    if (!real) return nullptr;
    return std::make_unique<LimitedWriter>(std::move(real), file, drive_, corrupt);
}

ScriptedUser::~ScriptedUser() {
    if (ranOut) ADD_FAILURE() << "unexpected prompt: " << prompts.back().text;
}

Answer ScriptedUser::Ask(const Prompt& prompt) {
    prompts.push_back(prompt);
    if (steps_.empty()) {
        ranOut = true;
        return Answer::Cancel;
    }
    const Step step = steps_.front();
    steps_.pop_front();
    if (step.insertDisk && drive_) drive_->Insert(step.insertDisk);
    return step.answer;
}

std::vector<std::string> ScriptedUser::Titles() const {
    std::vector<std::string> titles;
    for (const auto& prompt : prompts) titles.push_back(prompt.title);
    return titles;
}

std::vector<std::string> ScriptedUser::Texts() const {
    std::vector<std::string> texts;
    for (const auto& prompt : prompts) texts.push_back(prompt.text);
    return texts;
}

std::string RecordBytes(long k, int length) {
    std::string bytes(static_cast<std::size_t>(length), static_cast<char>('A' + k % 26));
    const std::string number = "#" + std::to_string(k);
    bytes.replace(0, number.size(), number);
    return bytes;
}

std::vector<std::string> InfoRecords(const std::string& bytes) {
    const basic::testing::TestFolder folder;
    basic::testing::WriteBytes(folder / "info", bytes);
    const auto info = ReadDiskInfo(folder / "info");
    return info ? std::vector<std::string>(info->begin(), info->end()) : std::vector<std::string>{};
}

void MakeCookbook(const fs::path& folder, int cookbook, long highest, long dataRecords) {
    auto record = [](const std::string& entry) {
        std::string bytes(recipes::IndexRecordLength, '\0');
        bytes[0] = static_cast<char>(entry.size());
        bytes.replace(2, entry.size(), entry);
        return bytes;
    };
    std::string first;
    for (long k = 1; k <= highest; ++k) first += record(recipes::MakeIndexEntry("Recipe " + std::to_string(k), k));
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        std::string bytes = type == 1 ? first : "";
        if (type == 5 && highest >= 2) bytes = record(recipes::MakeIndexEntry("Again", 2));
        basic::testing::WriteBytes(folder / recipes::RecipeIndexFileName(type, cookbook), bytes);
    }
    std::string data;
    for (long k = 1; k <= dataRecords; ++k) data += RecordBytes(k, recipes::RecipeRecordLength);
    basic::testing::WriteBytes(folder / recipes::RecipeDataFileName(cookbook), data);
}

}  // namespace backup::testing
