// A Windows bitmap picture (tileset, background, hall picture): read as an RGB32 image, or
// refused with a PictureError.
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "render/picture_error.h"
#include "render/picture_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path input = ribaku::fuzz::WriteInputFile(data, size, "fuzz.bmp");
    try {
        const QImage image = ribaku::render::LoadPicture(input);
        if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
    } catch (const ribaku::render::PictureError&) {
    }
    return 0;
}
