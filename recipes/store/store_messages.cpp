#include "recipes/store/store_messages.h"

#include <string>

namespace recipes {

void ReportStoreFailure(platform::Dialogs& dialogs, const StoreOutcome& outcome, std::string_view title) {
    platform::MessageBoxRequest request;
    request.title = std::string(title);
    const std::string file = "\"" + outcome.fileName + "\"";
    switch (outcome.result) {
        case StoreResult::Done:
        case StoreResult::NoName: return;
        case StoreResult::CookbookFull:
            request.icon = platform::MsgIcon::Information;
            request.text =
                "This cookbook is full: all 30000 recipe places are in use, so the recipe was not saved.\r"
                "Delete recipes you no longer need, or save this one in another cookbook.";
            break;
        case StoreResult::DataFileNotWritten:
        case StoreResult::IndexFileNotWritten:
            request.icon = platform::MsgIcon::Exclamation;
            request.text = std::string(outcome.result == StoreResult::DataFileNotWritten ? "The recipe file "
                                                                                         : "The recipe list ") +
                           file +
                           " could not be written, so nothing was changed.\r"
                           "Check that the disk has room and that the file may be changed.";
            break;
        case StoreResult::IndexFileTooLarge:
            request.icon = platform::MsgIcon::Exclamation;
            request.text = "The recipe list " + file +
                           " is larger than any recipe list can be (30000 recipes), so it is damaged and was not "
                           "read; nothing was changed.\rRestore the cookbook from a backup.";
            break;
        case StoreResult::OlderFormat:
            request.icon = platform::MsgIcon::Exclamation;
            request.text = "The recipe file " + file +
                           " is still in the older format, so nothing was changed.\r"
                           "Choose View Recipe or Create Recipe to convert it first.";
            break;
    }
    dialogs.MessageBox(request);
}

}  // namespace recipes
