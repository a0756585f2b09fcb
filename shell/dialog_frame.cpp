#include "shell/dialog_frame.h"

#include <cmath>

#include "shell/application.h"
#include "shell/startfrm.h"

namespace shell {

void SetUpDialogFrame(ui::Form& dialog, int insideWidth, int insideHeight) {
    dialog.setBorderStyle(ui::BorderStyle::FixedDialog);
    dialog.setMinButton(false);
    dialog.setMaxButton(false);
    const ui::FrameMetrics frame = dialog.host().frameMetrics();
    dialog.Move(0, 0, insideWidth + frame.left + frame.right, insideHeight + frame.top + frame.bottom);
}

void CentreOverStartWindow(Application& app, ui::Form& dialog, int below) {
    const Startfrm& start = app.window<Startfrm>();
    dialog.setLeft(static_cast<int>(std::lround(app.vars.StartWidth / 2.0 + start.Left() - dialog.Width() / 2.0)));
    dialog.setTop(
        static_cast<int>(std::lround(app.vars.StartHeight / 2.0 + start.Top() - dialog.Height() / 2.0 + below)));
}

}  // namespace shell
