#include "synthetic_art.h"

#include <QPainter>

#include "render/tileset.h"

namespace ribaku::render::testing {

bool InSilhouette(int x, int y) {
    return x + y >= kEdge && (kTileWidth - 1 - x) + (kTileHeight - 1 - y) >= kEdge;
}

QColor SymbolColour(int col, int row) {
    return QColor(30 + 20 * col, 60 + 30 * row, 90);
}

namespace {

void DrawFaceCell(QImage& picture, int col, int row) {
    const QPoint face(41 * col + 1, 51 * row + 1);
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            const bool symbol = kSymbol.contains(x, y);
            picture.setPixelColor(face + QPoint(x, y), symbol ? SymbolColour(col, row) : Qt::black);
            picture.setPixelColor(face + QPoint(x, y + kMaskOffset),
                                  symbol ? Qt::black : Qt::white);
        }
    }
}

void DrawSpecialCells(QImage& picture) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const bool inside = InSilhouette(x, y);
            const bool face = x >= kEdge && y < kFaceHeight;
            const QColor blank = !inside ? QColor(Qt::black) : face ? kFaceGround : kEdgeColour;
            picture.setPixelColor(kBlankTile.topLeft() + QPoint(x, y), blank);
            picture.setPixelColor(kSilhouetteMask.topLeft() + QPoint(x, y),
                                  inside ? Qt::black : Qt::white);
        }
    }
    QPainter painter(&picture);
    painter.fillRect(kFirstColourFace, kFirstColour);
    painter.fillRect(kSecondColourFace, kSecondColour);
}

}  // namespace

QImage SyntheticTileset() {
    QImage picture(kTilesetMinWidth, kTilesetMinHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 9; ++col)
            DrawFaceCell(picture, col, row);
    }
    DrawSpecialCells(picture);
    return picture;
}

QImage ShadowPieceBitmap(int resource) {
    const bool horizontal = resource == 3;
    QImage piece(horizontal ? 20 : 10, horizontal ? 10 : 20, QImage::Format_RGB32);
    for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
            const bool even = (x + y) % 2 == 0;
            bool grey = false;
            switch (resource) {
                case 3:
                    grey = even;
                    break;
                case 9:
                    grey = y < 10 && even;
                    break;
                case 10:
                    grey = !even;
                    break;
                case 11:
                    grey = y < 10 && x >= y && even;
                    break;
                case 12:
                    grey = y < 10 && x <= y && even;
                    break;
                case 13:
                    grey = y < 15 && !even;
                    break;
            }
            piece.setPixelColor(x, y, grey ? kShadowGrey : Qt::black);
        }
    }
    return piece;
}

QImage ClicksBlockBitmap(int colour) {
    QImage block(38, 38, QImage::Format_RGB32);
    block.fill(ClicksBlockColour(colour));
    // Cut corners, which must stay transparent.
    block.setPixelColor(0, 0, Qt::black);
    block.setPixelColor(37, 37, Qt::black);
    return block;
}

QColor ClicksBlockColour(int colour) {
    return QColor::fromHsv(60 * colour, 255, 200);
}

BoardPieces SyntheticPieces() {
    const int list[6] = {9, 9, 10, 11, 12, 13};
    BoardPieces pieces;
    for (int i = 0; i < 6; ++i)
        pieces.ImageList[i] = TransparentWhereBlack(ShadowPieceBitmap(list[i]));
    pieces.ImageListHoriz = TransparentWhereBlack(ShadowPieceBitmap(3));
    pieces.Filled = QImage(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
    pieces.Filled.fill(Qt::white);
    for (int colour = 1; colour <= 5; ++colour)
        pieces.Clicko[colour - 1] = TransparentWhereBlack(ClicksBlockBitmap(colour));
    return pieces;
}

QImage PositionPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    }
    return picture;
}

}  // namespace ribaku::render::testing
