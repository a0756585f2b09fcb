#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace basic {

// Reads a sequential text file the way Basic's Input # and Line Input # do.
// The whole file is read when it is opened.
class SequentialReader {
public:
    // nullopt when the file cannot be read.
    [[nodiscard]] static std::optional<SequentialReader> Open(const std::filesystem::path& path);
    // Reads from bytes already in memory.
    static SequentialReader FromBytes(std::string bytes);

    bool Eof() const { return pos_ >= data_.size(); }

    // One item: leading blanks skipped; a quoted item is everything up to the
    // next double quote (line breaks included), and the rest up to the next
    // comma or line end is skipped; an unquoted item runs up to a comma or
    // line end, trailing blanks removed. nullopt at the end of the file.
    std::optional<std::string> Input();

    // The rest of the line without its CR LF (or LF). nullopt at the end.
    std::optional<std::string> LineInput();

private:
    explicit SequentialReader(std::string bytes) : data_(std::move(bytes)) {}
    void SkipPastDelimiter();

    std::string data_;
    std::size_t pos_ = 0;
};

}  // namespace basic
