#include "render/tileset.h"

#include <QPainter>
#include <array>

#include "core/short_path.h"
#include "core/tiles.h"
#include "render/doubled_picture_path.h"
#include "render/picture_loader.h"
#include "render/raster_ops.h"

namespace ribaku::render {
namespace {

// Dots, Bamboos and Craks fill the first three rows; Seasons and Winds the fourth;
// Flowers and Dragons the fifth.
constexpr std::array<TFaceCell, kFaceCount + 1> kFaceGrid = [] {
    std::array<TFaceCell, kFaceCount + 1> grid{};
    for (int i = 0; i < 9; ++i) {
        grid[1 + i] = {i, 2};   // Craks
        grid[10 + i] = {i, 1};  // Bamboos
        grid[19 + i] = {i, 0};  // Dots
    }
    for (int i = 0; i < 4; ++i) {
        grid[28 + i] = {i, 4};      // Flowers
        grid[32 + i] = {i, 3};      // Seasons
        grid[39 + i] = {4 + i, 3};  // Winds
    }
    for (int i = 0; i < 3; ++i)
        grid[36 + i] = {4 + i, 4};  // Dragons
    return grid;
}();

}  // namespace

TFaceCell FaceGrid(int face) {
    return (face >= 1 && face <= kFaceCount) ? kFaceGrid[face] : TFaceCell{};
}

QRect FaceRect(int face) {
    const TFaceCell cell = FaceGrid(face);
    return {41 * cell.col + 1, 51 * cell.row + 1, kFaceWidth, kFaceHeight};
}

QRect TileImageRect(int face) {
    const TFaceCell cell = FaceGrid(face);
    return {kTileWidth * cell.col, kTileHeight * cell.row, kTileWidth, kTileHeight};
}

// Until a tileset is loaded, black pictures just large enough: the tiles are then black.
const QImage& Tileset::TilesetBitmap(int scale) const {
    if (scale != 1) MakeDoubled();
    if (!tilesetBitmaps_[scale - 1].isNull()) return tilesetBitmaps_[scale - 1];
    if (scale == 1) {
        static const QImage black = BlackPicture(kTilesetMinWidth, kTilesetMinHeight);
        return black;
    }
    static const QImage black =
        BlackPicture(kMaxScale * kTilesetMinWidth, kMaxScale * kTilesetMinHeight);
    return black;
}

const QImage& Tileset::TileImages(int scale) const {
    if (scale != 1) MakeDoubled();
    if (!tileImages_[scale - 1].isNull()) return tileImages_[scale - 1];
    if (scale == 1) {
        static const QImage black = BlackPicture(kTileGridWidth, kTileGridHeight);
        return black;
    }
    static const QImage black =
        BlackPicture(kMaxScale * kTileGridWidth, kMaxScale * kTileGridHeight);
    return black;
}

namespace {

void CheckTilesetSize(const QImage& picture, const std::string& name, int scale) {
    const int width = scale * kTilesetMinWidth;
    const int height = scale * kTilesetMinHeight;
    if (picture.width() >= width && picture.height() >= height) return;
    throw PictureError(name + ": a tileset picture needs at least " + std::to_string(width) +
                       " x " + std::to_string(height) + " pixels, this one has " +
                       std::to_string(picture.width()) + " x " + std::to_string(picture.height()));
}

}  // namespace

void Tileset::MakeDoubled() const {
    if (tilesetBitmaps_[0].isNull() || !tilesetBitmaps_[1].isNull()) return;
    if (doubledSource_.isNull() && !doubledPath_.empty()) {
        // A picture beside the tileset that cannot serve leaves the enlargement below.
        try {
            const QImage doubled = LoadPicture(doubledPath_);
            CheckTilesetSize(doubled, ShortPath(doubledPath_), kMaxScale);
            doubledSource_ = doubled;
        } catch (const std::runtime_error&) {  // unreadable, damaged or too small
        }
        doubledPath_.clear();
    }
    // A player's own tileset has no larger picture: its own, enlarged, is the best there is.
    tilesetBitmaps_[1] =
        doubledSource_.isNull()
            ? tilesetBitmaps_[0].scaled(tilesetBitmaps_[0].size() * kMaxScale,
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            : doubledSource_.convertToFormat(QImage::Format_RGB32);
    ComposeTiles(kMaxScale);
}

PictureLoad Tileset::LoadTileset(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return PictureLoad::FileMissing;
    SetTilesetBitmap(LoadPicture(path), ShortPath(path));
    // Read when a board at twice the size first needs it.
    const std::filesystem::path doubledPath = DoubledPicturePath(path);
    if (std::filesystem::is_regular_file(doubledPath, ec)) doubledPath_ = doubledPath;
    return PictureLoad::Loaded;
}

void Tileset::SetTilesetBitmap(const QImage& picture, const std::string& name,
                               const QImage& doubled) {
    CheckTilesetSize(picture, name, 1);
    if (!doubled.isNull()) CheckTilesetSize(doubled, name + " at twice the size", kMaxScale);
    tilesetBitmaps_[0] = picture.convertToFormat(QImage::Format_RGB32);
    doubledSource_ = doubled;
    doubledPath_.clear();
    ChangeTexture();
}

void Tileset::ChangeTexture() {
    ComposeTiles(1);
    tilesetBitmaps_[1] = QImage();
    tileImages_[1] = QImage();
}

void Tileset::ComposeTiles(int scale) const {
    QImage& tiles = tileImages_[scale - 1];
    if (tiles.isNull()) tiles = BlackPicture(scale * kTileGridWidth, scale * kTileGridHeight);
    const QImage& bitmap = TilesetBitmap(scale);
    QPainter painter(&tiles);
    for (int face = 1; face <= kFaceCount; ++face) {
        const QPoint cell = TileImageRect(face).topLeft() * scale;
        const QPoint faceAt = cell + QPoint(kEdge, 0) * scale;
        const QRect bare = Scaled(FaceRect(face), scale);
        BitBlt(painter, cell, bitmap, Scaled(kBlankTile, scale), Rop::Copy);
        BitBlt(painter, faceAt, bitmap, bare.translated(0, scale * kMaskOffset), Rop::And);
        BitBlt(painter, faceAt, bitmap, bare, Rop::Paint);
    }
}

}  // namespace ribaku::render
