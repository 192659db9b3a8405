// The main window's side of the help dialog: made once at start-up, then shown by the
// engine's CallHelp through openHelp.
#include "app/help_dialog.h"
#include "app/ribaku_window.h"
#include "render/picture_loader.h"

namespace ribaku {
namespace {

// The picture is decoration: missing or damaged, the pages simply go without it.
QImage DecorativePicture(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {};
    try {
        return render::LoadPicture(file);
    } catch (const FileError&) {
        return {};
    }
}

}  // namespace

void TRibaku::CreateHelpDialog() {
    auto* help = new THelpForm(game_, tileset_, programDir_, this);
    help->LoadTexts(programDir_);
    help->SetPicture(DecorativePicture(programDir_ / "orange.jpg"));
    openHelp = [help](HelpPage page) { help->Execute(page); };
}

}  // namespace ribaku
