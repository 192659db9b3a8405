// A JPEG picture: decoded to an RGB32 image, or refused with a PictureError.
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "render/jpeg_reader.h"
#include "render/picture_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const QImage image = ribaku::render::DecodeJpeg(
            std::string(reinterpret_cast<const char*>(data), size), "fuzz.jpg");
        if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
    } catch (const ribaku::render::PictureError&) {
    }
    return 0;
}
