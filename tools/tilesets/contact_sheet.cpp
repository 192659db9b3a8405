#include "contact_sheet.h"

#include <QPainter>

#include "tile_layout.h"

namespace tileset {
namespace {

const QRect kTileBox(0, 0, kTileWidth, kTileHeight);
const QSize kFaceSize(kFaceWidth, kFaceHeight);

QRect tileImageRect(int face) {
    const GridCell cell = faceGrid(face);
    return {46 * cell.col, 56 * cell.row, kTileWidth, kTileHeight};
}

// A tile on the board: silhouette ANDed, composed tile ORed (box top-left at `box`).
void placeTile(QPainter& painter, const QImage& tileset, const QImage& tiles, int face,
               const QPoint& box) {
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(box, tileset, QRect(kSilhouette, kTileBox.size()));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(box, tiles, tileImageRect(face));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// A marked face: colour cell copied, face mask ANDed, face ORed.
void highlightFace(QPainter& painter, const QImage& tileset, int face, const QPoint& colourCell,
                   const QPoint& at) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, tileset, QRect(colourCell, kFaceSize));
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, tileset, QRect(maskPlace(face), kFaceSize));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, tileset, QRect(facePlace(face), kFaceSize));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Two levels of tiles, the upper one 6 pixels up and right of the tiles beneath it, drawn in the
// game's order (level by level, columns right to left, rows top to bottom), with two faces marked.
void drawStack(QPainter& painter, const QImage& tileset, const QImage& tiles,
               const QPoint& origin) {
    int face = 1;
    for (int level = 1; level <= 2; ++level) {
        const int columns = level == 1 ? 6 : 4;
        for (int col = columns - 1; col >= 0; --col) {
            for (int row = 0; row < 2; ++row) {
                const QPoint faceAt =
                    origin + QPoint(40 * (col + level - 1) + 6 * level, 50 * row - 6 * level);
                placeTile(painter, tileset, tiles, face, faceAt - QPoint(kEdge, 0));
                if (level == 2 && row == 0 && col == 1)
                    highlightFace(painter, tileset, face, kSelectionColour, faceAt);
                if (level == 1 && row == 1 && col == 5)
                    highlightFace(painter, tileset, face, kHintColour, faceAt);
                face = (face + 4) % kFaceCount + 1;
            }
        }
    }
}

}  // namespace

QImage composeTileImages(const QImage& tilesetPicture) {
    const QImage tileset = tilesetPicture.convertToFormat(QImage::Format_RGB32);
    QImage tiles(9 * kTileWidth, 5 * kTileHeight, QImage::Format_RGB32);
    tiles.fill(Qt::black);
    QPainter painter(&tiles);
    for (int face = 1; face <= kFaceCount; ++face) {
        const QPoint cell = tileImageRect(face).topLeft();
        const QPoint faceAt = cell + QPoint(kEdge, 0);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(cell, tileset, QRect(kBlankTile, kTileBox.size()));
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(faceAt, tileset, QRect(maskPlace(face), kFaceSize));
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(faceAt, tileset, QRect(facePlace(face), kFaceSize));
    }
    return tiles;
}

QImage contactSheet(const QImage& tilesetPicture) {
    const QImage tileset = tilesetPicture.convertToFormat(QImage::Format_RGB32);
    const QImage tiles = composeTileImages(tileset);
    constexpr int kPitchX = 52, kPitchY = 62, kMargin = 10;
    QImage sheet(kMargin * 2 + 9 * kPitchX, kMargin * 3 + 5 * kPitchY + 120, QImage::Format_RGB32);
    sheet.fill(QColor(64, 72, 88));
    QPainter painter(&sheet);
    for (int face = 1; face <= kFaceCount; ++face) {
        const GridCell cell = faceGrid(face);
        placeTile(painter, tileset, tiles, face,
                  {kMargin + kPitchX * cell.col, kMargin + kPitchY * cell.row});
    }
    drawStack(painter, tileset, tiles, {kMargin + 20, kMargin * 2 + 5 * kPitchY + 10});
    return sheet;
}

}  // namespace tileset
