#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace ribaku::render {

// Whether a path names a JPEG picture: its extension is ".jpg" or ".jpeg" in any letter
// case, so that "photo.JPG" reads as what it is.
bool IsJpegPath(const std::filesystem::path& path);

// The largest picture a file may announce: a damaged or hostile header must not have
// gigabytes allocated and decoded before the file is found out.
inline constexpr long long kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 64'000'000;

// Why a picture of the size its header announces is refused; empty when it may be decoded.
std::string PictureSizeProblem(long long width, long long height);

// Reads a picture file as RGB32: JPEG by its extension, a Windows bitmap otherwise.
// Throws PictureError with a clear text (and FileError's system text for a file that
// cannot be opened), before any pixel is decoded when the header announces a picture too
// large. Messages name the file by ShortPath.
QImage LoadPicture(const std::filesystem::path& path);

// A picture that is only decoration (the hall-of-fame box, the help pages): missing,
// damaged or too large, it is simply none, with the same checks as LoadPicture.
QImage LoadDecorativePicture(const std::filesystem::path& path);

}  // namespace ribaku::render
