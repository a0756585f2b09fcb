#include "platform/help_markup.h"

#include <vector>

namespace platform::help {

namespace {

constexpr std::string_view TopicScheme = "topic:";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// Text as it stands in the output: control characters (stray bytes of a
// binary file) are left out, a tab is a space.
void AppendText(std::string& out, std::string_view text, bool html) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            out += ' ';
        } else if (byte < 0x20 || byte == 0x7F) {
            continue;
        } else if (html && c == '&') {
            out += "&amp;";
        } else if (html && c == '<') {
            out += "&lt;";
        } else if (html && c == '>') {
            out += "&gt;";
        } else if (html && c == '"') {
            out += "&quot;";
        } else {
            out += c;
        }
    }
}

bool IsMarkupCharacter(char c) {
    return c == '\\' || c == '*' || c == '[' || c == ']' || c == '(' || c == ')' || c == '#' || c == '-';
}

// **bold**, [label](#N) and \x within one block.
std::string Inline(std::string_view text, bool html) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest.size() > 1 && rest[0] == '\\' && IsMarkupCharacter(rest[1])) {
            AppendText(out, rest.substr(1, 1), html);
            i += 2;
            continue;
        }
        if (rest.starts_with("**")) {
            const std::size_t close = rest.find("**", 2);
            if (close != std::string_view::npos && close > 2) {
                const std::string inner = Inline(rest.substr(2, close - 2), html);
                out += html ? "<b>" + inner + "</b>" : inner;
                i += close + 2;
                continue;
            }
        }
        if (rest[0] == '[') {
            const std::size_t labelEnd = rest.find(']');
            const std::size_t targetEnd = rest.find(')', labelEnd);
            if (labelEnd != std::string_view::npos && labelEnd + 1 < rest.size() && rest[labelEnd + 1] == '(' &&
                targetEnd != std::string_view::npos) {
                const std::string label = Inline(rest.substr(1, labelEnd - 1), html);
                const std::string_view target = rest.substr(labelEnd + 2, targetEnd - labelEnd - 2);
                const auto topic = target.starts_with('#') ? ParseTopicNumber(target.substr(1)) : std::nullopt;
                // Only links between topics lead anywhere; any other shows its words.
                if (html && topic) {
                    out += "<a href=\"" + std::string(TopicScheme) + std::to_string(*topic) + "\">" + label + "</a>";
                } else {
                    out += label;
                }
                i += targetEnd + 1;
                continue;
            }
        }
        AppendText(out, rest.substr(0, 1), html);
        ++i;
    }
    return out;
}

enum class BlockKind { Paragraph, Heading, Bullet, Numbered };

struct Block {
    BlockKind kind;
    std::string text;  // with markup, the lines of the block joined by spaces
    int number = 0;    // of a numbered item
};

// "- item", "* item" or "12. item": the item's kind, number and text.
std::optional<Block> ListItem(std::string_view line) {
    line = TrimLeft(line);
    if (line.size() > 2 && (line[0] == '-' || line[0] == '*') && IsBlank(line[1]))
        return Block{BlockKind::Bullet, std::string(TrimLeft(line.substr(2)))};
    const std::size_t dot = line.find('.');
    if (dot == std::string_view::npos || dot + 2 >= line.size() || !IsBlank(line[dot + 1])) return std::nullopt;
    const auto number = ParseTopicNumber(line.substr(0, dot));  // written as a topic number is
    if (!number) return std::nullopt;
    return Block{BlockKind::Numbered, std::string(TrimLeft(line.substr(dot + 2))), *number};
}

std::vector<Block> Blocks(std::string_view body) {
    std::vector<Block> blocks;
    bool open = false;  // the last block takes the next line of text
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        const std::string_view line = body.substr(0, end);
        body.remove_prefix(end == std::string_view::npos ? body.size() : end + 1);

        const std::string_view text = TrimLeft(line);
        if (text.empty()) {
            open = false;
        } else if (line.starts_with("##")) {
            std::string_view heading = line;
            while (heading.starts_with('#')) heading.remove_prefix(1);
            blocks.push_back({BlockKind::Heading, std::string(TrimLeft(heading))});
            open = false;
        } else if (auto item = ListItem(line)) {
            blocks.push_back(std::move(*item));
            open = true;
        } else if (open && (blocks.back().kind == BlockKind::Paragraph || IsBlank(line.front()))) {
            blocks.back().text += ' ';
            blocks.back().text += text;
        } else {
            blocks.push_back({BlockKind::Paragraph, std::string(text)});
            open = true;
        }
    }
    return blocks;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    AppendText(out, text, true);
    return out;
}

std::string TopicHtml(const HelpTopic& topic) {
    std::string html = "<h2>" + EscapeHtml(topic.title) + "</h2>\n";
    std::string_view openList;  // "ul" or "ol" while the last block was an item
    const auto closeList = [&] {
        if (!openList.empty()) html += "</" + std::string(openList) + ">\n";
        openList = {};
    };
    for (const Block& block : Blocks(topic.body)) {
        const std::string text = Inline(block.text, true);
        switch (block.kind) {
            case BlockKind::Paragraph:
                closeList();
                html += "<p>" + text + "</p>\n";
                break;
            case BlockKind::Heading:
                closeList();
                html += "<h3>" + text + "</h3>\n";
                break;
            case BlockKind::Bullet:
            case BlockKind::Numbered: {
                const std::string_view list = block.kind == BlockKind::Bullet ? "ul" : "ol";
                if (openList != list) {
                    closeList();
                    openList = list;
                    html += block.kind == BlockKind::Bullet ? std::string("<ul>")
                                                            : "<ol start=\"" + std::to_string(block.number) + "\">";
                    html += '\n';
                }
                html += "<li>" + text + "</li>\n";
                break;
            }
        }
    }
    closeList();
    return html;
}

std::string TopicPlainText(const HelpTopic& topic) {
    std::string text;
    AppendText(text, topic.title, false);
    for (const Block& block : Blocks(topic.body)) text += '\n' + Inline(block.text, false);
    return text;
}

std::optional<int> LinkedTopic(std::string_view href) {
    if (!href.starts_with(TopicScheme)) return std::nullopt;
    return ParseTopicNumber(href.substr(TopicScheme.size()));
}

}  // namespace platform::help
