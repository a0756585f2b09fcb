#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window_system.h"
#include "platform/runtime.h"
#include "platform/testing/test_folder.h"
#include "shell/application.h"

namespace app_testing {

// The whole program on the Qt desktop (the offscreen one in tests), on a
// folder of its own; each test ends it and lets Qt delete its windows.
class ProgramOnScreen : public ::testing::Test {
protected:
    ~ProgramOnScreen() override {
        if (!runtime.ended()) runtime.end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    basic::testing::TestFolder folder;
    platform::qt::QtServices services;
    platform::qt::QtWindowSystem windows;
    platform::Runtime runtime{services.services(), windows, basic::ProgramFolder(folder.path())};
    shell::Application app{runtime};
};

}  // namespace app_testing
