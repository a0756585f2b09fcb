#pragma once
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/testing/scripted_desktop.h"
#include "platform/testing/test_folder.h"
#include "platform/ui/controls.h"

namespace ui::testing {

// A small form whose handlers write down what happened, in order.
class SampleForm : public Form {
public:
    explicit SampleForm(platform::Runtime& runtime, std::string name = "Sample") : Form(runtime, std::move(name)) {
        ok = &add<CommandButton>("OK");
        ok->setDefault(true);
        cancel = &add<CommandButton>("Cancel");
        cancel->setCancel(true);
        panel = &add<Panel>("Panel1");
        inner = &add<CommandButton>("Inner", 0, panel);
        caption = &add<Label>("Label1");
        options = &addMenu("mO", "&Options");
        item = &options->add("mOI", "&Item");
        for (CommandButton* b : {ok, cancel, inner}) {
            b->onGotFocus = [this, b] { log.push_back(b->name() + ".GotFocus"); };
            b->onLostFocus = [this, b] { log.push_back(b->name() + ".LostFocus"); };
            b->onClick = [this, b] { log.push_back(b->name() + ".Click"); };
        }
        onLoad = [this] { log.push_back("Load"); };
        onActivate = [this] { log.push_back("Activate"); };
        onResize = [this] { log.push_back("Resize"); };
        options->onClick = [this] { log.push_back("mO.Click"); };
        item->onClick = [this] { log.push_back("mOI.Click"); };
    }

    CommandButton* ok;
    CommandButton* cancel;
    Panel* panel;
    CommandButton* inner;
    Label* caption;
    Menu* options;
    Menu* item;
    std::vector<std::string> log;
};

struct Desk {
    basic::testing::TestFolder folder;
    platform::testing::ScriptedDesktop desktop;
    platform::Runtime runtime{desktop.services(), desktop.windows, basic::ProgramFolder(folder.path())};
};

}  // namespace ui::testing
