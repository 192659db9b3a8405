#include "layouts/layout_reading.h"

#include <cctype>

#include "layouts/shp_format.h"

namespace ribaku {

LayoutFormat FormatOfFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".shp" ? LayoutFormat::Shp : LayoutFormat::Lay;
}

TLayoutRead ReadLayout(const std::filesystem::path& file, LayoutFormat format) {
    if (format == LayoutFormat::Lay) return ReadLayFile(file);
    return TLayoutRead{file.string(), ReadShpFile(file)};
}

}  // namespace ribaku
