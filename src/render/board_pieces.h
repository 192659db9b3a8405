#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace ribaku::render {

// The small pictures the board drawing lays over tiles: the shadow pieces and the white
// face that inverts a marked tile.
struct BoardPieces {
    // Six 10 x 20 pieces and one 20 x 10 piece, transparent where their bitmap is black.
    std::array<QImage, 6> ImageList;
    QImage ImageListHoriz;
    // 40 x 50 white: its exclusive-or inverts a face.
    QImage Filled;
    // The Clicks blocks of colours 1 to 5, 38 x 38, transparent where their bitmap is black.
    std::array<QImage, 5> Clicko;
};

// An image list picture with black as its transparent colour, made once into a picture
// with an alpha channel, so that drawing it is an ordinary blend.
QImage TransparentWhereBlack(const QImage& picture);

// The pieces at twice the size, for the board drawn at twice the size: the checkerboards and
// the white face with their pixels doubled, so that they stay crisp; the blocks smoothly.
BoardPieces DoubledPieces(const BoardPieces& pieces);

// Reads the pieces from the numbered bitmaps of `folder` (the program's resources):
// ImageList from 9, 9, 10, 11, 12 and 13, ImageListHoriz from 3, Filled from "filled",
// Clicko from 4 to 8.
// Throws PictureError when one is missing, unreadable or not of its size.
BoardPieces LoadBoardPieces(const QString& folder);

}  // namespace ribaku::render
