#include "layouts/layout_reading.h"

#include "layouts/shp_format.h"

namespace ribaku {

LayoutFormat FormatOfFile(const std::filesystem::path& file) {
    return file.extension() == ".shp" ? LayoutFormat::Shp : LayoutFormat::Lay;
}

TLayoutRead ReadLayout(const std::filesystem::path& file, LayoutFormat format) {
    if (format == LayoutFormat::Lay) return ReadLayFile(file);
    return TLayoutRead{file.string(), ReadShpFile(file)};
}

}  // namespace ribaku
