#include "tileset_picture.h"

#include <QPainter>

#include "tile_body.h"
#include "tile_layout.h"

namespace tileset {
namespace {

// Lines between the cells, only to make the picture easy to read in an image viewer.
void drawCellLines(QPainter& painter) {
    painter.setPen(QColor(80, 80, 80));
    for (int row = 0; row <= 5; ++row) {
        painter.drawLine(0, 51 * row, 368, 51 * row);
        painter.drawLine(0, 51 * row + kMaskDrop, 368, 51 * row + kMaskDrop);
    }
    for (int col = 0; col <= 9; ++col) {
        painter.drawLine(41 * col, 0, 41 * col, 255);
        painter.drawLine(41 * col, kMaskDrop, 41 * col, kMaskDrop + 255);
    }
}

}  // namespace

const std::array<TilesetStyle, 4>& builtInTilesets() {
    static const std::array<TilesetStyle, 4> styles = {{
        {"pai.bmp", QColor(226, 116, 26), false},
        {"darkpai.bmp", QColor(72, 46, 34), false},
        {"bluepai.bmp", QColor(38, 92, 176), false},
        {"pai256.bmp", QColor(28, 128, 92), true},
    }};
    return styles;
}

QColor selectionColour() {
    return {255, 214, 84};
}
QColor hintColour() {
    return {150, 214, 246};
}

QImage drawTilesetPicture(const TilesetStyle& style, const std::vector<FaceArt>& faces) {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    drawCellLines(painter);
    for (int face = 1; face <= kFaceCount; ++face) {
        painter.drawImage(facePlace(face), faces[face - 1].picture);
        painter.drawImage(maskPlace(face), faces[face - 1].mask);
    }
    painter.drawImage(kBlankTile, blankTile(style.border));
    painter.fillRect(QRect(kSelectionColour, QSize(kFaceWidth, kFaceHeight)), selectionColour());
    painter.fillRect(QRect(kHintColour, QSize(kFaceWidth, kFaceHeight)), hintColour());
    painter.drawImage(kSilhouette, silhouetteMask());
    painter.end();
    return picture;
}

}  // namespace tileset
