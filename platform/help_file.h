#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The program's help file: UTF-8 text in which a line "# 1000 Program Overview"
// starts topic 1000, titled "Program Overview"; the lines up to the next such
// line are the topic's text, in a small Markdown-like markup (help_markup.h).
namespace platform::help {

struct HelpTopic {
    int number = 0;
    std::string title;
    std::string body;  // the topic's lines as written, without blank lines around them
};

class HelpFile {
public:
    // Any bytes give a file: a line that is no topic heading is text, text
    // before the first heading is left out, and of two topics with one
    // number the first is kept and the second left out whole.
    static HelpFile Parse(std::string_view text);

    // In file order.
    const std::vector<HelpTopic>& topics() const { return topics_; }
    // Nothing when the file has no topic of that number.
    const HelpTopic* find(int number) const;

private:
    std::vector<HelpTopic> topics_;
    std::unordered_map<int, std::size_t> byNumber_;
};

// The number of a topic as a heading or a link writes it: 1 to 9 digits.
std::optional<int> ParseTopicNumber(std::string_view digits);

// No help file is this large; reading stops here so that a wrong file
// cannot take the machine's memory.
inline constexpr std::size_t MaxHelpFileBytes = std::size_t{16} << 20;
// Longer titles are cut, so that one long line cannot widen the contents.
inline constexpr std::size_t MaxTitleBytes = 200;

enum class ReadStatus { Read, Missing, Unreadable };

struct HelpFileReading {
    ReadStatus status = ReadStatus::Missing;
    HelpFile file;  // empty unless read
};

// Reads and parses a help file; only its first MaxHelpFileBytes count.
HelpFileReading ReadHelpFile(const std::filesystem::path& path);

}  // namespace platform::help
