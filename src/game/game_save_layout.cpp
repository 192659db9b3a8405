// Saving a layout from the editor, and listing it when it is new.
#include <stdexcept>

#include "game/game.h"
#include "core/short_path.h"
#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"
#include "layouts/save_names.h"

namespace ribaku {
namespace {

// The number of the last layout listed under `caption`, 0 when none is.
int32_t LastListedAs(const LayoutCatalog& catalog, const std::string& caption) {
    for (size_t n = catalog.LayoutNames.size(); n > 0; --n)
        if (catalog.LayoutNames[n - 1].caption == caption) return static_cast<int32_t>(n);
    return 0;
}

}  // namespace

TLayoutSaved Game::SaveLayout() {
    if (catalog.LayoutFile.empty())
        throw std::logic_error("SaveLayout: the window asks for a file name first");
    catalog.LayoutFile = WithLayExtension(catalog.LayoutFile);
    const std::string caption = SavedBaseName(catalog.LayoutFile);
    const int32_t listed = LastListedAs(catalog, caption);
    // Checked before writing, so that a refused save leaves no unlisted file behind.
    if (listed == 0 && catalog.LayoutNames.size() >= kMaxListedLayouts) {
        throw LayoutFileError("The Layout menu already lists " + std::to_string(kMaxListedLayouts) +
                              " layouts: save this one under the name of a listed layout, "
                              "or remove a layout file from \"" +
                              ShortPath(catalog.LayoutsFolder()) + "\" first.");
    }
    WriteLayFile(catalog.LayoutFile, catalog.LayoutName, state.LayoutMap);
    SetMode(gmNone);
    if (listed > 0) {
        state.LayoutNumber = listed;
        return {false};
    }
    // The entry names the file written, also when its name only holds ".lay" (my.layout).
    const std::string fileName = catalog.LayoutFile.filename().string();
    catalog.LayoutNames.push_back({caption, LayoutFormat::Lay, fileName.substr(caption.size())});
    state.LayoutCount = static_cast<int32_t>(catalog.LayoutNames.size());
    state.LayoutNumber = state.LayoutCount;
    return {true};
}

}  // namespace ribaku
