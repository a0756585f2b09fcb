#pragma once
#include <string>

namespace backup {

// How a backup or restore step ended, and what the status line then reads.
enum class Result {
    Completed,    // every file written and read back
    Cancelled,    // the user cancelled at a prompt
    Declined,     // a restore's question answered No or Cancel
    ChooseAgain,  // the target could not be written: the user picks a drive again
    NotFound,     // no first disk of the set at the path
    Failed,       // a failure, named to the user; nothing claims success
};

struct Outcome {
    Result result = Result::Completed;
    std::string status;

    bool operator==(const Outcome&) const = default;
};

inline constexpr const char* BackupComplete = "Backup Complete";
inline constexpr const char* BackupTerminated = "Backup Terminated by User";
inline constexpr const char* BackupFailed = "Backup Failed";
inline constexpr const char* RestorationCompleted = "Restoration Completed";
inline constexpr const char* NothingRestored = "Nothing Restored";

}  // namespace backup
