#include "shell/help_menu.h"

#include "shell/application.h"

namespace shell {

void ShowHelpTopic(Application& app, int topic) {
    app.help().ShowHelp({HelpFileName, platform::HelpCommand::Topic, topic});
}

void ShowHelpContents(Application& app) { app.help().ShowHelp({HelpFileName, platform::HelpCommand::Contents, 0}); }

}  // namespace shell
