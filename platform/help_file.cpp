#include "platform/help_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace platform::help {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
// Nine digits always fit an int.
constexpr std::size_t MaxNumberDigits = 9;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsBlankLine(std::string_view line) { return Trim(line).empty(); }

// Cuts at most MaxTitleBytes, never inside a UTF-8 sequence.
std::string CutTitle(std::string_view title) {
    if (title.size() <= MaxTitleBytes) return std::string(title);
    std::size_t end = MaxTitleBytes;
    while (end > 0 && (static_cast<unsigned char>(title[end]) & 0xC0) == 0x80) --end;
    return std::string(Trim(title.substr(0, end)));
}

// "# 1000 Program Overview": one '#', the number, then the title (which may be
// missing). "## ..." is a heading inside a topic's text.
std::optional<HelpTopic> ParseHeading(std::string_view line) {
    if (line.size() < 2 || line[0] != '#' || line[1] == '#') return std::nullopt;
    std::string_view rest = line.substr(1);
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    std::size_t digits = 0;
    while (digits < rest.size() && !IsBlank(rest[digits])) ++digits;
    const auto number = ParseTopicNumber(rest.substr(0, digits));  // "# 12b" is text
    if (!number) return std::nullopt;

    HelpTopic topic;
    topic.number = *number;
    const std::string_view title = Trim(rest.substr(digits));
    topic.title = title.empty() ? "Topic " + std::to_string(topic.number) : CutTitle(title);
    return topic;
}

// The lines of a topic, less the blank ones before and after them.
std::string JoinBody(const std::vector<std::string_view>& lines) {
    std::size_t first = 0, last = lines.size();
    while (first < last && IsBlankLine(lines[first])) ++first;
    while (last > first && IsBlankLine(lines[last - 1])) --last;
    std::string body;
    for (std::size_t i = first; i < last; ++i) {
        if (i > first) body += '\n';
        body += lines[i];
    }
    return body;
}

}  // namespace

std::optional<int> ParseTopicNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > MaxNumberDigits) return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

HelpFile HelpFile::Parse(std::string_view text) {
    if (text.starts_with(Utf8ByteOrderMark)) text.remove_prefix(Utf8ByteOrderMark.size());

    HelpFile file;
    std::optional<HelpTopic> current;  // the topic being read; nothing before the first and in a duplicate
    std::vector<std::string_view> lines;
    const auto finish = [&] {
        if (current) {
            current->body = JoinBody(lines);
            file.byNumber_.emplace(current->number, file.topics_.size());
            file.topics_.push_back(std::move(*current));
        }
        current.reset();
        lines.clear();
    };

    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (auto heading = ParseHeading(line)) {
            finish();
            const bool taken = file.byNumber_.contains(heading->number);
            if (!taken) current = std::move(heading);
        } else if (current) {
            lines.push_back(line);
        }
    }
    finish();
    return file;
}

const HelpTopic* HelpFile::find(int number) const {
    const auto found = byNumber_.find(number);
    return found == byNumber_.end() ? nullptr : &topics_[found->second];
}

HelpFileReading ReadHelpFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {ReadStatus::Missing, {}};
    if (std::filesystem::is_directory(path, error)) return {ReadStatus::Unreadable, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {ReadStatus::Unreadable, {}};

    // In pieces: the size on disk may be unknown (a device) or far too large.
    std::string bytes;
    char piece[1 << 16];
    while (bytes.size() < MaxHelpFileBytes) {
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, MaxHelpFileBytes - bytes.size())));
        if (in.gcount() <= 0) break;
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {ReadStatus::Unreadable, {}};
    return {ReadStatus::Read, HelpFile::Parse(bytes)};
}

}  // namespace platform::help
