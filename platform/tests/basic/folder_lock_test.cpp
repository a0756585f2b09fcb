#include "platform/basic/folder_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/testing/test_folder.h"

namespace basic {
namespace {

using Result = FolderLock::Result;

// A second process holds the folder until it is killed.
class OtherCopy {
public:
    explicit OtherCopy(const std::filesystem::path& folder) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            std::optional<FolderLock> lock;
            const char taken = FolderLock::Take(folder, lock) == Result::Taken ? 'y' : 'n';
            static_cast<void>(::write(ready[1], &taken, 1));
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char taken = 0;
        static_cast<void>(::read(ready[0], &taken, 1));
        ::close(ready[0]);
        EXPECT_EQ(taken, 'y');
    }
    void Kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
};

TEST(FolderLockTest, ASecondCopyOnTheFolderIsRefusedUntilTheFirstEndsEvenByAKill) {
    testing::TestFolder folder;
    OtherCopy first(folder.path());
    std::optional<FolderLock> lock;
    EXPECT_EQ(FolderLock::Take(folder.path(), lock), Result::HeldByAnother);
    EXPECT_FALSE(lock);

    first.Kill();  // the system lets its lock go: nothing stale is left
    EXPECT_EQ(FolderLock::Take(folder.path(), lock), Result::Taken);
    EXPECT_TRUE(lock);

    testing::TestFolder otherFolder;  // another data folder is another claim
    std::optional<FolderLock> other;
    EXPECT_EQ(FolderLock::Take(otherFolder.path(), other), Result::Taken);
}

TEST(FolderLockTest, AFolderWithoutRoomForTheLockFileLetsTheProgramGoOn) {
    testing::TestFolder folder;
    std::optional<FolderLock> lock;
    EXPECT_EQ(FolderLock::Take(folder / "missing", lock), Result::Unavailable);
    EXPECT_FALSE(lock);
}

}  // namespace
}  // namespace basic
