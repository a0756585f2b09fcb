#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "platform/basic/program_folder.h"
#include "platform/testing/test_folder.h"

namespace backup::testing {

// A drive whose disks are folders: the one inserted stands at path(), the
// others wait beside it. Each disk may hold only so many bytes.
class Drive {
public:
    explicit Drive(const std::filesystem::path& root);
    const std::filesystem::path& path() const { return drive_; }
    std::filesystem::path DiskFolder(int disk) const;
    void Insert(int disk);
    int inserted() const { return inserted_; }
    void Limit(int disk, std::uintmax_t bytes) { limits_[disk] = bytes; }
    std::uintmax_t LimitOfInserted() const;
    // Bytes in the inserted disk's folder.
    std::uintmax_t Used() const;
    // The file's bytes on a disk, whether inserted or not.
    std::string Read(int disk, const std::string& name) const;
    std::vector<std::string> Names(int disk) const;

private:
    std::filesystem::path root_;
    std::filesystem::path drive_;
    int inserted_ = 1;
    std::map<int, std::uintmax_t> limits_;
};

// The file layer of a drive: writes fall short once the inserted disk is
// full; corrupt makes every write change its first byte.
class LimitedDisk final : public DiskFiles {
public:
    explicit LimitedDisk(Drive& drive) : drive_(drive) {}
    std::unique_ptr<DiskWriter> Open(const std::filesystem::path& file, bool empty) override;
    bool Remove(const std::filesystem::path& file) override { return RealDisk().Remove(file); }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return RealDisk().Rename(from, to);
    }
    bool corrupt = false;

private:
    Drive& drive_;
};

// Answers prompts from a script; each answer may first swap the disk. Every
// prompt is kept; a prompt with no answer left is answered Cancel and fails
// the test.
class ScriptedUser final : public BackupUser {
public:
    struct Step {
        Answer answer;
        int insertDisk = 0;  // 0: leave the disk
    };
    ScriptedUser(Drive* drive, std::vector<Step> steps) : drive_(drive), steps_(steps.begin(), steps.end()) {}
    // A prompt the script did not expect fails the test.
    ~ScriptedUser() override;
    Answer Ask(const Prompt& prompt) override;
    void Status(std::string_view text) override { statuses.emplace_back(text); }
    void Progress(long value, long maximum) override { progress.emplace_back(value, maximum); }

    std::vector<Prompt> prompts;
    std::vector<std::string> statuses;
    std::vector<std::pair<long, long>> progress;  // value, maximum; a maximum of 0 hid the bar
    bool ranOut = false;
    std::vector<std::string> Titles() const;
    std::vector<std::string> Texts() const;

private:
    Drive* drive_;
    std::deque<Step> steps_;
};

// A cookbook in folder: type 1's index names records 1 .. highest (and type
// 5 names record 2 again), the data file holds dataRecords records, each
// filled with its own bytes.
void MakeCookbook(const std::filesystem::path& folder, int cookbook, long highest, long dataRecords);
std::string RecordBytes(long k, int length);

// The records of a disk information file's bytes.
std::vector<std::string> InfoRecords(const std::string& bytes);

// A program folder and a drive of disks beside it.
class BackupFixture : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(program); }

    basic::testing::TestFolder root;
    std::filesystem::path program = root / "program";
    Drive drive{root.path()};
    LimitedDisk disk{drive};
    basic::ProgramFolder folder{program};
};

}  // namespace backup::testing
