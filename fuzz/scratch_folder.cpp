#include "fuzz/scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "platform/basic/path_text.h"

namespace fuzz {

namespace {

std::filesystem::path Parent() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// The process's folder, removed with all it holds at exit.
class ProcessFolder {
public:
    ProcessFolder() {
        std::string pattern = (Parent() / "pantrivo-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        dir_ = pattern;
    }
    ~ProcessFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

// Removes all the folder holds; a run that left anything would make the next
// one depend on it, so what cannot be removed stops the fuzzer.
void Empty(const std::filesystem::path& dir) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        std::filesystem::remove_all(it->path(), error);
    if (!error && std::filesystem::is_empty(dir, error) && !error) return;
    std::fprintf(stderr, "cannot empty the scratch folder %s\n", dir.c_str());
    std::abort();
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static const ProcessFolder folder;
    dir_ = folder.dir();
    Empty(dir_);
}

ScratchFolder::~ScratchFolder() { Empty(dir_); }

void ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(dir_ / basic::PathFromText(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFolder::Read(std::string_view name) const {
    std::ifstream in(dir_ / basic::PathFromText(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string_view> SplitInput(std::string_view input, std::string_view separator, std::size_t maxParts) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const auto at = input.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + separator.size());
    }
    parts.push_back(input);
    return parts;
}

void Expect(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace fuzz
