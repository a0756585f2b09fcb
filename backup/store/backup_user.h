#pragma once
#include <string>
#include <string_view>

// What the backup and restore steps need of the user: answers to message
// boxes (the disk prompts among them), a status line and a progress bar. The
// backup window gives the real ones; tests script them, and swap the disk in
// the drive while a prompt waits.
namespace backup {

enum class Icon { Information, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Prompt {
    std::string title;
    std::string text;  // lines joined by a carriage return
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    Answer preselected = Answer::Ok;

    bool operator==(const Prompt&) const = default;
};

class BackupUser {
public:
    virtual ~BackupUser() = default;
    virtual Answer Ask(const Prompt& prompt) = 0;
    // The status line; "" hides its text.
    virtual void Status(std::string_view) {}
    // The progress bar; a maximum of 0 hides it.
    virtual void Progress(long /*value*/, long /*maximum*/) {}
};

// The shared disk prompts, with their texts as the users know them.
// "Disk is Full." ... "Please Insert Backup Disk #" and the disk; OK and
// Cancel, so that a chain of disks that never takes a record can be left.
Prompt NextBackupDiskPrompt(int disk);
Prompt NewBlankDiskPrompt();
Prompt BackupCancelledPrompt();
Prompt RestoreDiskErrorPrompt();

// The backup window's question before a backup: "This utility will first
// Delete all existing " + the family word + " files", then the path shown.
Prompt BackupConfirmation(std::string_view familyWord, std::string_view path);
// The restore's question before it replaces what the program holds:
// "This utility will first Delete all existing " + what + " files" ...
Prompt DeleteFilesQuestion(std::string_view what);
// "Please insert Backup Disk #" and the disk, titled "Restore Function".
Prompt InsertRestoreDiskPrompt(int disk);
// A failure that ended a step, named: title "Disk Error", critical icon.
Prompt FailurePrompt(std::string_view text);

// Lines joined as the message boxes join them.
std::string Lines(std::initializer_list<std::string_view> lines);

}  // namespace backup
