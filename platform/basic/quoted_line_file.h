#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The item files several windows keep (shopping lists, meal lists, storage
// tables): one item a line, each between double quotes and ended by CR LF,
// read back item by item as the sequential reader reads them.
namespace basic {

enum class FileRead {
    Read,
    Missing,     // no such file
    TooLarge,    // larger than any such file can be: damaged, not read
    Unreadable,  // there, but could not be read
};

struct QuotedItems {
    FileRead result = FileRead::Read;
    std::vector<std::string> items;
};

// One item as a quoted line added to bytes; the item must hold no double quote.
void AppendQuotedLine(std::string& bytes, std::string_view item);

// Each item as one quoted line; the items must hold no double quote.
std::string EncodeQuotedLines(const std::vector<std::string>& items);

// Every item of the bytes, in order, whatever they hold (unclosed quotes,
// commas and line breaks taken as the runtime takes them).
std::vector<std::string> DecodeQuotedItems(std::string_view bytes);

// The items of a file of at most maxBytes.
QuotedItems ReadQuotedLineFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace basic
