#include "shell/settings_files.h"

#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "platform/basic/text.h"

namespace shell::settings {

namespace {
std::optional<std::string> ReadRecord(const basic::ProgramFolder& folder, RecordRef ref) {
    auto file = basic::RandomAccessFile::Open(folder.Resolve(ref.file.name), ref.file.recordLength);
    if (!file) return std::nullopt;
    return file->Get(ref.record);
}

bool WriteRecord(const basic::ProgramFolder& folder, RecordRef ref, const std::optional<std::string>& bytes) {
    if (!bytes) return false;  // does not fit its record: not stored
    auto file = basic::RandomAccessFile::Open(folder.Resolve(ref.file.name), ref.file.recordLength);
    return file && file->Put(ref.record, *bytes);
}
}  // namespace

std::optional<std::string> ReadText(const basic::ProgramFolder& folder, RecordRef ref) {
    const auto record = ReadRecord(folder, ref);
    if (!record) return std::nullopt;
    return basic::DecodeRecordString(*record);
}

std::optional<std::string> ReadShownText(const basic::ProgramFolder& folder, RecordRef ref) {
    auto text = ReadText(folder, ref);
    if (text) *text = basic::RemoveControlCharacters(*text);
    return text;
}

bool WriteText(const basic::ProgramFolder& folder, RecordRef ref, std::string_view text) {
    return WriteRecord(folder, ref, basic::EncodeRecordString(text, ref.file.recordLength));
}

std::optional<std::int16_t> ReadInteger(const basic::ProgramFolder& folder, RecordRef ref) {
    const auto record = ReadRecord(folder, ref);
    if (!record) return std::nullopt;
    return basic::DecodeInteger16(*record);
}

bool WriteInteger(const basic::ProgramFolder& folder, RecordRef ref, std::int16_t value) {
    return WriteRecord(folder, ref, basic::EncodeInteger16(value));
}

std::optional<basic::Variant> ReadVariant(const basic::ProgramFolder& folder, RecordRef ref) {
    const auto record = ReadRecord(folder, ref);
    if (!record) return std::nullopt;
    return basic::DecodeVariantRecord(*record);
}

bool WriteVariant(const basic::ProgramFolder& folder, RecordRef ref, const basic::Variant& value) {
    return WriteRecord(folder, ref, basic::EncodeVariantRecord(value, ref.file.recordLength));
}

}  // namespace shell::settings
