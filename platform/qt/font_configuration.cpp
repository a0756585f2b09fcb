#include "platform/qt/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <future>
#include <mutex>

namespace platform::qt {

namespace {
std::mutex reading;
std::future<void> configurationRead;  // waited for at the latest when the program ends
}  // namespace

void StartReadingFontConfiguration() {
    const std::lock_guard lock(reading);
    if (configurationRead.valid()) return;
    configurationRead = std::async(std::launch::async, [] { FcInit(); });
}

void WaitForFontConfiguration() {
    const std::lock_guard lock(reading);
    if (configurationRead.valid()) configurationRead.get();
}

}  // namespace platform::qt
