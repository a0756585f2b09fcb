#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace basic::testing {

// A fresh empty folder for one test, removed with everything in it afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Whole-file helpers; ReadBytes gives "" for a missing file.
std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace basic::testing
