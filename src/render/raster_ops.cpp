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

}  // namespace ribaku::render
