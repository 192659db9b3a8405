#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/catalog.h"

namespace ribaku {

// Names of the files in `folder` that end with `extension` in any letter case ("Tower.LAY"
// for ".lay"), in no particular order. Folders and names that are nothing but the
// extension are skipped; a missing folder lists nothing.
std::vector<std::string> ListFileNames(const std::filesystem::path& folder,
                                       std::string_view extension);

// A menu caption: the file name without its last 4 characters (its extension).
std::string WithoutExtension(const std::string& fileName);

// The file names of `folder`/*.mid (any case), sorted for the menu by their captions.
std::vector<std::string> ListMusic(const std::filesystem::path& folder);

// `folder`/*.lay sorted for the menu, then `folder`/*.shp in directory order, extensions in
// any case; all of them.
std::vector<LayoutEntry> ListLayouts(const std::filesystem::path& folder);

// The file names of Musics/*.mid (any case), sorted for the menu by their captions. Throws
// MissingFilesError naming the folder when there is none.
std::vector<std::string> DiscoverMusic(const std::filesystem::path& programDir);

// Layouts/*.lay sorted for the menu, then Layouts/*.shp in directory order; the first 99.
// Extensions in any case. Throws MissingFilesError naming the folder when there is none.
std::vector<LayoutEntry> DiscoverLayouts(const std::filesystem::path& programDir);

// The remembered music, -1 for none: "Night" when there is one, then clamped to 1..count.
int32_t SettleMusicNumber(const std::vector<std::string>& music, int32_t musicNumber);

// The remembered layout, -1 for none: "Traditional" when listed, else 1.
int32_t DefaultLayoutNumber(const std::vector<LayoutEntry>& layouts, int32_t layoutNumber);

struct TCurrentLayout {
    int32_t number = 1;
    std::filesystem::path file;
};

// The layout that becomes current for a remembered number: one above the list falls back to
// the last layout; one below 1, or whose file is gone, to layout 1.
TCurrentLayout SettleCurrentLayout(const LayoutCatalog& catalog, int32_t layoutNumber);

}  // namespace ribaku
