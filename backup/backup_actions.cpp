// The backup window's action: the confirmation, the family's step run with
// the window as its user, and the outcome in the status line.
#include <filesystem>

#include "backup/backup1.h"
#include "backup/store/cookbook_backup.h"
#include "backup/store/storage_backup.h"
#include "backup/store/year_backup.h"
#include "backup/window_user.h"
#include "platform/basic/path_text.h"
#include "shell/application.h"
#include "shell/hinfo1.h"

namespace backup {

namespace {

food_storage::StorageKind StorageKindOf(FamilyKind kind) {
    switch (kind) {
    case FamilyKind::EmergencyStorage: return food_storage::StorageKind::Emergency;
    case FamilyKind::AdditionalStorage: return food_storage::StorageKind::Additional;
    default: break;
    }
    return food_storage::StorageKind::Basic;
}

// Marks the window busy for as long as a step runs.
class Running {
public:
    explicit Running(bool& running) : running_(running) { running_ = true; }
    ~Running() { running_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& running_;
};

}  // namespace

void Backup1::SSCommand2_Click() {
    if (!state_.actionAvailable || state_.running) return;
    const std::string path = Dir1->Path();
    state_.BackupPath = !path.empty() && path.back() == '/' ? path : path + "/";
    if (state_.restoreMode) runRestore();
    else runBackup();
}

void Backup1::mOM_Click() { SSCommand2_Click(); }

void Backup1::mOR_Click() { SSCommand2_Click(); }

Outcome Backup1::backupStep() {
    WindowUser user(app_, *this);
    const std::filesystem::path target = basic::PathFromText(state_.BackupPath);
    switch (state_.family.kind) {
    case FamilyKind::Cookbook: return BackupCookbook(app_.folder(), state_.cookbook, target, user);
    case FamilyKind::MenuYear: return BackupYear(app_.folder(), state_.year, target, user);
    case FamilyKind::None: return {Result::Failed, ""};
    default: break;
    }
    return BackupStorage(app_.folder(), StorageKindOf(state_.family.kind), target, user);
}

Outcome Backup1::restoreStep() {
    WindowUser user(app_, *this);
    const std::filesystem::path source = basic::PathFromText(state_.BackupPath);
    switch (state_.family.kind) {
    case FamilyKind::Cookbook: return RestoreCookbook(app_.folder(), state_.cookbook, source, user);
    case FamilyKind::MenuYear: return RestoreYear(app_.folder(), state_.year, source, user);
    case FamilyKind::None: return {Result::Declined, ""};
    default: break;
    }
    return RestoreStorage(app_.folder(), StorageKindOf(state_.family.kind), source, user);
}

namespace {

// What cannot be backed up, checked before the question about deleting.
std::optional<std::string> SourceProblem(const basic::ProgramFolder& folder, const Backup1State& state) {
    switch (state.family.kind) {
    case FamilyKind::Cookbook: return CookbookSourceProblem(folder, state.cookbook);
    case FamilyKind::MenuYear: return YearSourceProblem(folder, state.year);
    case FamilyKind::None: return std::nullopt;
    default: break;
    }
    return StorageSourceProblem(folder, StorageKindOf(state.family.kind));
}

}  // namespace

void Backup1::runBackup() {
    WindowUser user(app_, *this);
    if (const auto problem = SourceProblem(app_.folder(), state_)) {
        user.Ask(FailurePrompt(*problem));
        user.Status(BackupFailed);
        shell::EndWait(app_);
        return;
    }
    if (user.Ask(BackupConfirmation(state_.family.word, Label5->Caption())) == Answer::Yes) {
        user.Status("Deleting Old Files");
        Outcome outcome;
        {
            const Running running(state_.running);
            shell::BeginWait(app_);
            outcome = backupStep();
        }
        switch (outcome.result) {
        case Result::Cancelled: user.Status(BackupTerminated); break;
        case Result::Completed: user.Status(BackupComplete); break;
        case Result::ChooseAgain:
            // The target could not be written: the user chooses again.
            user.Status("");
            SSPanel2->setVisible(false);
            Drive1->setListIndex(0);
            break;
        default:
            // A failure the step named: never reported as complete.
            user.Status(outcome.status.empty() ? BackupFailed : outcome.status);
            break;
        }
        // A cookbook backup that ran its course turns the action off; the
        // other families, and a backup cancelled, leave the choice standing.
        const bool ranItsCourse = outcome.result == Result::Completed || outcome.result == Result::Failed;
        if (state_.family.kind == FamilyKind::Cookbook && ranItsCourse) setActionAvailable(false);
        shell::EndWait(app_);
    }
    ProgressBar1->setVisible(false);
}

void Backup1::runRestore() {
    Outcome outcome;
    {
        const Running running(state_.running);
        outcome = restoreStep();
    }
    WindowUser user(app_, *this);
    if (!outcome.status.empty()) user.Status(outcome.status);
    // A restore that went through needs a new choice for another one; so
    // does a menu planner year's whose question was declined.
    const bool yearDeclined = state_.family.kind == FamilyKind::MenuYear && outcome.result == Result::Declined;
    if (outcome.result == Result::Completed || yearDeclined) setActionAvailable(false);
    ProgressBar1->setVisible(false);
    shell::EndWait(app_);
}

}  // namespace backup
