#include "platform/basic/quoted_line_file.h"

#include <system_error>

#include "platform/basic/file_commands.h"
#include "platform/basic/sequential_reader.h"

namespace basic {

void AppendQuotedLine(std::string& bytes, std::string_view item) {
    bytes += '"';
    bytes += item;
    bytes += "\"\r\n";
}

std::string EncodeQuotedLines(const std::vector<std::string>& items) {
    std::string bytes;
    for (const auto& item : items) AppendQuotedLine(bytes, item);
    return bytes;
}

std::vector<std::string> DecodeQuotedItems(std::string_view bytes) {
    auto reader = SequentialReader::FromBytes(std::string(bytes));
    std::vector<std::string> items;
    while (auto item = reader.Input()) items.push_back(std::move(*item));
    return items;
}

QuotedItems ReadQuotedLineFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {error ? FileRead::Unreadable : FileRead::Missing, {}};
    const auto length = FileLen(path);
    if (length && *length > maxBytes) return {FileRead::TooLarge, {}};
    const auto bytes = ReadWholeFile(path, maxBytes);
    if (!bytes) return {FileRead::Unreadable, {}};
    return {FileRead::Read, DecodeQuotedItems(*bytes)};
}

}  // namespace basic
