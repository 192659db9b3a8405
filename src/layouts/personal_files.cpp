// The player's own layouts and music, listed after the shipped ones when an installed copy
// keeps them in a folder of their own.
#include <utility>

#include "layouts/catalog.h"
#include "layouts/discovery.h"

namespace ribaku {

void LayoutCatalog::AddPersonalFiles(TBoardState& state, int32_t rememberedLayout,
                                     int32_t rememberedMusic) {
    if (PersonalDir.empty()) return;
    SharedLayoutCount = LayoutNames.size();
    SharedMusicCount = MusicFiles.size();
    for (LayoutEntry& entry : ListLayouts(PersonalDir / "Layouts")) {
        // Further layouts would collide with the numbers of the variants' halls.
        if (LayoutNames.size() == kMaxListedLayouts) break;
        LayoutNames.push_back(std::move(entry));
    }
    for (std::string& file : ListMusic(PersonalDir / "Musics")) {
        MusicNames.push_back(WithoutExtension(file));
        MusicFiles.push_back(std::move(file));
    }
    MusicNumber = SettleMusicNumber(MusicNames, rememberedMusic);
    state.LayoutCount = static_cast<int32_t>(LayoutNames.size());
    const TCurrentLayout current =
        SettleCurrentLayout(*this, DefaultLayoutNumber(LayoutNames, rememberedLayout));
    state.LayoutNumber = current.number;
    LayoutFile = current.file;
}

}  // namespace ribaku
