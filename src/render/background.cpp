#include "render/background.h"

#include <QPainter>
#include <stdexcept>

#include "render/doubled_picture_path.h"
#include "render/picture_loader.h"
#include "render/raster_ops.h"

namespace ribaku::render {
namespace {

// Paints `picture` over the whole of `board`: repeated from the top-left corner where it is
// smaller, cut off at the right and bottom where it is larger.
void Cover(QImage& board, const QImage& picture) {
    QPainter painter(&board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < board.height(); y += picture.height()) {
        for (int x = 0; x < board.width(); x += picture.width())
            painter.drawImage(x, y, picture);
    }
}

}  // namespace

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
    if (doubled_.isNull()) ReadDoubled();
    if (doubled_.isNull()) {
        doubled_ = backgroundBitmap_.scaled(backgroundBitmap_.size() * 2, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
    }
    return doubled_;
}

void Background::ReadDoubled() const {
    if (doubledPath_.empty()) return;
    QImage doubled;
    // A player's picture beside the background may be anything: one that cannot serve
    // leaves the enlargement.
    try {
        doubled = LoadPicture(doubledPath_);
    } catch (const std::runtime_error&) {  // unreadable or damaged
    }
    doubledPath_.clear();
    if (doubled.size() != pictureSize_ * 2) return;
    doubled_ = BlackPicture(2 * kBoardWidth, 2 * kBoardHeight);
    Cover(doubled_, doubled);
}

void Background::MakeBitmap() {
    if (backgroundBitmap_.isNull()) backgroundBitmap_ = BlackPicture(kBoardWidth, kBoardHeight);
}

PictureLoad Background::NouveauFond(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return PictureLoad::FileMissing;
    SetPicture(LoadPicture(path));
    // Read when a board at twice the size first needs it.
    const std::filesystem::path doubledPath = DoubledPicturePath(path);
    if (std::filesystem::is_regular_file(doubledPath, ec)) doubledPath_ = doubledPath;
    return PictureLoad::Loaded;
}

void Background::SetPicture(const QImage& picture) {
    if (picture.isNull()) return;
    pictureSize_ = picture.size();
    doubled_ = QImage();
    doubledPath_.clear();
    // A picture of the board's size is the background as it stands, shared, not copied.
    if (picture.size() == QSize(kBoardWidth, kBoardHeight) &&
        picture.format() == QImage::Format_RGB32) {
        backgroundBitmap_ = picture;
        return;
    }
    MakeBitmap();
    Cover(backgroundBitmap_, picture);
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
    doubledPath_.clear();
}

}  // namespace ribaku::render
