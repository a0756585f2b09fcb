#include "platform/help_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "platform/help_markup.h"
#include "platform/testing/test_folder.h"

namespace platform::help {
namespace {

namespace fs = std::filesystem;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

struct ExpectedTopic {
    int number;
    std::string title;
    std::string body;
};

void ExpectTopics(const HelpFile& file, const std::vector<ExpectedTopic>& expected, const std::string& label) {
    ASSERT_EQ(file.topics().size(), expected.size()) << label;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const HelpTopic& topic = file.topics()[i];
        EXPECT_EQ(topic.number, expected[i].number) << label << ", topic " << i;
        EXPECT_EQ(topic.title, expected[i].title) << label << ", topic " << i;
        EXPECT_EQ(topic.body, expected[i].body) << label << ", topic " << i;
        EXPECT_EQ(file.find(topic.number), &topic) << label << ", topic " << i;
    }
}

TEST(HelpFileTest, ReadsTopicsFromAnyText) {
    struct Case {
        const char* label;
        std::string text;
        std::vector<ExpectedTopic> topics;
    };
    const std::string longTitle = std::string(MaxTitleBytes - 1, 'a') + "\xC3\xA9" + "tail";  // é straddles the cut
    const Case cases[] = {
        {"empty", "", {}},
        {"no headings", "Just some words\n- and a list\n", {}},
        {"two topics",
         "# 1 Contents\n- [Overview](#1000)\n\n# 1000 Program Overview\nPantrivo is for the kitchen.\n",
         {{1, "Contents", "- [Overview](#1000)"}, {1000, "Program Overview", "Pantrivo is for the kitchen."}}},
        {"text before the first topic is left out", "A note for the writer\n# 5 Five\nbody", {{5, "Five", "body"}}},
        {"Windows line ends and a byte order mark",
         "\xEF\xBB\xBF# 2 Two\r\nline one\r\n\r\nline two\r\n",
         {{2, "Two", "line one\n\nline two"}}},
        {"blank lines around a body are dropped, inner ones kept",
         "# 3 Three\n\n  \nfirst\n\n\nlast\n\t\n\n# 4 Four\n",
         {{3, "Three", "first\n\n\nlast"}, {4, "Four", ""}}},
        {"the first of two topics with one number wins, the second is left out whole",
         "# 7 First\nkept\n# 7 Second\ndropped\n# 8 Next\nafter\n",
         {{7, "First", "kept"}, {8, "Next", "after"}}},
        {"lines that are no heading are text",
         "# 9 Nine\n#\n# \n#nine\n# 12b Not a number\n## 10 Sub heading\n#1234567890 Too long\n# -3 Negative\n",
         {{9, "Nine", "#\n# \n#nine\n# 12b Not a number\n## 10 Sub heading\n#1234567890 Too long\n# -3 Negative"}}},
        {"spacing around the number and a missing title",
         "#11\n#\t12\tTabbed  Title \t\n#   0013   Padded\n",
         {{11, "Topic 11", ""}, {12, "Tabbed  Title", ""}, {13, "Padded", ""}}},
        {"no line end after the last line", "# 14 Last\nno end", {{14, "Last", "no end"}}},
        {"stray bytes stay in the text",
         std::string("# 15 Bin\xFF\xFE\nA\0B\x80\n", 16),
         {{15, "Bin\xFF\xFE", std::string("A\0B\x80", 4)}}},
        {"a long title is cut, never inside a character",
         "# 16 " + longTitle + "\n",
         {{16, std::string(MaxTitleBytes - 1, 'a'), ""}}},
        {"a lone carriage return is no line end", "# 17 A\rB\n", {{17, "A\rB", ""}}},
    };
    for (const Case& c : cases) ExpectTopics(HelpFile::Parse(c.text), c.topics, c.label);
    EXPECT_EQ(HelpFile::Parse("# 1 One\n").find(2), nullptr);
}

TEST(HelpFileTest, TopicNumbersAreOneToNineDigits) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0},           {"0042", 42},          {"999999999", 999999999}, {"1234567890", std::nullopt},
        {"", std::nullopt}, {"12a", std::nullopt}, {"-1", std::nullopt},     {" 1", std::nullopt},
    };
    for (const auto& [digits, number] : cases) EXPECT_EQ(ParseTopicNumber(digits), number) << digits;
}

