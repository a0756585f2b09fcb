#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/basic/variant.h"

// Value encodings inside a record of a random-access file. Encoders return
// only the bytes of the value; RandomAccessFile::Put pads them to the record.
namespace basic {

// RecordString: a 16-bit little-endian length n, then n bytes. nullopt when n
// overruns the record; a record of zero bytes holds "".
std::optional<std::string> DecodeRecordString(std::string_view record);
// The same text where it lies in the record, for readers of many records.
std::optional<std::string_view> RecordStringView(std::string_view record);
// nullopt when the text is longer than recordLength - 2.
std::optional<std::string> EncodeRecordString(std::string_view text, int recordLength);

// Little-endian signed integers at the start of a record; missing bytes read
// as zero.
std::int16_t DecodeInteger16(std::string_view record);
std::string EncodeInteger16(std::int16_t value);
std::int32_t DecodeInteger32(std::string_view record);
std::string EncodeInteger32(std::int32_t value);

// Variant record: a 16-bit little-endian type tag (VariantType), then tag 2 a
// 16-bit integer, tag 3 a 32-bit integer, tag 5 an IEEE double, tag 8 a
// 16-bit length and that many bytes, tag 0 nothing. All little-endian.
// nullopt for an unknown tag or a value that overruns the record.
std::optional<Variant> DecodeVariantRecord(std::string_view record);
// nullopt when the value does not fit in recordLength bytes.
std::optional<std::string> EncodeVariantRecord(const Variant& value, int recordLength);

}  // namespace basic
