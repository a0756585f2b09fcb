#include "recipes/printing/copyfrm1.h"

#include "recipes/printing/copy_hand_over.h"
#include "shell/application.h"
#include "shell/dialog_frame.h"
#include "shell/hinfo1.h"

namespace printing {

Copyfrm1::Copyfrm1(shell::Application& app) : ui::Form(app.runtime(), "Copyfrm1"), app_(app) {
    setCaption("Recipe Ingredients Copy Option");
    shell::SetUpDialogFrame(*this, InsideWidth, InsideHeight);

    design();

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
}

void Copyfrm1::Form_Load() {
    CentreOverStartWindow();
    app_.state<CopyHandOver>().IngredientCopyLayout = CopyHandOver::TwoColumns;
    SSPanel1->setBackColor(Label1->BackColor());
}

void Copyfrm1::Form_Activate() { shell::EndWait(app_); }

void Copyfrm1::SSOption1_Click(int index) {
    app_.state<CopyHandOver>().IngredientCopyLayout = static_cast<std::int16_t>(index + 1);
}

void Copyfrm1::SSCommand1_Click() { Unload(); }

void Copyfrm1::CentreOverStartWindow() { shell::CentreOverStartWindow(app_, *this, 100); }

}  // namespace printing
