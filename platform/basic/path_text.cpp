#include "platform/basic/path_text.h"

#include "platform/basic/cp1252.h"

namespace basic {

std::filesystem::path PathFromText(std::string_view text) { return std::filesystem::path(Cp1252ToUtf8(text)); }

std::string TextFromPath(const std::filesystem::path& path) { return Utf8ToCp1252(path.native()); }

}  // namespace basic
