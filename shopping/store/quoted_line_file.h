#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The list files' format: one item a line, each between double quotes and
// ended by CR LF, read back item by item as the Basic runtime reads them.
namespace shopping {

enum class FileRead {
    Read,
    Missing,     // no such file: an empty list
    TooLarge,    // larger than any such file can be: damaged, not read
    Unreadable,  // there, but could not be read
};

struct QuotedItems {
    FileRead result = FileRead::Read;
    std::vector<std::string> items;
};

// Each item as one quoted line.
std::string EncodeQuotedLines(const std::vector<std::string>& items);

// Every item of the bytes, in order, whatever they hold (unclosed quotes,
// commas and line breaks taken as the runtime takes them).
std::vector<std::string> DecodeQuotedItems(std::string_view bytes);

// The items of a file of at most maxBytes.
QuotedItems ReadQuotedLineFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace shopping
