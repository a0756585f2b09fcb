// Writes the fuzz targets' seed corpus: a few small files of each format,
// made by the same code that writes the real files, sound ones and damaged ones.
// Usage: pantrivo_fuzz_seeds <folder>; each target's seeds go to <folder>/<target>/.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "backup/store/disk_info.h"
#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_defaults.h"
#include "food_storage/store/storage_files.h"
#include "fuzz/scratch_folder.h"
#include "menu_planner/store/meal_item_list.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/records.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/store/index_file.h"
#include "recipes/store/old_cookbook_format.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/record_journal.h"
#include "shopping/store/item_master_list.h"
#include "shopping/store/list_file.h"

namespace {

using namespace std::string_literals;

std::filesystem::path root;

void Seed(const char* target, const char* name, std::string_view bytes) {
    const auto folder = root / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file of records of length L: each given record at its place, zero bytes between.
std::string Records(int length, std::initializer_list<std::pair<int, std::string>> records) {
    std::string file;
    for (const auto& [k, bytes] : records) {
        const auto at = static_cast<std::size_t>(k - 1) * static_cast<std::size_t>(length);
        if (file.size() < at + static_cast<std::size_t>(length))
            file.resize(at + static_cast<std::size_t>(length), '\0');
        file.replace(at, bytes.size(), bytes);
    }
    return file;
}

std::string Joined(std::initializer_list<std::string> files) {
    std::string joined;
    for (const auto& file : files) {
        if (!joined.empty() || &file != files.begin()) joined += fuzz::FileSeparator;
        joined += file;
    }
    return joined;
}

recipes::RecipeRecord AppleCrisp() {
    recipes::RecipeRecord record;
    record.amounts[0] = "4";
    record.units[0] = "Cups";
    record.ingredients[0] = "sliced apples";
    record.amounts[1] = ".75";
    record.units[1] = "Cup";
    record.ingredients[1] = "rolled oats";
    record.directions = "Heat the oven.\r\nBake until golden, about 40 minutes.";
    record.ovenTemperature = "350";
    record.cookingTime = "45 min";
    record.yield = "6";
    record.yieldUnit = "Serving(s)";
    record.marker = recipes::InUseMarker;
    return record;
}

std::string Entry(std::string_view name, long n) {
    return *recipes::index_file::RecordOf(recipes::MakeIndexEntry(name, n));
}

// An index record whose length runs past its 60 bytes.
const std::string DamagedEntry = "\xff\x7f" + std::string(58, 'x');

void RecipeRecords() {
    const auto apple = recipes::EncodeRecipeRecord(AppleCrisp());
    Seed("recipe_record_fuzzer", "in_use", apple);
    Seed("recipe_record_fuzzer", "deleted", recipes::EncodeRecipeRecord(recipes::DeletedRecipeRecord()));
    Seed("recipe_record_fuzzer", "cut_short", apple.substr(0, 1200));
    std::string zeros = apple;
    zeros.replace(100, 1000, 1000, '\0');
    Seed("recipe_record_fuzzer", "zero_directions", zeros);
}

void IndexEntries() {
    const auto entry = recipes::MakeIndexEntry("Apple Crisp", 7);
    Seed("index_entry_fuzzer", "entries",
         entry + "\n" + recipes::MakeIndexEntry("A name of exactly forty-one characters ab", 30000) + "\n" +
             std::string(52, ' ') + "-3\n" + std::string(52, ' ') + "30001\n" + "\x05\x00Short"s + "\n");
    const auto indexFile = Entry("Apple Crisp", 7) + Entry("Banana Bread", 2) + DamagedEntry + Entry("", 1) +
                           Entry("Corn Chowder", 3).substr(0, 30);
    Seed("index_file_fuzzer", "entries", indexFile);
    Seed("index_file_fuzzer", "empty_entry", Entry("", 0));
}

void Cookbooks() {
    const auto apple = recipes::EncodeRecipeRecord(AppleCrisp());
    const auto deleted = recipes::EncodeRecipeRecord(recipes::DeletedRecipeRecord());
    const auto data = Records(recipes::RecipeRecordLength, {{1, apple}, {2, deleted}, {3, apple}});
    const auto index = Entry("Apple Crisp", 1) + Entry("Apple Crisp", 3) + DamagedEntry + Entry("Far Away", 29999);
    const auto other = Entry("", 1) + Entry("Banana Bread", 3);
    // Control bytes: cookbook, the two types, the record, the changes to make.
    Seed("cookbook_fuzzer", "save", "\x00\x01\x00\x01"s + Joined({data, index, other, "", "Peach Cobbler"}));
    Seed("cookbook_fuzzer", "delete_rename", "\x02\x18\x02\x06"s + Joined({data, index, other, "", "Pear Tart"}));
    Seed("cookbook_fuzzer", "everything",
         "\x07\x2e\x03\x0f"s + Joined({data.substr(0, 5000), index, other, apple, ""}));
    Seed("cookbook_fuzzer", "other_spelling", "\x00\x01\x01\x0d"s + Joined({"", index, "", data, "Plum Cake"}));
    // A save a kill interrupted after the record, before the entry: opening puts the record back.
    const auto interrupted =
        recipes::EncodeRecordJournal({recipes::RecordJournal::Change::SaveNew, 1, 2, deleted, apple});
    Seed("cookbook_fuzzer", "interrupted_save",
         "\x00\x01\x01\x01"s + Joined({Records(recipes::RecipeRecordLength, {{1, apple}, {2, apple}, {3, apple}}),
                                       index, other, "", "Peach Cobbler", interrupted}));
}

// Cookbooks to search. Control bytes: the mode and the threads, then the
// types of the three index files; then the ingredient words and the phrase.
void Searches() {
    const auto apple = recipes::EncodeRecipeRecord(AppleCrisp());
    recipes::RecipeRecord soup;
    soup.ingredients[0] = "Corn";
    soup.ingredients[4] = "BUTTERMILK";
    soup.marker = recipes::InUseMarker;
    const auto data = Records(recipes::RecipeRecordLength,
                              {{1, apple}, {2, recipes::EncodeRecipeRecord(soup)}, {3, apple}, {5, apple}});
    const auto desserts = Entry("Apple Crisp", 1) + Entry("  Apple Crisp", 3) + Entry("apple crisp", 5) + DamagedEntry;
    const auto soups = Entry("Corn Chowder", 2) + Entry("Lost", 29999) + Entry("", 0);
    const auto both = Entry("Apple Crisp", 3) + Entry("Corn Chowder", 2);
    Seed("search_fuzzer", "first_word", "\x00\x08\x12"s + Joined({data, desserts, soups, both, "apples", "APPLE"}));
    Seed("search_fuzzer", "all_words", "\x04\x08\x12"s + Joined({data, desserts, soups, both, " apples|oats", " C"}));
    Seed("search_fuzzer", "any_word",
         "\x14\x08\x12"s + Joined({data, desserts, soups, both, "corn |buttermilk|oats", "CRISP "}));
    Seed("search_fuzzer", "cut_short",
         "\x0b\x08\x12"s + Joined({data.substr(0, 3000), desserts, soups.substr(0, 90), both, "sliced", " "}));
}

// Journals as the store writes them, beside a cookbook whose index files say
// whether each change took effect. Control bytes: the cookbook and whether
// the journal's bytes are taken as they are, the change, the types, the record.
void RecordJournals() {
    using Change = recipes::RecordJournal::Change;
    const auto apple = recipes::EncodeRecipeRecord(AppleCrisp());
    const auto deleted = recipes::EncodeRecipeRecord(recipes::DeletedRecipeRecord());
    const auto data = Records(recipes::RecipeRecordLength, {{1, apple}, {2, apple}, {3, deleted}});
    // Types 1 and 2: the first names records 1 and 2, the second record 1.
    const auto index = Entry("Apple Crisp", 1) + Entry("Apple Crisp", 2) + DamagedEntry;
    const auto other = Entry("Banana Bread", 1);
    auto journal = [&](Change change, int type, long record, const std::string& before, const std::string& after) {
        return recipes::EncodeRecordJournal({change, type, record, before, after});
    };
    const char* raw = "\x01\x00\x16\x00";  // types 1 and 2
    // clang-format off
    const std::pair<const char*, std::string> journals[] = {
        {"save_listed",     journal(Change::SaveNew, 1, 2, deleted, apple)},
        {"save_unlisted",   journal(Change::SaveNew, 1, 3, deleted, apple)},
        {"save_no_type",    journal(Change::SaveNew, 0, 3, deleted, apple)},
        {"delete_unnamed",  journal(Change::Delete, 1, 3, apple, deleted)},
        {"delete_named",    journal(Change::Delete, 1, 1, apple, deleted)},
        {"write_in_place",  journal(Change::WriteInPlace, 0, 2, deleted, apple)},
        {"past_the_end",    journal(Change::SaveNew, 2, 9, "", apple)},
        {"no_record",       journal(Change::Delete, 1, 0, apple, deleted)},
    };
    // clang-format on
    for (const auto& [name, bytes] : journals)
        Seed("record_journal_fuzzer", name, raw + Joined({data, index, other, bytes}));
    const auto whole = journals[0].second;
    Seed("record_journal_fuzzer", "cut_short", raw + Joined({data, index, other, whole.substr(0, whole.size() / 2)}));
    std::string damaged = whole;
    damaged[100] ^= 1;
    Seed("record_journal_fuzzer", "wrong_sum", raw + Joined({data, index, other, damaged}));
    Seed("record_journal_fuzzer", "longer", raw + Joined({data, index, other, whole + "x"}));
    // Made whole from the control bytes: a delete (2) of record 3 of type 1, and a save (1) of record 2.
    Seed("record_journal_fuzzer", "made_delete", "\x00\x02\x16\x03"s + Joined({data, index, other, apple, deleted}));
    Seed("record_journal_fuzzer", "made_save", "\x02\x01\x16\x02"s + Joined({data, index, other, deleted, apple}));
}

void OldFormat() {
    // An old record: current fields cut to the older widths, the marker "Full".
    std::string old(recipes::OldRecipeRecordLength, ' ');
    old.replace(0, 3, "1.5");
    old.replace(70, 20, "Stir well. Bake. `Hot`");
    old.replace(870, 3, "350");
    old.replace(874, 4, "Cups");
    old.replace(1014, 5, "flour");
    old.replace(1504, 1, "4");
    old.replace(1529, 10, "Serving(s)");
    old.replace(1540, 4, "Full");
    const std::string free(recipes::OldRecipeRecordLength, '\0');
    const auto file = Records(recipes::OldRecipeRecordLength, {{1, old}, {2, free}, {3, old}});
    Seed("old_format_fuzzer", "old", file);
    Seed("old_format_fuzzer", "old_with_leftover", Joined({file, std::string(100, 'x')}));
    Seed("old_format_fuzzer", "current",
         Records(recipes::RecipeRecordLength, {{1, recipes::EncodeRecipeRecord(AppleCrisp())}, {2, old}}));
}

void TransferFiles() {
    const auto apple = AppleCrisp();
    recipes::RecipeDraft recipe;
    recipe.type = "Desserts";
    recipe.name = "Apple Crisp";
    recipe.amounts = apple.amounts;
    recipe.units = apple.units;
    recipe.ingredients = apple.ingredients;
    recipe.directions = "Say \"when\".\r\nBake.";
    recipe.ovenTemperature = "350";
    recipe.cookingTime = "45 min";
    recipe.yield = "6";
    recipe.yieldUnit = "Serving(s)";
    Seed("transfer_file_fuzzer", "current.rc1", recipe_search::EncodeTransferFile(recipe));
    std::string old = "\"Soups\"\r\n\"Corn Chowder\"\r\n";
    for (int line = 0; line < recipes::OldIngredientLineCount; ++line) old += "\"1\"\r\n\"Cup\"\r\n\"corn\"\r\n";
    old += "\"Simmer.\r\nServe hot.\"\r\n\"\"\r\n\"30 min\"\r\n\"4\"\r\n\"Bowl(s)\"\r\n";
    Seed("transfer_file_fuzzer", "older.rc1", old);
    Seed("transfer_file_fuzzer", "unclosed.rc1", "\"Soups\"\r\n\"Corn");
}

std::string Text(std::string_view text, int length) { return *basic::EncodeRecordString(text, length); }
std::string Integer(std::int16_t value) { return basic::EncodeInteger16(value); }
std::string Variant(const basic::Variant& value, int length) { return *basic::EncodeVariantRecord(value, length); }

void Settings() {
    Seed("settings_records_fuzzer", "text", Text("Smith", 40) + std::string(33, '\0'));
    Seed("settings_records_fuzzer", "integer", Integer(9) + std::string(18, '\0'));
    Seed("settings_records_fuzzer", "long", Variant(basic::Variant(std::int32_t{3}), 10));
    Seed("settings_records_fuzzer", "variant_text", Variant(basic::Variant("1"), 10));
    Seed("settings_records_fuzzer", "double", Variant(basic::Variant(1.5), 20));
    Seed("settings_records_fuzzer", "overrun", "\x08\x00\x30\x00ab"s);

    const auto gcolor1 = Records(20, {{27, Text("&H00C0FFFF&", 20)}, {28, Text("16777215", 20)}});
    const auto gcolor2 = Records(20, {{9, Text("12632256", 20)},
                                      {25,
                                       "\xff\xff"
                                       "abc"}});
    const auto gcolor3 = Records(20, {{35, Text("9", 20)}, {38, Text("1", 20)}});
    const auto gcolor4 = Records(40, {{1, Text("2", 40)}, {3, Text("Holiday\tBaking\x01", 40)}, {11, Text("1", 40)}});
    const auto hinv3 = Records(10, {{3, Variant(basic::Variant(std::int32_t{4}), 10)}});
    const auto hinvname = Records(40, {{1, Text("The Smith Family", 40)}});
    const auto swr2 = Records(20, {{10, Integer(1)}, {11, Integer(-1)}, {13, Integer(32767)}});
    Seed("settings_files_fuzzer", "settings", Joined({gcolor1, gcolor2, gcolor3, gcolor4, hinv3, hinvname, swr2}));
    Seed("settings_files_fuzzer", "variant_text",
         Joined({"", "", "", "", Records(10, {{3, Variant(basic::Variant("A.jpg"), 10)}}), "", ""}));
}

// Shopping lists: two control bytes (the view, the row) before the file.
void ShoppingLists() {
    shopping::ShoppingList list;
    static_cast<void>(list.AppendItem("Milk", "2 Gallon(s)"));
    static_cast<void>(list.AppendItem("Bread"));
    static_cast<void>(list.AppendItem("Extra virgin olive oil bottle", "1 Bottle"));
    const auto saved = shopping::EncodeListFile(list);
    Seed("list_file_fuzzer", "saved.Lst", "\x00\x01"s + saved);
    Seed("list_file_fuzzer", "sorted_view.Lst", "\x0b\x03"s + saved);
    Seed("list_file_fuzzer", "odd_items.Lst", "\x01\x02\"  Milk\"\r\n\"2 Gallon(s)\"\r\n\"  Bread\"\r\n"s);
    Seed("list_file_fuzzer", "unquoted.Lst", "\x1f\x00  Milk, 2 Gal\r\n\"Jam\",\"1 \"Jar\"\r\n\"Tea"s);
    Seed("list_file_fuzzer", "date_name", "\x00\x00" "08Dec04.Lst\r\n12/8/04"s);

    shopping::ItemMasterList items(std::vector<std::string>{"Milk", "Bread"});
    static_cast<void>(items.CheckMasterItem(" Eggs "));
    const auto master = shopping::EncodeItemMasterList(items);
    Seed("item_master_list_fuzzer", "items", Joined({master, "milk "}));
    Seed("item_master_list_fuzzer", "new_item", Joined({master, "Jam"}));
    Seed("item_master_list_fuzzer", "emptied", Joined({"\"\"\r\n", "Tea"}));
    Seed("item_master_list_fuzzer", "damaged", Joined({"Milk,Bread\r\n\"Eg\"gs\"\r\n\"Unclosed", "Bread"}));
}

// Menu planner: a year file (two control bytes, the day to save and its box,
// before the file and the entry), and a meal list with a typed entry.
void MenuPlanner() {
    menu_planner::DayMenuRecord day;
    day.entries[0] = "Eggs";
    day.entries[14] = "  Roast beef";
    // Early days only: a file reaching December is 300 kilobytes, which
    // would slow every run.
    const auto year =
        Records(menu_planner::DayRecordLength, {{menu_planner::DayKey(1, 1), menu_planner::EncodeDayRecord(day)},
                                                {menu_planner::DayKey(2, 1), menu_planner::EncodeDayRecord({})}});
    Seed("year_menu_file_fuzzer", "two_days", "\x01\x0e"s + Joined({year, "Pancakes"}));
    Seed("year_menu_file_fuzzer", "cut_short", "\x00\x00"s + Joined({year.substr(0, 7500), "Toast  "}));
    Seed("year_menu_file_fuzzer", "damaged_status",
         "\x30\x02"s + Joined({Records(menu_planner::DayRecordLength,
                                       {{11, std::string(672, 'x') + "FULL"}, {12, std::string(672, '\xff') + "Full"}}),
                               "\"Jam\""}));

    menu_planner::MealItemList meals(std::vector<std::string>{"Banana", "Cherry"});
    static_cast<void>(meals.AddTyped("apple"));
    const auto list = menu_planner::EncodeMealList(meals);
    Seed("meal_item_list_fuzzer", "items", Joined({list, "BANANA"}));
    Seed("meal_item_list_fuzzer", "new_item", Joined({list, "Toast  "}));
    Seed("meal_item_list_fuzzer", "damaged", Joined({"Toast,Jam\r\n\"Eg\"gs\"\r\n\"Unclosed", "\"Jam\""}));
}

// Storage tables: two control bytes (the kind, the row to book on) before the
// file; the number in family alone; default titles and amounts after a kind byte.
void FoodStorage() {
    using namespace food_storage;
    const char* kindBytes[] = {"\x00\x02", "\x01\x03", "\x02\x13"};
    for (const StorageKind kind : {StorageKind::Basic, StorageKind::Emergency, StorageKind::Additional}) {
        StorageTable table;
        RebuildAllRows(kind, table);
        for (int r = 1; r <= StorageRows; ++r) {
            table.Cell(r, TitleColumn) = "Item " + std::to_string(r);
            table.Cell(r, OnHandColumn) = r % 2 == 0 ? "20 lbs" : "";
            table.Cell(r, LastActionDateColumn) = r % 5 == 0 ? "04/12/04" : "";
        }
        PutDefaultAmounts(kind, {"25 lbs", "2 1/2 gals", "12", "1/2 lb.", "3 cans", "4", "5", "6"}, table, "4");
        const int k = static_cast<int>(kind);
        Seed("storage_table_fuzzer", ("kind" + std::to_string(k)).c_str(),
             std::string(kindBytes[k], 2) + EncodeStorageTable(kind, table));
    }
    Seed("storage_table_fuzzer", "damaged", "\x00\x01\"  Wheat\",\"*\"\r\nRice, 2 1/2 lbs\r\n\"unclosed"s);
    Seed("number_in_family_fuzzer", "four", EncodeNumberInFamily("4"));
    Seed("number_in_family_fuzzer", "zero", EncodeNumberInFamily("0"));
    Seed("number_in_family_fuzzer", "with_word", "4 people\r\n\"5\""s);
    Seed("storage_defaults_fuzzer", "basic", "\x00"s + Joined({"\"Grains\"\r\n\" Wheat\"\r\n", "\"25 lbs\"\r\n\"8\"\r\n"}));
    Seed("storage_defaults_fuzzer", "emergency", "\x01"s + Joined({"\"Food\"\r\nWater,Rice\r\n", "\"  12 cans\"\r\n"}));
}

// Year restores: the disk's information file and its copy of the year's
// records, as a backup writes them. A sound one-disk year, its copy cut
// short, and the first disk of two.
void YearRestores() {
    const long length = menu_planner::DayRecordLength;
    std::string days;
    for (long k = 1; k <= menu_planner::LastDayKey; ++k) {
        std::string day(static_cast<std::size_t>(menu_planner::DayRecordUsedBytes), static_cast<char>('a' + k % 26));
        day.resize(static_cast<std::size_t>(length), '\0');
        days += day;
    }
    auto info = [](const char* disk, const char* next, const char* firstNotHere) {
        return backup::EncodeDiskInfo({"MPlan", disk, next, firstNotHere, " 2004", backup::FormatMark});
    };
    Seed("year_restore_fuzzer", "one_disk", Joined({info("1", "1", " 432"), days}));
    Seed("year_restore_fuzzer", "cut_short", Joined({info("1", "1", " 432"), days.substr(0, 200 * length + 17)}));
    Seed("year_restore_fuzzer", "first_of_two", Joined({info("1", "2", " 216"), days.substr(0, 215 * length)}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pantrivo_fuzz_seeds <folder>\n");
        return 2;
    }
    root = argv[1];
    RecipeRecords();
    IndexEntries();
    Cookbooks();
    RecordJournals();
    Searches();
    OldFormat();
    TransferFiles();
    Settings();
    ShoppingLists();
    MenuPlanner();
    FoodStorage();
    YearRestores();
    return 0;
}