TEST(HelpFileTest, RandomBytesNeverBreakTheReader) {
    std::mt19937 random(4242);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(1 << 20, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    // Headings in among the noise, one of them twice.
    bytes += "\n# 20 Found\nafter noise\n";
    bytes.insert(1000, "\n# 20 Earlier\n");
    const HelpFile file = HelpFile::Parse(bytes);
    ASSERT_NE(file.find(20), nullptr);
    EXPECT_EQ(file.find(20)->title, "Earlier");
    for (const HelpTopic& topic : file.topics()) EXPECT_FALSE(TopicHtml(topic).empty());
}

TEST(HelpFileTest, ReadingTellsAMissingFileFromOneThatCannotBeRead) {
    TestFolder folder;
    EXPECT_EQ(ReadHelpFile(folder / "Pantrivo.hlp").status, ReadStatus::Missing);
    EXPECT_EQ(ReadHelpFile(folder.path()).status, ReadStatus::Unreadable);

    WriteBytes(folder / "Pantrivo.hlp", "# 1 Contents\nWelcome\n");
    const HelpFileReading read = ReadHelpFile(folder / "Pantrivo.hlp");
    EXPECT_EQ(read.status, ReadStatus::Read);
    ExpectTopics(read.file, {{1, "Contents", "Welcome"}}, "read");

    if (::geteuid() != 0) {  // root reads anything
        fs::permissions(folder / "Pantrivo.hlp", fs::perms::none);
        EXPECT_EQ(ReadHelpFile(folder / "Pantrivo.hlp").status, ReadStatus::Unreadable);
    }
}

TEST(HelpFileTest, OnlyTheStartOfAnOversizedFileIsRead) {
    TestFolder folder;
    const std::string heading = "# 1 Start\n";
    std::string bytes = heading;
    bytes.resize(MaxHelpFileBytes - 1, '.');
    bytes += "\n# 2 Beyond the limit\n";
    WriteBytes(folder / "big.hlp", bytes);
    const HelpFileReading read = ReadHelpFile(folder / "big.hlp");
    EXPECT_EQ(read.status, ReadStatus::Read);
    ASSERT_EQ(read.file.topics().size(), 1u);
    EXPECT_EQ(read.file.topics()[0].title, "Start");
    EXPECT_EQ(read.file.topics()[0].body.size(), MaxHelpFileBytes - 1 - heading.size());
}

TEST(HelpMarkupTest, TopicTextBecomesSimpleHtml) {
    struct Case {
        const char* body;
        const char* html;  // after the title
    };
    const Case cases[] = {
        {"", ""},
        {"One line\nruns on.\n\nNew paragraph.", "<p>One line runs on.</p>\n<p>New paragraph.</p>\n"},
        {"Intro\n- first\n* second\n  goes on\nAfter",
         "<p>Intro</p>\n<ul>\n<li>first</li>\n<li>second goes on</li>\n</ul>\n<p>After</p>\n"},
        {"3. Third\n\n4. Fourth\n- dot",
         "<ol start=\"3\">\n<li>Third</li>\n<li>Fourth</li>\n</ol>\n<ul>\n<li>dot</li>\n</ul>\n"},
        {"## Keys\nF1 **opens** help.", "<h3>Keys</h3>\n<p>F1 <b>opens</b> help.</p>\n"},
        {"See [Recipe File](#3030).", "<p>See <a href=\"topic:3030\">Recipe File</a>.</p>\n"},
        {"[**Bold** link](#1)", "<p><a href=\"topic:1\"><b>Bold</b> link</a></p>\n"},
        {"[Site](https://x.example) and [bad](#12a)", "<p>Site and bad</p>\n"},
        {"[no link] (#2), [open](#3 and **open", "<p>[no link] (#2), [open](#3 and **open</p>\n"},
        {"\\*not bold\\* and \\[x\\](#1)", "<p>*not bold* and [x](#1)</p>\n"},
        {"1/2 < 3/4 & \"cups\" > 0", "<p>1/2 &lt; 3/4 &amp; &quot;cups&quot; &gt; 0</p>\n"},
        {"<b>not markup</b>", "<p>&lt;b&gt;not markup&lt;/b&gt;</p>\n"},
        {"tab\there, bell\a gone\x7F", "<p>tab here, bell gone</p>\n"},
        {"-not an item\n12.not either", "<p>-not an item 12.not either</p>\n"},
    };
    for (const Case& c : cases) {
        const HelpTopic topic{1, "T<&>", c.body};
        EXPECT_EQ(TopicHtml(topic), std::string("<h2>T&lt;&amp;&gt;</h2>\n") + c.html) << c.body;
    }
}

TEST(HelpMarkupTest, PlainTextAndLinksForFindingAndFollowing) {
    const HelpTopic topic{3030, "Recipe File", "Pick a **recipe type**,\nthen [a recipe](#3031).\n\n- item <one>"};
    EXPECT_EQ(TopicPlainText(topic), "Recipe File\nPick a recipe type, then a recipe.\nitem <one>");

    EXPECT_EQ(LinkedTopic("topic:3030"), 3030);
    EXPECT_EQ(LinkedTopic("topic:0"), 0);
    for (const char* href : {"", "topic:", "topic:12a", "topic:-1", "topic:1234567890", "http://x", "#3030"})
        EXPECT_EQ(LinkedTopic(href), std::nullopt) << href;
}

}  // namespace
}  // namespace platform::help
