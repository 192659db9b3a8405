#include "layouts/discovery.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/short_path.h"
#include "layouts/layout_file_error.h"
#include "layouts/name_order.h"

namespace ribaku {
namespace {

constexpr std::string_view kDefaultMusic = "Night";
constexpr std::string_view kDefaultLayout = "Traditional";

// ".lay", ".shp" and ".mid": captions are file names without their last 4 characters.
constexpr size_t kExtensionLength = 4;

// Extensions are matched in any letter case, as on the file systems the layouts come from.
bool EndsWithAnyCase(std::string_view name, std::string_view extension) {
    const std::string_view end = name.substr(name.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(), extension.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

int32_t PositionOf(const std::vector<std::string>& names, std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int32_t>(found - names.begin()) + 1;
}

}  // namespace

std::vector<std::string> ListFileNames(const std::filesystem::path& folder,
                                       std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error)) continue;
        std::string name = it->path().filename().string();
        if (name.size() > extension.size() && EndsWithAnyCase(name, extension))
            names.push_back(std::move(name));
    }
    return names;
}

std::string WithoutExtension(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - std::min(fileName.size(), kExtensionLength));
}

std::vector<std::string> ListMusic(const std::filesystem::path& folder) {
    std::vector<std::string> music = ListFileNames(folder, ".mid");
    SortNamesForMenu(music, kExtensionLength);
    return music;
}

std::vector<LayoutEntry> ListLayouts(const std::filesystem::path& folder) {
    std::vector<std::string> lay = ListFileNames(folder, ".lay");
    std::vector<std::string> shp = ListFileNames(folder, ".shp");
    SortNamesForMenu(lay, kExtensionLength);
    SortNamesAsDirectory(shp);

    std::vector<LayoutEntry> layouts;
    for (const std::string& file : lay) {
        std::string caption = WithoutExtension(file);
        std::string extension = file.substr(caption.size());
        layouts.push_back({std::move(caption), LayoutFormat::Lay, std::move(extension)});
    }
    for (std::string& file : shp)
        layouts.push_back({std::move(file), LayoutFormat::Shp});
    return layouts;
}

std::vector<std::string> DiscoverMusic(const std::filesystem::path& programDir) {
    const std::filesystem::path folder = programDir / "Musics";
    std::vector<std::string> music = ListMusic(folder);
    if (music.empty()) {
        throw MissingFilesError("No music was found in the folder \"" + ShortPath(folder) +
                                "\": the game needs at least one .mid file there.");
    }
    return music;
}

std::vector<LayoutEntry> DiscoverLayouts(const std::filesystem::path& programDir) {
    const std::filesystem::path folder = programDir / "Layouts";
    std::vector<LayoutEntry> layouts = ListLayouts(folder);
    if (layouts.empty()) {
        throw MissingFilesError("No layout was found in the folder \"" + ShortPath(folder) +
                                "\": the game needs at least one .lay or .shp file there.");
    }
    // Further files would collide with the numbers of the variants' halls: ignored.
    if (layouts.size() > kMaxListedLayouts) layouts.resize(kMaxListedLayouts);
    return layouts;
}

int32_t SettleMusicNumber(const std::vector<std::string>& music, int32_t musicNumber) {
    if (musicNumber == -1) {
        const int32_t night = PositionOf(music, kDefaultMusic);
        if (night > 0) musicNumber = night;
    }
    return std::clamp(musicNumber, 1, std::max(1, static_cast<int32_t>(music.size())));
}

int32_t DefaultLayoutNumber(const std::vector<LayoutEntry>& layouts, int32_t layoutNumber) {
    if (layoutNumber != -1) return layoutNumber;
    const auto found = std::find_if(layouts.begin(), layouts.end(), [](const LayoutEntry& e) {
        return e.format == LayoutFormat::Lay && e.caption == kDefaultLayout;
    });
    return found == layouts.end() ? 1 : static_cast<int32_t>(found - layouts.begin()) + 1;
}

TCurrentLayout SettleCurrentLayout(const LayoutCatalog& catalog, int32_t layoutNumber) {
    const int32_t count = static_cast<int32_t>(catalog.LayoutNames.size());
    if (layoutNumber > count) layoutNumber = count;
    if (layoutNumber >= 1) {
        std::filesystem::path file = catalog.FileOfLayout(layoutNumber);
        std::error_code error;
        if (std::filesystem::exists(file, error)) return {layoutNumber, std::move(file)};
    }
    return {1, catalog.FileOfLayout(1)};
}

}  // namespace ribaku
