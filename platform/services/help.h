#pragma once
#include <filesystem>

namespace platform {

// The commands a window gives the help viewer.
enum class HelpCommand {
    Topic = 1,      // open the topic of the given number
    Contents = 11,  // open the help file's contents
};

struct HelpRequest {
    std::filesystem::path file;  // the help file, as the program names it
    HelpCommand command = HelpCommand::Topic;
    int topic = 0;  // for HelpCommand::Topic
};

// The help viewer, which runs beside the program: the call returns at once.
// A missing file or topic is the viewer's to report; the program goes on.
class Help {
public:
    virtual ~Help() = default;
    virtual void ShowHelp(const HelpRequest& request) = 0;
};

}  // namespace platform
