// Cookbook 1's data file of any bytes, perhaps in the older format, with
// perhaps a converted file left by an interrupted run: recognising it takes
// any file, and a conversion either keeps the file as it was or turns every
// old recipe into a current record of the same number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/scratch_folder.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/old_cookbook_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), fuzz::FileSeparator, 2);
    const std::string_view old = parts[0];
    const fuzz::ScratchFolder folder;
    const auto dataFile = recipes::RecipeDataFileName(1);
    folder.Write(dataFile, old);
    if (parts.size() > 1) folder.Write(recipes::ConversionFileName, parts[1]);

    const auto converted = recipes::ConvertOldRecord(old);
    fuzz::Expect(recipes::IsInUseMarker(converted.marker), "a converted recipe is in use");
    static_cast<void>(recipes::DetectOldRecipeFile(folder.programFolder(), 2));

    const bool isOld = recipes::DetectOldRecipeFile(folder.programFolder(), 1);
    for (std::size_t at = 0; at < old.size(); at += recipes::OldRecipeRecordLength)
        static_cast<void>(recipes::ConvertOldRecord(old.substr(at, recipes::OldRecipeRecordLength)));
    // A whole conversion walks all 30000 records whatever the file holds; one
    // input in eight is enough to find what it does with the few there are.
    if (size % 8 != 0) return 0;
    long steps = 0;
    const auto result = recipes::ConvertOldRecipeFile(folder.programFolder(), 1, {[&](long) { ++steps; }, {}});
    fuzz::Expect(result != recipes::ConversionResult::Failed, "a conversion in a writable folder succeeds");
    fuzz::Expect((result == recipes::ConversionResult::Converted) == isOld, "an old file and only that is converted");
    if (result == recipes::ConversionResult::NotNeeded) {
        fuzz::Expect(folder.Read(dataFile) == old, "a file not converted is kept as it was");
        return 0;
    }
    fuzz::Expect(steps == recipes::MaxRecipeRecords, "the conversion shows every record");
    fuzz::Expect(!recipes::DetectOldRecipeFile(folder.programFolder(), 1), "a converted file is current");
    const recipes::CookbookReader reader(folder.programFolder(), 1);
    const long oldRecords =
        static_cast<long>((old.size() + recipes::OldRecipeRecordLength - 1) / recipes::OldRecipeRecordLength);
    fuzz::Expect(reader.RecordCount() <= oldRecords, "the converted file has no more records than the old one");
    for (long k = 1; k <= reader.RecordCount(); ++k) {
        const auto oldRecord = old.substr(static_cast<std::size_t>(k - 1) * recipes::OldRecipeRecordLength,
                                          recipes::OldRecipeRecordLength);
        const auto record = reader.ReadRecord(k);
        if (recipes::IsInUseMarker(record.marker)) {
            const auto expected =
                recipes::DecodeRecipeRecord(recipes::EncodeRecipeRecord(recipes::ConvertOldRecord(oldRecord)));
            fuzz::Expect(record == expected, "an old recipe keeps its record number");
        }
    }
    return 0;
}
