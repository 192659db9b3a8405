#pragma once

#include <QImage>
#include <filesystem>

namespace ribaku::render {

// Whether a path names a JPEG picture: its extension is ".jpg" or ".jpeg" in any letter
// case, so that "photo.JPG" reads as what it is.
bool IsJpegPath(const std::filesystem::path& path);

// Reads a picture file as RGB32: JPEG by its extension, a Windows bitmap otherwise.
// Throws PictureError with a clear text (and FileError's system text for a file that
// cannot be opened).
QImage LoadPicture(const std::filesystem::path& path);

}  // namespace ribaku::render
