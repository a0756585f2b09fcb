#include "recipes/store/old_cookbook_format.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "platform/basic/atomic_write.h"
#include "platform/basic/durable_step.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/store/cookbook_reader.h"

namespace recipes {

namespace {

constexpr int kOldDirectionsAt = 70;
constexpr int kOldDirectionsWidth = 800;
constexpr int kOldOvenAt = 870;
constexpr int kOldUnitsAt = 874;
constexpr int kOldIngredientsAt = 1014;
constexpr int kOldYieldAt = 1504;
constexpr int kOldCookingTimeAt = 1509;
constexpr int kOldYieldUnitAt = 1529;
constexpr int kOldMarkerAt = 1540;

// Records read at once: about 1 MB.
constexpr long kBlockRecords = 640;

// A field without trailing blanks; zero bytes count as blanks.
std::string OldField(std::string_view bytes, int at, int width) {
    std::string text(
        bytes.substr(std::min(bytes.size(), static_cast<std::size_t>(at)), static_cast<std::size_t>(width)));
    std::replace(text.begin(), text.end(), '\0', ' ');
    return basic::RTrim(text);
}

// Recognising the file looks at the marker without trailing blanks ...
bool IsOldInUse(std::string_view oldRecord) { return OldField(oldRecord, kOldMarkerAt, field::MarkerWidth) == "Full"; }

// ... converting it, without surrounding blanks.
bool IsOldRecipeToConvert(std::string_view oldRecord) {
    return basic::Trim(OldField(oldRecord, kOldMarkerAt, field::MarkerWidth)) == "Full";
}

// The new line (0-19) an old line (0-13) moves to.
int NewLineOf(int oldLine) { return oldLine < 7 ? oldLine : oldLine + 3; }

// Looks at the records a current file can hold, however long the file is.
bool HasCurrentRecords(const basic::RandomAccessFile& asCurrent) {
    const long count = std::min(asCurrent.RecordCount(), MaxRecipeRecords);
    for (long first = 1; first <= count; first += kBlockRecords) {
        const long n = std::min(kBlockRecords, count - first + 1);
        const std::string block = asCurrent.GetBlock(first, n);
        for (long i = 0; i < n; ++i) {
            const std::string_view record(block.data() + i * RecipeRecordLength, RecipeRecordLength);
            if (IsInUseMarker(MarkerOf(record))) return true;
        }
    }
    return false;
}

}  // namespace

bool DetectOldRecipeFile(const basic::ProgramFolder& folder, int cookbook) {
    if (cookbook >= 2) return false;
    const auto path = folder.Resolve(RecipeDataFileName(cookbook));
    const auto asOld = basic::RandomAccessFile::Open(path, OldRecipeRecordLength);
    if (!asOld) return false;
    // Only the records the file holds: every save asks, and most files are small.
    const long probed = std::min(asOld->RecordCount(), OldFormatProbeRecords);
    const std::string probe = asOld->GetBlock(1, probed);
    bool oldMarkerSeen = false;
    for (long i = 0; i < probed && !oldMarkerSeen; ++i)
        oldMarkerSeen = IsOldInUse(
            std::string_view(probe).substr(static_cast<std::size_t>(i) * OldRecipeRecordLength, OldRecipeRecordLength));
    if (!oldMarkerSeen) return false;
    const auto asCurrent = basic::RandomAccessFile::Open(path, RecipeRecordLength);
    return asCurrent && !HasCurrentRecords(*asCurrent);
}

RecipeRecord ConvertOldRecord(std::string_view oldBytes) {
    RecipeRecord record;
    for (int line = 0; line < OldIngredientLineCount; ++line) {
        const auto to = static_cast<std::size_t>(NewLineOf(line));
        record.amounts[to] = OldField(oldBytes, field::AmountWidth * line, field::AmountWidth);
        record.units[to] = OldField(oldBytes, kOldUnitsAt + field::UnitWidth * line, field::UnitWidth);
        record.ingredients[to] =
            OldField(oldBytes, kOldIngredientsAt + field::IngredientWidth * line, field::IngredientWidth);
    }
    record.directions = OldField(oldBytes, kOldDirectionsAt, kOldDirectionsWidth);
    record.ovenTemperature = OldField(oldBytes, kOldOvenAt, field::OvenTemperatureWidth);
    record.yield = OldField(oldBytes, kOldYieldAt, field::YieldWidth);
    record.cookingTime = OldField(oldBytes, kOldCookingTimeAt, field::CookingTimeWidth);
    record.yieldUnit = OldField(oldBytes, kOldYieldUnitAt, field::YieldUnitWidth);
    record.marker = InUseMarker;
    return record;
}

namespace {

// Removes the temporary file unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        std::error_code ignored;
        if (!kept_) std::filesystem::remove(path_, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    bool kept_ = false;
};

}  // namespace

ConversionResult ConvertOldRecipeFile(const basic::ProgramFolder& folder, int cookbook, const ConversionSteps& steps) {
    // Converting a current file as an old one would empty it.
    if (!DetectOldRecipeFile(folder, cookbook)) return ConversionResult::NotNeeded;
    const auto oldPath = folder.Resolve(RecipeDataFileName(cookbook));
    const auto newPath = folder.Resolve(ConversionFileName);

    // What an interrupted run left is never merged into this one.
    std::error_code error;
    std::filesystem::remove(newPath, error);
    if (error) return ConversionResult::Failed;

    const auto oldFile = basic::RandomAccessFile::Open(oldPath, OldRecipeRecordLength);
    if (!oldFile) return ConversionResult::Failed;
    TemporaryFile temporary(newPath);
    auto newFile = basic::RandomAccessFile::Open(newPath, RecipeRecordLength);
    if (!newFile) return ConversionResult::Failed;

    // Records past the end of the old file are free: only those it holds are read.
    const long held = std::min(oldFile->RecordCount(), MaxRecipeRecords);
    std::string block;
    for (long first = 1; first <= MaxRecipeRecords; first += kBlockRecords) {
        const long count = std::min(kBlockRecords, MaxRecipeRecords - first + 1);
        const long read = std::clamp(held - first + 1, 0L, count);
        oldFile->GetBlockInto(first, read, block);
        for (long i = 0; i < count; ++i) {
            const long k = first + i;
            // Free and deleted records are not written: the gaps read as free.
            if (i < read) {
                const std::string_view oldRecord(block.data() + i * OldRecipeRecordLength, OldRecipeRecordLength);
                if (IsOldRecipeToConvert(oldRecord) &&
                    !newFile->Put(k, EncodeRecipeRecord(ConvertOldRecord(oldRecord))))
                    return ConversionResult::Failed;
            }
            if (steps.progress) steps.progress(k);
        }
    }
    if (!newFile->Flush()) return ConversionResult::Failed;
    newFile.reset();
    if (steps.finishing) steps.finishing();

    std::filesystem::rename(newPath, oldPath, error);
    if (error) return ConversionResult::Failed;
    temporary.keep();
    basic::durable_step::Done();
    basic::SyncFolderOf(oldPath);
    return ConversionResult::Converted;
}

void RemoveInterruptedConversion(const basic::ProgramFolder& folder) {
    const auto path = folder.Resolve(ConversionFileName);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) static_cast<void>(basic::RemoveSyncedFile(path));
}

}  // namespace recipes
