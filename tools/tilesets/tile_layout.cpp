#include "tile_layout.h"

#include <stdexcept>

namespace tileset {

GridCell faceGrid(int face) {
    if (face >= 1 && face <= 9) return {face - 1, 2};     // Craks
    if (face >= 10 && face <= 18) return {face - 10, 1};  // Bamboos
    if (face >= 19 && face <= 27) return {face - 19, 0};  // Dots
    if (face >= 28 && face <= 31) return {face - 28, 4};  // Flowers
    if (face >= 32 && face <= 35) return {face - 32, 3};  // Seasons
    if (face >= 36 && face <= 38) return {face - 32, 4};  // Dragons
    if (face >= 39 && face <= 42) return {face - 35, 3};  // Winds
    throw std::out_of_range("face number outside 1..42");
}

QPoint facePlace(int face) {
    const GridCell cell = faceGrid(face);
    return {41 * cell.col + 1, 51 * cell.row + 1};
}

QPoint maskPlace(int face) {
    return facePlace(face) + QPoint(0, kMaskDrop);
}

namespace {

// The centre of pixel `x` of a picture drawn `scale` times the size, in the box's own units:
// halves and quarters, exact in a double.
double centre(int x, int scale) {
    return (x + 0.5) / scale;
}

}  // namespace

// Pixel centres decide: the left band is the face's left side swept down-left by 6 pixels,
// the bottom band its bottom side swept the same way; they meet on the diagonal x + y = 56.
TilePart tilePart(int x, int y, int scale) {
    if (x < 0 || y < 0 || x >= kTileWidth * scale || y >= kTileHeight * scale)
        return TilePart::Outside;
    const double cx = centre(x, scale);
    const double cy = centre(y, scale);
    if (cx > kEdge && cy < kFaceHeight) return TilePart::Face;
    const double diagonal = cx + cy;
    if (cx < kEdge && diagonal > kEdge && diagonal <= kFaceHeight + kEdge)
        return TilePart::LeftSide;
    if (cy > kFaceHeight && diagonal > kFaceHeight + kEdge && diagonal < kTileWidth + kFaceHeight)
        return TilePart::BottomSide;
    return TilePart::Outside;
}

bool insideSilhouette(int x, int y, int scale) {
    return tilePart(x, y, scale) != TilePart::Outside;
}

int sideDepth(int x, int y, int scale) {
    switch (tilePart(x, y, scale)) {
        case TilePart::LeftSide:
            return static_cast<int>(kEdge - centre(x, scale));
        case TilePart::BottomSide:
            return static_cast<int>(centre(y, scale) - kFaceHeight);
        default:
            return 0;
    }
}

}  // namespace tileset
