#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"

// What the fuzz targets share: a folder to lay an input out in as files, and
// the input cut into parts.
namespace fuzz {

// An empty folder for one input, emptied again afterwards. Every input of a
// process gets the same folder, made once and removed when the process ends:
// making and removing one per input cost more than many a reader's run. It
// lies in memory (/dev/shm) where the machine has that.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    basic::ProgramFolder programFolder() const { return basic::ProgramFolder(dir_); }

    // Writes bytes as the file of this name (a bare name).
    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; empty when it is missing.
    std::string Read(std::string_view name) const;

private:
    std::filesystem::path dir_;
};

// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of input between separators, at most maxParts (the last takes
// the rest); always at least one.
std::vector<std::string_view> SplitInput(std::string_view input, std::string_view separator, std::size_t maxParts);

// The separator the seed corpus puts between the files of one input.
inline constexpr std::string_view FileSeparator = "\n=====\n";

// Stops the target with a crash the fuzzer reports, when a promise is broken.
void Expect(bool condition, const char* what);

}  // namespace fuzz
