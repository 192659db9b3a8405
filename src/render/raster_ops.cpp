#include "render/raster_ops.h"

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

void BitBlt(QPainter& painter, QPoint to, const QImage& source, const QRect& from, Rop rop) {
    painter.setCompositionMode(ModeOf(rop));
    painter.drawImage(to, source, from);
}

QImage BlackPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

}  // namespace ribaku::render
