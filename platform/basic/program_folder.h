#pragma once
#include <filesystem>
#include <string_view>

namespace basic {

// The folder the program keeps its files in. Bare file names are looked up
// there without regard to case, as the program was written for a file system
// that ignores case ("Gcolor4.fil" and "GColor4.Fil" are one file).
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path dir);

    const std::filesystem::path& dir() const { return dir_; }

    // A bare name (Windows-1252, no '/') gives the existing entry of dir whose
    // name equals it without regard to case (the exact spelling first), else
    // dir/name as spelt. A name with '/' is taken as given, relative to dir.
    std::filesystem::path Resolve(std::string_view name) const;

    // Makes dir the process's current directory.
    [[nodiscard]] bool MakeCurrent() const;

private:
    std::filesystem::path dir_;
};

}  // namespace basic
