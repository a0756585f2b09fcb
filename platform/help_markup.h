#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/help_file.h"

// A help topic's markup, as the viewer shows and searches it:
//   a blank line ends a paragraph; the lines of one paragraph run together;
//   "- " or "* " starts a list item, "1. " a numbered one, and an indented
//   line goes on with the item above it; "## Title" is a heading;
//   **bold**, [Recipe File](#3030) links to topic 3030, and a backslash
//   keeps the next character as it is ("\*").
// Anything else is text as written.
namespace platform::help {

// The topic as simple HTML (its title as a heading, then its text); links to
// other topics are "topic:N".
std::string TopicHtml(const HelpTopic& topic);

// The topic's title and its text without the markup, one block a line.
std::string TopicPlainText(const HelpTopic& topic);

// The topic a link of TopicHtml leads to.
std::optional<int> LinkedTopic(std::string_view href);

// Text made safe to stand in HTML.
std::string EscapeHtml(std::string_view text);

}  // namespace platform::help
