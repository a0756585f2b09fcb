// The help file as the build places it beside the program: whole, its links
// sound, and true to the start window's captions.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "platform/help_file.h"
#include "platform/help_markup.h"
#include "program_fixture.h"

namespace shell::testing {
namespace {

using platform::help::HelpFile;
using platform::help::HelpTopic;

HelpFile ReadShippedHelp() {
    const auto reading = platform::help::ReadHelpFile(PANTRIVO_HELP_FILE);
    EXPECT_EQ(reading.status, platform::help::ReadStatus::Read) << PANTRIVO_HELP_FILE;
    return reading.file;
}

std::set<int> LinksOf(const HelpTopic& topic) {
    std::set<int> links;
    const std::string html = platform::help::TopicHtml(topic);
    const std::regex link("href=\"([^\"]*)\"");
    for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
        const auto target = platform::help::LinkedTopic((*it)[1].str());
        EXPECT_TRUE(target.has_value()) << topic.number << " links to " << (*it)[1];
        if (target) links.insert(*target);
    }
    return links;
}

std::string WithoutAccessKey(std::string caption) {
    std::erase(caption, '&');
    return caption;
}

TEST(HelpTextTest, TheTopicsWindowsOpenAreThereAndEveryOneIsInTheContents) {
    const HelpFile help = ReadShippedHelp();
    ASSERT_NE(help.find(1), nullptr);
    EXPECT_EQ(help.find(1)->title, "Contents");
    ASSERT_FALSE(help.topics().empty());
    EXPECT_EQ(help.topics().front().number, 1) << "the contents open first";

    const std::set<int> listed = LinksOf(*help.find(1));
    std::set<std::string> titles;
    for (const HelpTopic& topic : help.topics()) {
        EXPECT_FALSE(topic.body.empty()) << topic.number;
        EXPECT_TRUE(titles.insert(topic.title).second) << "two topics titled " << topic.title;
        if (topic.number != 1) {
            EXPECT_TRUE(listed.contains(topic.number)) << topic.number << " is not in the contents";
        }
        for (int target : LinksOf(topic))
            EXPECT_NE(help.find(target), nullptr) << topic.number << " links to " << target;
    }
}

class StartWindowHelpTest : public ProgramTest {};

TEST_F(StartWindowHelpTest, EveryTopicTheShellClaimsIsThereUnderItsTitle) {
    const HelpFile help = ReadShippedHelp();
    ASSERT_FALSE(app().helpTopics.all().empty());
    for (const auto& [number, title] : app().helpTopics.all()) {
        ASSERT_NE(help.find(number), nullptr) << number;
        EXPECT_EQ(help.find(number)->title, title);
    }
}

TEST(HelpTextTest, NoTopicNumberIsUsedTwice) {
    const std::string text = basic::testing::ReadBytes(PANTRIVO_HELP_FILE);
    const std::regex heading("(^|\n)#[ \t]*[0-9]+");
    const auto headings =
        std::distance(std::sregex_iterator(text.begin(), text.end(), heading), std::sregex_iterator());
    EXPECT_EQ(static_cast<std::size_t>(headings), ReadShippedHelp().topics().size());
}

// Every caption of a menu and the items below it.
void CollectCaptions(const ui::Menu& menu, std::vector<std::string>& captions) {
    if (menu.isSeparator()) return;
    captions.push_back(WithoutAccessKey(menu.Caption()));
    for (const auto& item : menu.items()) CollectCaptions(*item, captions);
}

TEST_F(StartWindowHelpTest, TheStartWindowTopicNamesEveryButtonAndMenuItemAsItReads) {
    const HelpFile help = ReadShippedHelp();
    ASSERT_NE(help.find(1010), nullptr);
    const std::string html = platform::help::TopicHtml(*help.find(1010));
    Startfrm& w = startProgram();
    std::vector<std::string> captions;
    for (const ui::Control* button : w.SSCommand1) captions.push_back(WithoutAccessKey(button->Caption()));
    for (const auto& menu : w.menus()) CollectCaptions(*menu, captions);
    ASSERT_GT(captions.size(), 20u);
    for (const std::string& caption : captions)
        EXPECT_NE(html.find("<b>" + platform::help::EscapeHtml(caption) + "</b>"), std::string::npos) << caption;
}

}  // namespace
}  // namespace shell::testing
