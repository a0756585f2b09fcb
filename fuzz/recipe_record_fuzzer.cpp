// A recipe record of the data file, as any bytes: decoding never fails, and a
// decoded record is written back as the same fields.
#include <cstddef>
#include <cstdint>

#include "fuzz/scratch_folder.h"
#include "recipes/store/recipe_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::AsText(data, size);
    const auto record = recipes::DecodeRecipeRecord(bytes);
    const auto encoded = recipes::EncodeRecipeRecord(record);
    fuzz::Expect(encoded.size() == recipes::RecipeRecordLength, "a record is 2045 bytes");
    fuzz::Expect(recipes::DecodeRecipeRecord(encoded) == record, "a decoded record reads back the same");
    fuzz::Expect(recipes::MarkerOf(encoded) == record.marker, "the marker is where the record keeps it");
    const bool inUse = recipes::IsInUseMarker(recipes::MarkerOf(bytes));
    fuzz::Expect(inUse == recipes::IsInUseMarker(record.marker), "the marker means the same decoded");
    static_cast<void>(recipes::YieldUnitAsSaved(bytes));
    return 0;
}
