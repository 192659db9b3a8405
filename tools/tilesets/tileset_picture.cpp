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

QString doubledFileName(const TilesetStyle& style) {
    return style.fileName.section('.', 0, 0) + "@2x.bmp";
}

QImage drawTilesetPicture(const TilesetStyle& style, const std::vector<FaceArt>& faces, int scale) {
    QImage picture(kPictureWidth * scale, kPictureHeight * scale, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.save();
    painter.scale(scale, scale);
    drawCellLines(painter);
    painter.restore();
    const QSize faceSize(kFaceWidth * scale, kFaceHeight * scale);
    for (int face = 1; face <= kFaceCount; ++face) {
        painter.drawImage(facePlace(face) * scale, faces[face - 1].picture);
        painter.drawImage(maskPlace(face) * scale, faces[face - 1].mask);
    }
    painter.drawImage(kBlankTile * scale, blankTile(style.border, scale));
    painter.fillRect(QRect(kSelectionColour * scale, faceSize), selectionColour());
    painter.fillRect(QRect(kHintColour * scale, faceSize), hintColour());
    painter.drawImage(kSilhouette * scale, silhouetteMask(scale));
    painter.end();
    return picture;
}

}  // namespace tileset
