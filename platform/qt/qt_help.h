#pragma once
#include <filesystem>
#include <memory>

#include "platform/services/help.h"

namespace platform::qt {

class HelpViewer;

// The program's help viewer: one window, made when help is first asked for
// and reused after.
class QtHelp : public Help {
public:
    // Help files named bare are looked for in the folder the program's own
    // files came with: beside it in a build, its data folder when installed.
    QtHelp();
    explicit QtHelp(std::filesystem::path folder);
    ~QtHelp() override;

    void ShowHelp(const HelpRequest& request) override;

    // Nothing until help was first asked for.
    HelpViewer* viewer() const { return viewer_.get(); }

private:
    std::filesystem::path folder_;
    std::unique_ptr<HelpViewer> viewer_;
};

}  // namespace platform::qt
