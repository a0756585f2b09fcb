#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <span>

#include "platform/help_file.h"
#include "shell/help_menu.h"

namespace shell::testing {

// Whether the help file reads and holds each of the topics under its title.
inline ::testing::AssertionResult HelpFileHolds(const std::filesystem::path& file,
                                                std::span<const HelpTopicEntry> topics) {
    const auto reading = platform::help::ReadHelpFile(file);
    if (reading.status != platform::help::ReadStatus::Read)
        return ::testing::AssertionFailure() << "the help file does not read: " << file;
    for (const auto& [number, title] : topics) {
        const auto* topic = reading.file.find(number);
        if (!topic) return ::testing::AssertionFailure() << "no topic " << number;
        if (topic->title != title)
            return ::testing::AssertionFailure() << "topic " << number << " is \"" << topic->title << "\", not \""
                                                 << title << "\"";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace shell::testing
