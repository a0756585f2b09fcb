// A list file and the item master list saved in a child process killed at
// each durable step: after every kill the file holds the old list or the new
// one, and nothing but a temporary file named as ours is left beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/basic/atomic_write.h"
#include "platform/testing/kill_points.h"
#include "platform/testing/test_folder.h"
#include "shopping/store/item_master_list.h"
#include "shopping/store/list_file.h"

namespace shopping {
namespace {

using basic::testing::ReadBytes;
using basic::testing::RunUntilKilled;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

struct SaveCase {
    const char* name;
    std::string file;
    std::string newBytes;
    std::function<void(const basic::ProgramFolder&)> save;
};

TEST(ShoppingCrashTest, SavesLeaveTheOldFileOrTheNewAtEveryStopPoint) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk", "2 Gallon(s)"), ListEdit::Done);
    ASSERT_EQ(list.AppendItem("Bread"), ListEdit::Done);
    const ItemMasterList items(std::vector<std::string>{"Bread", "Eggs", "Milk"});
    const SaveCase cases[] = {
        {"list file", "08Dec04.Lst", EncodeListFile(list),
         [&](const basic::ProgramFolder& f) { EXPECT_TRUE(SaveListFile(f.Resolve("08Dec04.Lst"), list)); }},
        {"item master list", std::string(ItemMasterFileName), EncodeItemMasterList(items),
         [&](const basic::ProgramFolder& f) { EXPECT_TRUE(WriteMasterItems(f, items)); }},
    };
    for (const SaveCase& c : cases) {
        for (const bool replacing : {false, true}) {
            TestFolder dir;
            const basic::ProgramFolder folder(dir.path());
            const auto target = dir / c.file;
            int stops = 0;
            for (int stopAt = 1; stopAt < 50 && stops == 0; ++stopAt) {
                for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                    std::filesystem::remove(entry.path());
                if (replacing) WriteBytes(target, "\"old\"\r\n");
                const bool finished = RunUntilKilled([&] { c.save(folder); }, stopAt);
                const std::string now = ReadBytes(target);
                EXPECT_TRUE(now == c.newBytes || now == (replacing ? "\"old\"\r\n" : ""))
                    << c.name << " after step " << stopAt;
                for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
                    if (entry.path() == target) continue;
                    EXPECT_TRUE(entry.path().filename().string().starts_with(basic::TemporaryNamePrefix(target)))
                        << c.name << ": " << entry.path().filename() << " after step " << stopAt;
                }
                if (finished) stops = stopAt - 1;
            }
            EXPECT_GT(stops, 0) << c.name;
        }
    }
}

}  // namespace
}  // namespace shopping
