#pragma once

namespace shell {

class Application;

// The program's help file, beside the program.
inline constexpr const char* HelpFileName = "Pantrivo.hlp";

// A help topic a window opens, with its title in the help file.
struct HelpTopicEntry {
    int number;
    const char* title;
};

// The start window's topics and those of what every window shares. Each
// subsystem declares and claims its own at start-up.
namespace topics {
inline constexpr int ProgramOverview = 1000;
inline constexpr int PrintPreview = 1014;
}  // namespace topics

inline constexpr HelpTopicEntry ShellTopics[] = {
    {topics::ProgramOverview, "Program Overview"},
    {topics::PrintPreview, "Print Preview"},
};

// Opens the help viewer at a topic, or at the help file's contents. The
// viewer runs beside the program and reports a missing file or topic itself.
void ShowHelpTopic(Application& app, int topic);
void ShowHelpContents(Application& app);

}  // namespace shell
