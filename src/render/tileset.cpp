#include "render/tileset.h"

#include <QPainter>
#include <array>

#include "core/short_path.h"
#include "core/tiles.h"
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
const QImage& Tileset::TilesetBitmap() const {
    if (!tilesetBitmap_.isNull()) return tilesetBitmap_;
    static const QImage black = BlackPicture(kTilesetMinWidth, kTilesetMinHeight);
    return black;
}

const QImage& Tileset::TileImages() const {
    if (!tileImages_.isNull()) return tileImages_;
    static const QImage black = BlackPicture(kTileGridWidth, kTileGridHeight);
    return black;
}

PictureLoad Tileset::LoadTileset(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return PictureLoad::FileMissing;
    SetTilesetBitmap(LoadPicture(path), ShortPath(path));
    return PictureLoad::Loaded;
}

void Tileset::SetTilesetBitmap(const QImage& picture, const std::string& name) {
    if (picture.width() < kTilesetMinWidth || picture.height() < kTilesetMinHeight) {
        throw PictureError(
            name + ": a tileset picture needs at least " + std::to_string(kTilesetMinWidth) +
            " x " + std::to_string(kTilesetMinHeight) + " pixels, this one has " +
            std::to_string(picture.width()) + " x " + std::to_string(picture.height()));
    }
    tilesetBitmap_ = picture.convertToFormat(QImage::Format_RGB32);
    ChangeTexture();
}

void Tileset::ChangeTexture() {
    if (tileImages_.isNull()) tileImages_ = BlackPicture(kTileGridWidth, kTileGridHeight);
    const QImage& bitmap = TilesetBitmap();
    QPainter painter(&tileImages_);
    for (int face = 1; face <= kFaceCount; ++face) {
        const QPoint cell = TileImageRect(face).topLeft();
        const QPoint faceAt = cell + QPoint(kEdge, 0);
        const QRect bare = FaceRect(face);
        BitBlt(painter, cell, bitmap, kBlankTile, Rop::Copy);
        BitBlt(painter, faceAt, bitmap, bare.translated(0, kMaskOffset), Rop::And);
        BitBlt(painter, faceAt, bitmap, bare, Rop::Paint);
    }
}

}  // namespace ribaku::render
