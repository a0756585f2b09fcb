#include "platform/basic/records.h"

#include <bit>
#include <utility>

namespace basic {

namespace {

std::uint64_t ReadLittleEndian(std::string_view bytes, std::size_t offset, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = offset + i;
        const std::uint64_t byte = at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0;
        value |= byte << (8 * i);
    }
    return value;
}

std::string LittleEndian(std::uint64_t value, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<std::string_view> LengthPrefixed(std::string_view record, std::size_t offset) {
    if (record.size() < offset + 2) return std::nullopt;
    const auto length = static_cast<std::size_t>(ReadLittleEndian(record, offset, 2));
    if (length > record.size() - offset - 2) return std::nullopt;
    return record.substr(offset + 2, length);
}

std::optional<std::string> DecodeLengthPrefixed(std::string_view record, std::size_t offset) {
    const auto text = LengthPrefixed(record, offset);
    if (!text) return std::nullopt;
    return std::string(*text);
}

constexpr std::size_t kMaxLength = 0xFFFF;

std::string EncodeLengthPrefixed(std::string_view text) { return LittleEndian(text.size(), 2) + std::string(text); }

std::string EncodeTag(VariantType type) { return LittleEndian(static_cast<std::uint16_t>(type), 2); }

}  // namespace

std::optional<std::string> DecodeRecordString(std::string_view record) { return DecodeLengthPrefixed(record, 0); }

std::optional<std::string_view> RecordStringView(std::string_view record) { return LengthPrefixed(record, 0); }

std::optional<std::string> EncodeRecordString(std::string_view text, int recordLength) {
    if (recordLength < 2 || text.size() > static_cast<std::size_t>(recordLength) - 2) return std::nullopt;
    if (text.size() > kMaxLength) return std::nullopt;
    return EncodeLengthPrefixed(text);
}

std::int16_t DecodeInteger16(std::string_view record) {
    return static_cast<std::int16_t>(ReadLittleEndian(record, 0, 2));
}

std::string EncodeInteger16(std::int16_t value) { return LittleEndian(static_cast<std::uint16_t>(value), 2); }

std::int32_t DecodeInteger32(std::string_view record) {
    return static_cast<std::int32_t>(ReadLittleEndian(record, 0, 4));
}

std::string EncodeInteger32(std::int32_t value) { return LittleEndian(static_cast<std::uint32_t>(value), 4); }

std::optional<Variant> DecodeVariantRecord(std::string_view record) {
    if (record.size() < 2) return std::nullopt;
    const auto tag = static_cast<VariantType>(ReadLittleEndian(record, 0, 2));
    auto fixed = [&](std::size_t size) { return record.size() >= 2 + size; };
    switch (tag) {
        case VariantType::Empty: return Variant();
        case VariantType::Integer:
            if (!fixed(2)) return std::nullopt;
            return Variant(DecodeInteger16(record.substr(2)));
        case VariantType::Long:
            if (!fixed(4)) return std::nullopt;
            return Variant(DecodeInteger32(record.substr(2)));
        case VariantType::Double:
            if (!fixed(8)) return std::nullopt;
            return Variant(std::bit_cast<double>(ReadLittleEndian(record, 2, 8)));
        case VariantType::String: {
            auto text = DecodeLengthPrefixed(record, 2);
            if (!text) return std::nullopt;
            return Variant(std::move(*text));
        }
    }
    return std::nullopt;
}

std::optional<std::string> EncodeVariantRecord(const Variant& value, int recordLength) {
    std::string bytes = EncodeTag(value.type());
    switch (value.type()) {
        case VariantType::Empty: break;
        case VariantType::Integer: bytes += EncodeInteger16(static_cast<std::int16_t>(value.toDouble())); break;
        case VariantType::Long: bytes += EncodeInteger32(static_cast<std::int32_t>(value.toDouble())); break;
        case VariantType::Double: bytes += LittleEndian(std::bit_cast<std::uint64_t>(value.toDouble()), 8); break;
        case VariantType::String: {
            const std::string text = value.toText();
            if (text.size() > kMaxLength) return std::nullopt;
            bytes += EncodeLengthPrefixed(text);
            break;
        }
    }
    if (recordLength < 0 || bytes.size() > static_cast<std::size_t>(recordLength)) return std::nullopt;
    return bytes;
}

}  // namespace basic
