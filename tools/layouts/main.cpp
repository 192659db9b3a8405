// Writes the shipped layouts into the game's Layouts folder and a preview picture of each
// into a second folder: ribaku_layouts <Layouts folder> <preview folder>.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

#include "layout_files.h"
#include "layout_preview.h"
#include "shapes.h"

namespace fs = std::filesystem;

namespace {

using Writer = void (*)(const layoutgen::Layout&, const fs::path&);

// Writes every layout it can and names each one it cannot, so that one faulty shape does
// not hide another. Returns the number of faulty shapes.
int WriteAll(const std::vector<layoutgen::LayoutFactory>& factories, Writer write,
             const char* extension, const fs::path& layouts, const fs::path& previews) {
    int failures = 0;
    for (layoutgen::LayoutFactory make : factories) {
        try {
            const layoutgen::Layout layout = make();
            write(layout, layouts);
            layoutgen::WritePreview(layout, previews / (layout.fileName + extension + ".png"));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            ++failures;
        }
    }
    return failures;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Layouts folder> <preview folder>\n", argv[0]);
        return 2;
    }
    const fs::path layouts = argv[1];
    const fs::path previews = argv[2];
    std::error_code error;
    if (!fs::create_directories(layouts, error) && error) {
        std::fprintf(stderr, "%s: %s\n", layouts.string().c_str(), error.message().c_str());
        return 1;
    }
    fs::create_directories(previews, error);
    const int failures =
        WriteAll(layoutgen::LayLayouts(), layoutgen::WriteLay, "", layouts, previews) +
        WriteAll(layoutgen::ShpLayouts(), layoutgen::WriteShp, ".shp", layouts, previews);
    return failures == 0 ? 0 : 1;
}
