#include "render/raster_ops.h"

#include <algorithm>

namespace ribaku::render {
namespace {

QPainter::CompositionMode ModeOf(Rop rop) {
    switch (rop) {
        case Rop::And:
            return QPainter::RasterOp_SourceAndDestination;
        case Rop::Paint:
            return QPainter::RasterOp_SourceOrDestination;
        case Rop::Invert:
            return QPainter::RasterOp_SourceXorDestination;
        case Rop::Copy:
            break;
    }
    return QPainter::CompositionMode_Source;
}

}  // namespace

// The toolkit hands a blend of more than about 96 lines to its thread pool. For a tile
// piece the hand-over costs more than the blend itself, and a board at twice the size has
// hundreds of pieces that tall, so each is drawn in bands short enough to stay here.
constexpr int kBandLines = 64;

void BitBlt(QPainter& painter, QPoint to, const QImage& source, const QRect& from, Rop rop) {
    painter.setCompositionMode(ModeOf(rop));
    for (int top = 0; top < from.height(); top += kBandLines) {
        const int lines = std::min(kBandLines, from.height() - top);
        painter.drawImage(to + QPoint(0, top), source,
                          QRect(from.x(), from.y() + top, from.width(), lines));
    }
}

QImage BlackPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

}  // namespace ribaku::render
