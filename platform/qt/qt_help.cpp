#include "platform/qt/qt_help.h"

#include <utility>

#include "platform/basic/program_folder.h"
#include "platform/program_location.h"
#include "platform/qt/help_viewer.h"

namespace platform::qt {

QtHelp::QtHelp() : QtHelp(BundledDataFolder(ExecutableFolder())) {}

QtHelp::QtHelp(std::filesystem::path folder) : folder_(std::move(folder)) {}

QtHelp::~QtHelp() = default;

void QtHelp::ShowHelp(const HelpRequest& request) {
    if (!viewer_) viewer_ = std::make_unique<HelpViewer>();
    // Found as the pictures are: the name's spelling need not match the file's case.
    const auto file = basic::ProgramFolder(folder_).Resolve(request.file.string());
    const auto command = request.command == HelpCommand::Topic ? HelpCommand::Topic : HelpCommand::Contents;
    viewer_->open(file, command, request.topic);
}

}  // namespace platform::qt
