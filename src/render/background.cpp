#include "render/background.h"

#include <QPainter>

#include "render/picture_loader.h"
#include "render/raster_ops.h"

namespace ribaku::render {

const QImage& Background::BackgroundBitmap(int scale) const {
    if (backgroundBitmap_.isNull()) {
        if (scale == 1) {
            static const QImage black = BlackPicture(kBoardWidth, kBoardHeight);
            return black;
        }
        static const QImage black = BlackPicture(2 * kBoardWidth, 2 * kBoardHeight);
        return black;
    }
    if (scale == 1) return backgroundBitmap_;
    if (doubled_.isNull()) {
        doubled_ = backgroundBitmap_.scaled(backgroundBitmap_.size() * 2, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
    }
    return doubled_;
}

void Background::MakeBitmap() {
    if (backgroundBitmap_.isNull()) backgroundBitmap_ = BlackPicture(kBoardWidth, kBoardHeight);
}

PictureLoad Background::NouveauFond(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return PictureLoad::FileMissing;
    SetPicture(LoadPicture(path));
    return PictureLoad::Loaded;
}

void Background::SetPicture(const QImage& picture) {
    // A picture of the board's size is the background as it stands, shared, not copied.
    if (picture.size() == QSize(kBoardWidth, kBoardHeight) &&
        picture.format() == QImage::Format_RGB32) {
        backgroundBitmap_ = picture;
        doubled_ = QImage();
        return;
    }
    if (picture.isNull()) return;
    MakeBitmap();
    {
        QPainter painter(&backgroundBitmap_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const int width = picture.width();
        const int height = picture.height();
        if (width >= kBoardWidth && height >= kBoardHeight) {
            painter.drawImage(0, 0, picture);
        } else {
            for (int y = 0; y < kBoardHeight; y += height) {
                for (int x = 0; x < kBoardWidth; x += width)
                    painter.drawImage(x, y, picture);
            }
        }
    }
    doubled_ = QImage();
}

void Background::FillTeal() {
    MakeBitmap();
    {
        QPainter painter(&backgroundBitmap_);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(0, 128, 128));
        // The outline of a one-pixel pen runs along the inside of the picture's border.
        painter.drawRect(0, 0, kBoardWidth - 1, kBoardHeight - 1);
    }
    doubled_ = QImage();
}

}  // namespace ribaku::render
