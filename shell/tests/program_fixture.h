#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/runtime.h"
#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"
#include "shell/startfrm.h"

namespace shell::testing {

// A whole program on a scripted desktop, in a fresh folder of its own.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { restart(); }

    // A new program on the same folder, as the user starting it again.
    void restart() {
        app_.reset();
        runtime_ = std::make_unique<platform::Runtime>(desktop.services(), desktop.windows,
                                                       basic::ProgramFolder(folder.path()));
        app_ = std::make_unique<Application>(*runtime_);
    }

    Application& app() { return *app_; }
    platform::Runtime& runtime() { return *runtime_; }
    Startfrm& start() { return app_->window<Startfrm>(); }
    Startfrm& startProgram() {
        app_->Start();
        return start();
    }
    void chooseMenu(ui::Form& form, const std::string& item) { platform::testing::ChooseMenu(*runtime_, form, item); }

    std::string bytesOf(const std::string& name) const { return basic::testing::ReadBytes(folder / name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
    // The bytes of one record of a file.
    std::string record(const std::string& name, int recordLength, int k) const {
        const std::string all = bytesOf(name);
        const std::size_t at = static_cast<std::size_t>(k - 1) * recordLength;
        if (at >= all.size()) return {};
        return all.substr(at, recordLength);
    }
    // A record as a RecordString would be stored: 16-bit length, the text, zeros.
    static std::string textRecord(const std::string& text, int recordLength) {
        std::string bytes{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)};
        bytes += text;
        bytes.resize(recordLength, '\0');
        return bytes;
    }
    void writeFile(const std::string& name, const std::string& bytes) {
        basic::testing::WriteBytes(folder / name, bytes);
    }
    // A stand-in picture file: the program only needs it to look like a JPEG.
    void writePicture(const std::string& name) { writeFile(name, std::string("\xFF\xD8\xFF\xE0", 4) + "picture"); }

    basic::testing::TestFolder folder;
    platform::testing::ScriptedDesktop desktop;

private:
    std::unique_ptr<platform::Runtime> runtime_;
    std::unique_ptr<Application> app_;

protected:
    ~ProgramTest() override {
        app_.reset();
        runtime_.reset();
    }
};

}  // namespace shell::testing
