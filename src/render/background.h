#pragma once

#include <QImage>
#include <filesystem>

#include "render/picture_error.h"

namespace ribaku::render {

// The board picture's size: the background and every off-screen board image.
inline constexpr int kBoardWidth = 704;
inline constexpr int kBoardHeight = 468;

// The picture behind the board, composed once so that every redraw restores it with one copy.
// Nothing is made before the first picture, which often replaces it whole.
class Background {
public:
    // A missing file is reported as FileMissing (the "Background" menu then asks for a
    // file). Throws PictureError when the file cannot be read; the previous background
    // then stays. "name@2x.ext" beside "name.ext", when it is exactly twice the size, is
    // the picture at twice the size.
    PictureLoad NouveauFond(const std::filesystem::path& path);

    // A picture smaller than the board in either direction is repeated from the top-left
    // corner; a larger one is drawn once at (0, 0) and cut off at the right and bottom.
    // At twice the size it is enlarged.
    void SetPicture(const QImage& picture);

    // The "None" background: teal inside a one-pixel black frame.
    void FillTeal();

    // Black until the first picture is set; at `scale` 2 twice the size, for the board
    // drawn at twice the size: from the picture at twice the size when there is one, else
    // the picture at its own size enlarged.
    const QImage& BackgroundBitmap(int scale = 1) const;

private:
    // The black picture to paint on, unless there is a picture already.
    void MakeBitmap();
    // The background at twice the size from the picture beside the file, if it serves.
    void ReadDoubled() const;

    QImage backgroundBitmap_;  // null until the first picture
    QSize pictureSize_;        // of the picture last set, before it was repeated or cut
    // At twice the size, made at its first use: most screens never need its megabytes.
    mutable QImage doubled_;
    mutable std::filesystem::path doubledPath_;  // the picture at twice the size, until read
};

}  // namespace ribaku::render
