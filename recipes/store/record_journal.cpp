#include "recipes/store/record_journal.h"

#include <cstdint>
#include <cstdio>

#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "recipes/store/recipe_record.h"

namespace recipes {

namespace {

constexpr std::string_view kHeading = "Pantrivo record journal 1\n";
// The change, the type in 2 digits and the record in 5.
constexpr std::size_t kChangeLength = 8;
constexpr std::size_t kSumLength = 16;
constexpr std::size_t kJournalLength =
    kHeading.size() + kChangeLength + 2 * static_cast<std::size_t>(RecipeRecordLength) + kSumLength;

// FNV-1a, 64 bits: enough to tell a whole journal from one cut short.
std::string CheckSum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char text[kSumLength + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(text, kSumLength);
}

bool AllDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::filesystem::path JournalPathFor(const std::filesystem::path& dataFile) {
    return dataFile.parent_path() / ("." + dataFile.filename().string() + ".pantrivo-journal");
}

std::string EncodeRecordJournal(const RecordJournal& journal) {
    char change[kChangeLength + 1];
    std::snprintf(change, sizeof change, "%c%02d%05ld", static_cast<char>(journal.change), journal.type,
                  journal.record);
    std::string bytes(kHeading);
    bytes.append(change, kChangeLength);
    for (const std::string* record : {&journal.before, &journal.after}) {
        std::string padded = record->substr(0, RecipeRecordLength);
        padded.resize(RecipeRecordLength, '\0');
        bytes += padded;
    }
    bytes += CheckSum(bytes);
    return bytes;
}

std::optional<RecordJournal> DecodeRecordJournal(std::string_view bytes) {
    if (bytes.size() != kJournalLength || !bytes.starts_with(kHeading)) return std::nullopt;
    const std::string_view body = bytes.substr(0, kJournalLength - kSumLength);
    if (CheckSum(body) != bytes.substr(body.size())) return std::nullopt;
    const std::string_view change = body.substr(kHeading.size(), kChangeLength);
    if (!AllDigits(change.substr(1))) return std::nullopt;
    RecordJournal journal;
    switch (change[0]) {
        case 'W': journal.change = RecordJournal::Change::WriteInPlace; break;
        case 'N': journal.change = RecordJournal::Change::SaveNew; break;
        case 'D': journal.change = RecordJournal::Change::Delete; break;
        default: return std::nullopt;
    }
    journal.type = std::stoi(std::string(change.substr(1, 2)));
    journal.record = std::stol(std::string(change.substr(3)));
    const std::size_t at = kHeading.size() + kChangeLength;
    journal.before = std::string(body.substr(at, RecipeRecordLength));
    journal.after = std::string(body.substr(at + RecipeRecordLength, RecipeRecordLength));
    return journal;
}

bool WriteRecordJournal(const std::filesystem::path& path, const RecordJournal& journal) {
    return basic::WriteSyncedFile(path, EncodeRecordJournal(journal));
}

JournalFound ReadRecordJournal(const std::filesystem::path& path) {
    JournalFound found;
    std::error_code error;
    found.present = std::filesystem::exists(path, error) || error;
    if (!found.present) return found;
    // A journal has one length; a larger file is no journal and is not read.
    if (const auto bytes = basic::ReadWholeFile(path, kJournalLength)) found.journal = DecodeRecordJournal(*bytes);
    return found;
}

}  // namespace recipes
