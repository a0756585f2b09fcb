// An item master list "LISTNAME.Fil" of any bytes, and an item typed into
// the item box, apart by the file separator. Loading takes what it can; the
// list written back loads the same; the typed item is held after a check,
// and a delete removes exactly one item.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "platform/basic/text.h"
#include "shopping/store/item_master_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, 2);
    parts.resize(2);
    const std::string typed(parts[1].substr(0, 60));
    const fuzz::ScratchFolder folder;
    folder.Write(shopping::ItemMasterFileName, parts[0]);
    const auto program = folder.programFolder();

    auto loaded = shopping::LoadMasterItems(program);
    fuzz::Expect(loaded.result == basic::FileRead::Read, "a master list of any bytes is read");
    auto& list = loaded.list;
    fuzz::Expect(list.Count() <= shopping::MasterListCapacity, "at most 9000 items are kept");
    for (const auto& item : list.Items())
        fuzz::Expect(item == basic::Trim(item) && item.find('"') == std::string::npos,
                     "an item read is trimmed and holds no quote");

    fuzz::Expect(shopping::WriteMasterItems(program, list), "the master list is written");
    fuzz::Expect(shopping::LoadMasterItems(program).list.Items() == list.Items(), "written, it loads the same");

    const int before = list.Count();
    const auto checked = list.CheckMasterItem(typed);
    if (checked == shopping::MasterCheck::Added)
        fuzz::Expect(list.Count() == before + 1 || (before == 1 && list.Count() == 1), "an added item is one more");
    else
        fuzz::Expect(list.Count() == before, "an item found or refused adds nothing");
    if (checked != shopping::MasterCheck::Full)
        fuzz::Expect(list.Holds(typed), "after the check the item is held");
    fuzz::Expect(shopping::WriteMasterItems(program, list), "the master list is written again");
    fuzz::Expect(shopping::DecodeItemMasterList(folder.Read(shopping::ItemMasterFileName)).size() == list.Items().size(),
                 "every item is written");

    const int count = list.Count();
    if (list.DeleteMasterItem(typed))
        fuzz::Expect(list.Count() == count - 1 || (count == 1 && list.Count() == 1 && list.Items()[0].empty()),
                     "a delete removes one item");
    else
        fuzz::Expect(list.Count() == count, "a delete that finds nothing removes nothing");
    return 0;
}
