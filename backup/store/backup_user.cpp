#include "backup/store/backup_user.h"

namespace backup {

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (auto line : lines) {
        if (!first) text += '\r';
        first = false;
        text += line;
    }
    return text;
}

Prompt NextBackupDiskPrompt(int disk) {
    return {"Backup Disk",
            Lines({"Disk is Full.", "Please Insert Backup Disk #" + std::to_string(disk),
                   "CAUTION: Wait till Disk Drive light goes out and Be sure New Disk is inserted before Clicking OK"}),
            Icon::Information, Buttons::OkCancel, Answer::Ok};
}

Prompt NewBlankDiskPrompt() {
    return {"Backup Disk",
            Lines({"Disk is either Full, or there is not enough room", "remaining for the requested backup files!",
                   "Please Insert a New Blank Formatted", "Backup Disk and then Click on OK.",
                   "CAUTION: Wait till Disk Drive light goes out and",
                   "Be sure New Disk is inserted before Clicking OK"}),
            Icon::Information, Buttons::OkCancel, Answer::Ok};
}

Prompt BackupCancelledPrompt() {
    return {"Backup Proceedure Cancelation",
            Lines({"You have cancelled the backup proceedure!",
                   "If backup files were on this disk they have been deleted!",
                   "May we suggest you initiate Backup for these files again!"}),
            Icon::Information, Buttons::Ok, Answer::Ok};
}

Prompt RestoreDiskErrorPrompt() {
    return {"Disk Error",
            Lines({"Unable to find Backup Disk or Location containing requested files!",
                   "Please insert another backup Disk into selected Drive and Try again."}),
            Icon::Critical, Buttons::Ok, Answer::Ok};
}

Prompt BackupConfirmation(std::string_view familyWord, std::string_view path) {
    return {"Delete Files",
            Lines({"This utility will first Delete all existing " + std::string(familyWord) + " files",
                   "located in Path: " + std::string(path), "", "Proceed?"}),
            Icon::Question, Buttons::YesNoCancel, Answer::No};
}

Prompt DeleteFilesQuestion(std::string_view what) {
    return {"Delete Files",
            Lines({"This utility will first Delete all existing " + std::string(what) + " files",
                   "located in Pantrivo Program!", "", "Proceed?"}),
            Icon::Question, Buttons::YesNoCancel, Answer::No};
}

Prompt InsertRestoreDiskPrompt(int disk) {
    return {"Restore Function", "Please insert Backup Disk #" + std::to_string(disk), Icon::Information,
            Buttons::OkCancel, Answer::Ok};
}

Prompt FailurePrompt(std::string_view text) {
    return {"Disk Error", std::string(text), Icon::Critical, Buttons::Ok, Answer::Ok};
}

}  // namespace backup
