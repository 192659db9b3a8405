// A .lay layout: refused with a LayoutFileError or read; what is read writes out and reads
// back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TLayoutRead read;
    try {
        read = ParseLay(bytes, "fuzz.lay");
    } catch (const LayoutFileError&) {
        return 0;
    }
    if (!read.map) return 0;
    std::string written;
    try {
        written = SerializeLay(read.name, *read.map);
    } catch (const LayoutFileError&) {
        return 0;  // a name holding a lone CR or LF cannot be written
    }
    const TLayoutRead again = ParseLay(written, "again.lay");
    if (again.name != read.name || again.map != read.map) std::abort();
    return 0;
}
