#include "platform/basic/sequential_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

namespace basic {

std::optional<SequentialReader> SequentialReader::Open(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return SequentialReader(std::move(bytes));
}

SequentialReader SequentialReader::FromBytes(std::string bytes) { return SequentialReader(std::move(bytes)); }

// Past the next comma or line end (CR LF, CR or LF), or to the end.
void SequentialReader::SkipPastDelimiter() {
    while (pos_ < data_.size()) {
        const char c = data_[pos_++];
        if (c == ',' || c == '\n') return;
        if (c == '\r') {
            if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
            return;
        }
    }
}

std::optional<std::string> SequentialReader::Input() {
    if (Eof()) return std::nullopt;
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;

    if (pos_ < data_.size() && data_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = data_.find('"', start);
        const std::size_t end = close == std::string::npos ? data_.size() : close;
        std::string item = data_.substr(start, end - start);
        pos_ = close == std::string::npos ? data_.size() : close + 1;
        SkipPastDelimiter();
        return item;
    }

    const std::size_t end = std::min(data_.find_first_of(",\r\n", pos_), data_.size());
    std::string item = data_.substr(pos_, end - pos_);
    item.erase(item.find_last_not_of(" \t") + 1);
    pos_ = end;
    SkipPastDelimiter();
    return item;
}

std::optional<std::string> SequentialReader::LineInput() {
    if (Eof()) return std::nullopt;
    const std::size_t newline = data_.find('\n', pos_);
    const std::size_t end = newline == std::string::npos ? data_.size() : newline;
    std::string line = data_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos_ = newline == std::string::npos ? data_.size() : newline + 1;
    return line;
}

}  // namespace basic
