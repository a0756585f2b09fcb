#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "platform/services/volumes.h"

namespace platform::testing {

// Volumes a test names: the program folder is "C:", rooted where the test
// says (the program folder itself unless told), then the drives the test
// adds, each a folder (one that does not exist is a drive that is not ready).
class FakeVolumes : public Volumes {
public:
    std::filesystem::path programRoot;
    std::vector<ui::Volume> drives;

    void addDrive(std::string name, const std::filesystem::path& root) {
        drives.push_back({std::move(name), root, root});
    }

    std::vector<ui::Volume> List(const std::filesystem::path& programFolder) override {
        std::vector<ui::Volume> found{{"C:", programRoot.empty() ? programFolder : programRoot, programFolder}};
        found.insert(found.end(), drives.begin(), drives.end());
        return found;
    }
};

}  // namespace platform::testing
