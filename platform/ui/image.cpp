#include "platform/ui/image.h"

#include <array>
#include <fstream>

#include "platform/ui/keys.h"

namespace ui {

bool IsPictureFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 4> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return false;
    const bool jpeg = head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
    const bool png = head[0] == 0x89 && head[1] == 'P' && head[2] == 'N' && head[3] == 'G';
    const bool bmp = head[0] == 'B' && head[1] == 'M';
    const bool gif = head[0] == 'G' && head[1] == 'I' && head[2] == 'F';
    return jpeg || png || bmp || gif;
}

bool Image::LoadPicture(const std::filesystem::path& file) {
    if (!IsPictureFile(file)) return false;
    picture_ = file;
    changed(Property::Picture);
    return true;
}

bool Image::takesKey(int keyCode) const { return choosable_ && (keyCode == keys::Return || keyCode == keys::Space); }

void Image::clearPicture() {
    if (picture_.empty()) return;
    picture_.clear();
    changed(Property::Picture);
}

}  // namespace ui
