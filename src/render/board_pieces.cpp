#include "render/board_pieces.h"

#include <QImageReader>
#include <QSize>

#include "render/picture_error.h"

namespace ribaku::render {
namespace {

QImage ReadPiece(const QString& folder, const QString& name, QSize size) {
    const QString path = folder + '/' + name + ".bmp";
    QImageReader reader(path, "bmp");
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(path.toStdString() + ": " + reader.errorString().toStdString());
    }
    if (image.size() != size) {
        throw PictureError(path.toStdString() + ": expected a picture of " +
                           std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                           " pixels");
    }
    return image;
}

}  // namespace

QImage TransparentWhereBlack(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0) line[x] = 0;
        }
    }
    return result;
}

namespace {

QImage Doubled(const QImage& picture, Qt::TransformationMode mode) {
    return picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, mode);
}

}  // namespace

BoardPieces DoubledPieces(const BoardPieces& pieces) {
    BoardPieces doubled;
    for (size_t i = 0; i < pieces.ImageList.size(); ++i)
        doubled.ImageList[i] = Doubled(pieces.ImageList[i], Qt::FastTransformation);
    doubled.ImageListHoriz = Doubled(pieces.ImageListHoriz, Qt::FastTransformation);
    doubled.Filled = Doubled(pieces.Filled, Qt::FastTransformation);
    for (size_t i = 0; i < pieces.Clicko.size(); ++i)
        doubled.Clicko[i] = Doubled(pieces.Clicko[i], Qt::SmoothTransformation);
    return doubled;
}

BoardPieces LoadBoardPieces(const QString& folder) {
    static constexpr const char* kListResources[6] = {"9", "9", "10", "11", "12", "13"};
    BoardPieces pieces;
    for (int i = 0; i < 6; ++i) {
        pieces.ImageList[i] =
            TransparentWhereBlack(ReadPiece(folder, kListResources[i], QSize(10, 20)));
    }
    pieces.ImageListHoriz = TransparentWhereBlack(ReadPiece(folder, "3", QSize(20, 10)));
    pieces.Filled =
        ReadPiece(folder, "filled", QSize(40, 50)).convertToFormat(QImage::Format_RGB32);
    for (int colour = 0; colour < 5; ++colour) {
        pieces.Clicko[colour] =
            TransparentWhereBlack(ReadPiece(folder, QString::number(colour + 4), QSize(38, 38)));
    }
    return pieces;
}

}  // namespace ribaku::render
