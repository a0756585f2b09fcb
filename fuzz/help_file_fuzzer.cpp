// A help file of any bytes: it parses into topics, each topic turns into the
// viewer's HTML and plain text, and no text of the file can open a tag.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "platform/help_file.h"
#include "platform/help_markup.h"

namespace help = platform::help;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    const auto file = help::HelpFile::Parse(text);
    for (const auto& topic : file.topics()) {
        fuzz::Expect(file.find(topic.number) != nullptr, "every topic is found by its number");
        fuzz::Expect(topic.title.size() <= help::MaxTitleBytes, "a title is cut");
        static_cast<void>(help::TopicHtml(topic));
        static_cast<void>(help::TopicPlainText(topic));
    }
    const auto escaped = help::EscapeHtml(text);
    fuzz::Expect(escaped.find_first_of("<>") == std::string::npos, "escaped text opens no tag");
    static_cast<void>(help::ParseTopicNumber(text));
    static_cast<void>(help::LinkedTopic(text));

    // The body as a topic of its own, without a heading line to stand on.
    const help::HelpTopic whole{1, std::string(text.substr(0, 64)), std::string(text)};
    static_cast<void>(help::TopicHtml(whole));
    static_cast<void>(help::TopicPlainText(whole));
    return 0;
}
