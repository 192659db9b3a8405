// The main window's side of the help dialog: made once, at its first use, then shown by
// the engine's CallHelp through openHelp.
#include "app/help_dialog.h"
#include "app/ribaku_window.h"
#include "render/picture_loader.h"

namespace ribaku {
// The dialog is made when it is first asked for: the first screen does not need it, and
// the window then appears sooner.
THelpForm& TRibaku::HelpDialog() {
    if (!help_) {
        EnsureTileset();  // its tile chart shows the tileset
        help_ = new THelpForm(game_, tileset_, programDir_, this);
        help_->LoadTexts(programDir_);
        help_->SetPicture(render::LoadDecorativePicture(programDir_ / "orange.jpg"));
    }
    return *help_;
}

void TRibaku::CreateHelpDialog() {
    openHelp = [this](HelpPage page) { HelpDialog().Execute(page); };
}

}  // namespace ribaku
