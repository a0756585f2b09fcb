// A transfer file of any bytes, as the import reads it: its items are found,
// a recipe read from it is exported again as the same recipe, and the name
// an export proposes for any title stays inside the chosen folder.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "recipe_search/transfer/transfer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::AsText(data, size);
    static_cast<void>(recipe_search::TransferItems(bytes));
    if (const auto recipe = recipe_search::DecodeTransferFile(bytes)) {
        const auto encoded = recipe_search::EncodeTransferFile(*recipe);
        fuzz::Expect(recipe_search::TransferItems(encoded).size() == recipe_search::TransferItemCount,
                     "an exported file has every item");
        fuzz::Expect(recipe_search::DecodeTransferFile(encoded) == recipe, "a recipe exported again reads the same");
    }

    const auto name = recipe_search::DefaultTransferFileName(bytes.substr(0, 64));
    fuzz::Expect(name.size() >= 4 && name.substr(name.size() - 4) == ".rc1", "an export's name ends in .rc1");
    fuzz::Expect(name.size() <= 12, "an export's name has up to 8 characters before .rc1");
    for (const unsigned char c : name)
        fuzz::Expect(c >= 32 && c != '/' && c != '\\' && c != ':', "a name names a file");
    return 0;
}
