#pragma once
#include <string>

namespace platform {

struct ShellOpenRequest {
    long ownerWindow = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
};

// Opens documents and web addresses with the desktop's own programs.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Returns a value above 32 on success, as the desktop's shell does.
    virtual int ShellOpen(const ShellOpenRequest& request) = 0;
};

}  // namespace platform
