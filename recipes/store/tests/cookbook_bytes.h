#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// Cookbook files written byte by byte by the tests themselves, so that the
// store is checked against the layout, not against its own writing.
namespace recipes::testing {

// A 60-byte index record: 16-bit little-endian length, the text, zero bytes.
inline std::string IndexRecordBytes(std::string_view text, int declaredLength = -1) {
    const auto length = static_cast<std::uint16_t>(declaredLength < 0 ? text.size() : declaredLength);
    std::string record;
    record += static_cast<char>(length & 0xFF);
    record += static_cast<char>(length >> 8);
    record += text.substr(0, 58);
    record.resize(60, '\0');
    return record;
}

// "Apple Crisp" in record 7: the name, blanks to character 52, then 7.
inline std::string EntryText(std::string_view name, long number) {
    std::string text(name);
    text.resize(52, ' ');
    return text + std::to_string(number);
}

inline std::string IndexFileBytes(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const auto& text : texts) bytes += IndexRecordBytes(text);
    return bytes;
}

inline std::string Padded(std::string_view text, std::size_t width) {
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

// Where the fields of a record layout lie.
struct RecordLayout {
    std::size_t length, unitsAt, ingredientsAt, markerAt;
};
inline constexpr RecordLayout kCurrentLayout{2045, 1104, 1304, 2040};
inline constexpr RecordLayout kOldLayout{1545, 874, 1014, 1540};

// A record of the layout: every field blank but those given.
template <const RecordLayout& layout>
struct LayoutBytes {
    std::string bytes = std::string(layout.length, ' ');

    explicit LayoutBytes(std::string_view marker) { put(layout.markerAt, 5, marker); }
    LayoutBytes& put(std::size_t at, std::size_t width, std::string_view text) {
        bytes.replace(at, width, Padded(text, width));
        return *this;
    }
    LayoutBytes& line(int line, std::string_view amount, std::string_view unit, std::string_view ingredient) {
        const auto i = static_cast<std::size_t>(line - 1);
        put(5 * i, 5, amount);
        put(layout.unitsAt + 10 * i, 10, unit);
        return put(layout.ingredientsAt + 35 * i, 35, ingredient);
    }
    LayoutBytes& directions(std::string_view text) { return put(100, 1000, text); }
    operator std::string() const { return bytes; }
};

// A current record, marked in use unless told otherwise.
struct RecordBytes : LayoutBytes<kCurrentLayout> {
    explicit RecordBytes(std::string_view marker = "Full1") : LayoutBytes(marker) {}
};

// An old 1545-byte record, marked "Full" unless told otherwise.
struct OldRecordBytes : LayoutBytes<kOldLayout> {
    explicit OldRecordBytes(std::string_view marker = "Full") : LayoutBytes(marker) {}
};

// Writes bytes at an offset of a file, creating or extending it.
inline void WriteAt(const std::filesystem::path& file, std::uint64_t offset, std::string_view bytes) {
    if (!std::filesystem::exists(file)) std::ofstream(file, std::ios::binary).flush();
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    stream.seekp(static_cast<std::streamoff>(offset));
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A data file whose records 1..count carry the given marker and nothing else
// (sparse on disk, so even 30000 records cost little).
inline void WriteMarkers(const std::filesystem::path& file, long count, std::string_view marker = "Full1") {
    if (!std::filesystem::exists(file)) std::ofstream(file, std::ios::binary).flush();
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    for (long k = 1; k <= count; ++k) {
        stream.seekp(static_cast<std::streamoff>(k - 1) * 2045 + 2040);
        stream.write(marker.data(), static_cast<std::streamsize>(marker.size()));
    }
}

}  // namespace recipes::testing
