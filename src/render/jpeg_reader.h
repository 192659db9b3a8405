#pragma once

#include <QImage>
#include <string>

namespace ribaku::render {

// Decodes a JPEG held in memory into an RGB32 image. A damaged or truncated file is an
// error here, never a grey picture and never the end of the process. Throws PictureError
// whose text starts with `name`.
QImage DecodeJpeg(const std::string& bytes, const std::string& name);

}  // namespace ribaku::render
