#include "shopping/list_dialog/open1.h"

#include <cmath>

#include "platform/basic/path_text.h"
#include "shell/application.h"
#include "shell/dialog_frame.h"
#include "shell/startfrm.h"
#include "shopping/store/list_file_name.h"

namespace shopping {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {
int Twips(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

Open1::Open1(shell::Application& app) : ui::Form(app.runtime(), "Open1"), app_(app) {
    setCaption("Open Shopping List File - (*.lst)");
    shell::SetUpDialogFrame(*this, InsideWidth, InsideHeight);

    design();

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
}

ListDialogHandOver& Open1::handOver() { return app_.state<ListDialogHandOver>(); }

void Open1::choose(ListFileChoice::Kind kind, std::string fileName) {
    handOver().choice = {kind, std::move(fileName)};
    Unload();
}

void Open1::Form_Load() {
    setElasticResize(!app_.vars.smallerScreen());
    if (handOver().mode == ListDialogMode::Delete) setCaption("Delete Shopping List File - (*.lst)");
    // With no list file there is nothing to choose: the dialog closes before
    // it is ever shown. A folder that cannot be read lists none.
    if (!File1->setPath(basic::TextFromPath(app_.folder().dir())) || File1->ListCount() == 0)
        choose(ListFileChoice::Kind::NoListFiles);
}

void Open1::Form_Activate() {
    Text2_Click();
    if (!app_.vars.smallerScreen()) {
        const shell::Startfrm& start = app_.window<shell::Startfrm>();
        setHeight(Twips(start.Height() * 0.4));
        setWidth(Twips(start.Width() * 0.32));
    }
    shell::CentreOverStartWindow(app_, *this, 100);
}

void Open1::Text2_Click() {
    Text2->setSelStart(0);
    Text2->setSelLength(static_cast<int>(Text2->Text().size()));
    Text2->SetFocus();
}

void Open1::File1_Click() { Text2->setText(File1->FileName()); }

void Open1::File1_DblClick() {
    File1_Click();
    Command1_Click();
}

void Open1::Combo4_Change() {
    if (Combo4->Text() != Pattern) Combo4->setText(Pattern);
}

void Open1::Command1_Click() {
    const std::string name = Text2->Text();
    if (name.empty() || name == Pattern) return;
    bool listed = false;
    for (const std::string& file : File1->items()) listed = listed || file == name;
    if (!listed) {
        app_.dialogs().MessageBox({Caption(),
                                   name + "\rThis File cannot be found.\rMake sure that you have specified the "
                                          "correct filename.",
                                   MsgIcon::Exclamation, MsgButtons::OK, 1});
        return;
    }
    if (!IsListFileName(name)) {
        app_.dialogs().MessageBox(
            {Caption(), "An Invalid File has been Selected!", MsgIcon::Critical, MsgButtons::OK, 1});
        Text2->setText(Pattern);
        return;
    }
    choose(ListFileChoice::Kind::Chosen, name);
}

void Open1::Command2_Click() { choose(ListFileChoice::Kind::Cancelled); }

}  // namespace shopping
