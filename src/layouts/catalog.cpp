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
    return LayoutsFolder() /
           (entry.format == LayoutFormat::Lay ? entry.caption + entry.extension : entry.caption);
}

std::filesystem::path LayoutCatalog::FileOfMusic(int number) const {
    const size_t index = static_cast<size_t>(number - 1);
    if (index < MusicFiles.size()) return MusicsFolder() / MusicFiles[index];
    return MusicsFolder() / (MusicNames.at(index) + ".mid");
}

}  // namespace ribaku
