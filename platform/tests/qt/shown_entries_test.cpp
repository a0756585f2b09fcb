// A list widget's rows brought to the model's entries with as few row
// changes as the entries allow.
#include "platform/qt/views/shown_entries.h"

#include <gtest/gtest.h>

namespace platform::qt::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(ShownEntries, OnlyTheRowsThatDifferChange) {
    struct Case {
        Entries before;
        Entries after;
        int removed;
        int inserted;
    };
    const Case cases[] = {
        {{}, {"a", "b"}, 0, 2},
        {{"a", "b"}, {"a", "b", "c"}, 0, 1},  // added at the end
        {{"a", "c"}, {"a", "b", "c"}, 0, 1},  // a sorted entry in the middle
        {{"b", "c"}, {"a", "b", "c"}, 0, 1},
        {{"a", "b", "c"}, {"a", "c"}, 1, 0},
        {{"a", "a", "a"}, {"a", "a"}, 1, 0},  // equal entries
        {{"a", "b"}, {"a", "b"}, 0, 0},
        {{"a", "b"}, {"b", "a"}, 2, 2},
        {{"a", "b", "c"}, {}, 3, 0},
        {{"x", "a", "y"}, {"x", "b", "c", "y"}, 1, 2},
    };
    for (const Case& c : cases) {
        ShownEntries shown;
        Entries rows;
        auto remove = [&](int at) { rows.erase(rows.begin() + at); };
        auto insert = [&](int at, const std::string& entry) { rows.insert(rows.begin() + at, entry); };
        shown.update(c.before, remove, insert);
        ASSERT_EQ(rows, c.before);
        int removed = 0;
        int inserted = 0;
        shown.update(
            c.after,
            [&](int at) {
                ++removed;
                remove(at);
            },
            [&](int at, const std::string& entry) {
                ++inserted;
                insert(at, entry);
            });
        EXPECT_EQ(rows, c.after) << c.before.size() << " to " << c.after.size();
        EXPECT_EQ(removed, c.removed) << c.before.size() << " to " << c.after.size();
        EXPECT_EQ(inserted, c.inserted) << c.before.size() << " to " << c.after.size();
    }
}

}  // namespace
}  // namespace platform::qt::testing
