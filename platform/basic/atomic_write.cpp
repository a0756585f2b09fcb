#include "platform/basic/atomic_write.h"

#include "platform/basic/replacement_file.h"

namespace basic {

bool AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes) {
    auto file = detail::ReplacementFile::Create(path);
    return file && file->Write(bytes) && file->Commit();
}

}  // namespace basic
