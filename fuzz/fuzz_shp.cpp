// A .shp shape layout: refused with a LayoutFileError, or read into cells of the grid.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "layouts/layout_file_error.h"
#include "layouts/shp_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const TLayoutMap map = ParseShp(bytes, "fuzz.shp");
        int tiles = 0;
        for (uint8_t cell : map)
            tiles += cell;
        // 144 lines mark at most 144 cells, at least one.
        if (tiles < 1 || tiles > kShpLines) std::abort();
    } catch (const LayoutFileError&) {
    }
    return 0;
}
