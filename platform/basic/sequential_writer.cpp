#include "platform/basic/sequential_writer.h"

#include <utility>

namespace basic {

std::optional<SequentialWriter> SequentialWriter::Create(const std::filesystem::path& target) {
    auto file = detail::ReplacementFile::Create(target);
    if (!file) return std::nullopt;
    return SequentialWriter(std::move(*file));
}

template <typename Items>
void SequentialWriter::WriteItems(const Items& items) {
    std::string line;
    for (const auto& item : items) {
        if (!line.empty()) line += ',';
        line += '"';
        line += item;
        line += '"';
    }
    line += "\r\n";
    file_.Write(line);
}

void SequentialWriter::Write(std::initializer_list<std::string_view> items) { WriteItems(items); }

void SequentialWriter::Write(const std::vector<std::string>& items) { WriteItems(items); }

void SequentialWriter::WriteLine(std::string_view text) {
    file_.Write(text);
    file_.Write("\r\n");
}

bool SequentialWriter::Commit() { return file_.Commit(); }

}  // namespace basic
