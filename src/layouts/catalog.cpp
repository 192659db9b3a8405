#include "layouts/catalog.h"

#include <stdexcept>

namespace ribaku {

const LayoutEntry& LayoutCatalog::Layout(int number) const {
    if (number < 1 || number > static_cast<int>(LayoutNames.size()))
        throw std::out_of_range("no layout number " + std::to_string(number));
    return LayoutNames[number - 1];
}

std::filesystem::path LayoutCatalog::FileOfLayout(int number) const {
    const LayoutEntry& entry = Layout(number);
    const std::filesystem::path folder =
        static_cast<size_t>(number) > SharedLayoutCount ? PersonalDir / "Layouts" : LayoutsFolder();
    return folder /
           (entry.format == LayoutFormat::Lay ? entry.caption + entry.extension : entry.caption);
}

std::filesystem::path LayoutCatalog::FileOfMusic(int number) const {
    const size_t index = static_cast<size_t>(number - 1);
    const std::filesystem::path folder =
        index >= SharedMusicCount ? PersonalDir / "Musics" : MusicsFolder();
    if (index < MusicFiles.size()) return folder / MusicFiles[index];
    return folder / (MusicNames.at(index) + ".mid");
}

std::filesystem::path LayoutCatalog::SavedLayoutsFolder() const {
    return PersonalDir.empty() ? LayoutsFolder() : PersonalDir / "Layouts";
}

std::filesystem::path LayoutCatalog::PlayerFilesFolder() const {
    return PlayerFilesDir.empty() ? ProgramDir : PlayerFilesDir;
}

}  // namespace ribaku
