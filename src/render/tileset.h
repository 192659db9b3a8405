#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <filesystem>
#include <string>

#include "render/picture_error.h"

namespace ribaku::render {

// A tile face is 40 x 50 pixels; the whole tile, with its 6-pixel left and bottom edges,
// is 46 x 56.
inline constexpr int kFaceWidth = 40;
inline constexpr int kFaceHeight = 50;
inline constexpr int kEdge = 6;
inline constexpr int kTileWidth = kFaceWidth + kEdge;
inline constexpr int kTileHeight = kFaceHeight + kEdge;

// The special cells of a tileset picture, below its grid of faces.
inline constexpr QRect kBlankTile{0, 256, kTileWidth, kTileHeight};
inline constexpr QRect kBlankFace{6, 256, kFaceWidth, kFaceHeight};
inline constexpr QRect kFirstColourFace{52, 256, kFaceWidth, kFaceHeight};
inline constexpr QRect kSecondColourFace{98, 256, kFaceWidth, kFaceHeight};
inline constexpr QRect kSilhouetteMask{138, 256, kTileWidth, kTileHeight};
// The bottom-right corner of the silhouette: the end of a tile's bottom edge.
inline constexpr QRect kEdgeEndMask{178, 306, kEdge, kEdge};
// A face's mask lies this far below the face.
inline constexpr int kMaskOffset = 312;
// The face masks reach down to here and the special cells out to here.
inline constexpr int kTilesetMinWidth = 369;
inline constexpr int kTilesetMinHeight = 567;

// A screen of twice the density gets the board drawn at twice the size, from a tileset
// picture whose cells are the same table with every number doubled.
inline constexpr int kMaxScale = 2;
// `rect` in the pixels of a picture drawn `scale` times the size.
inline QRect Scaled(const QRect& rect, int scale) {
    return {rect.topLeft() * scale, rect.size() * scale};
}

// Where face 1..42 lies in the tileset's grid of 9 columns and 5 rows.
struct TFaceCell {
    int col = 0;
    int row = 0;
};
TFaceCell FaceGrid(int face);

// The bare face, 40 x 50, of face 1..42 in the tileset picture; its mask is kMaskOffset lower.
QRect FaceRect(int face);
// The composed tile of face 1..42 in TileImages, 46 x 56; the face at (6, 0) within it.
QRect TileImageRect(int face);

// The composed tiles fill a grid of 9 columns and 5 rows.
inline constexpr int kTileGridWidth = 9 * kTileWidth;
inline constexpr int kTileGridHeight = 5 * kTileHeight;

// The tileset picture as loaded, and the 42 tiles composed from it once, so that drawing a
// tile on the board is a mask and a paint. Nothing is made before the first tileset.
class Tileset {
public:
    // A missing file is reported as FileMissing (the "Tileset" menu then asks for a file).
    // "name@2x.bmp" beside "name.bmp", when there is one, is the picture at twice the size.
    // Throws PictureError when the file cannot be read or is too small for a tileset;
    // the previous tileset then stays.
    PictureLoad LoadTileset(const std::filesystem::path& path);

    // Takes `picture` as the tileset and composes the tiles. Without `doubled`, the picture
    // at twice the size is `picture` smoothly enlarged. Throws PictureError, naming `name`,
    // when a picture is smaller than the tileset layout at its scale; nothing changes then.
    void SetTilesetBitmap(const QImage& picture, const std::string& name,
                          const QImage& doubled = {});

    // Composes TileImages from TilesetBitmap; at twice the size when a board drawn at that
    // size first asks for them.
    void ChangeTexture();

    // Both black until a tileset is loaded; `scale` is 1 or kMaxScale.
    const QImage& TilesetBitmap(int scale = 1) const;
    const QImage& TileImages(int scale = 1) const;

private:
    void ComposeTiles(int scale) const;
    // The pictures at twice the size, made at their first use: most screens never need them,
    // and they would cost several megabytes.
    void MakeDoubled() const;

    mutable QImage doubledSource_;               // the picture at twice the size, if there is one
    mutable std::filesystem::path doubledPath_;  // its file, until it is read
    mutable std::array<QImage, kMaxScale> tilesetBitmaps_;  // by scale - 1
    mutable std::array<QImage, kMaxScale> tileImages_;
};

}  // namespace ribaku::render
