#include "tile_icon.h"

#include <QPainter>
#include <QPen>

namespace ribaku::desktop {
namespace {

const QColor kJade(0x1f, 0x6b, 0x4f);
const QColor kJadeEdge(0x12, 0x44, 0x32);
const QColor kIvory(0xf7, 0xf0, 0xdc);
const QColor kIvoryEdge(0xb8, 0xa8, 0x86);
const QColor kInk(0x23, 0x4a, 0x8c);
const QColor kCinnabar(0xc8, 0x32, 0x28);

// A tile: its jade back showing below and right of its ivory face.
void AddTile(std::vector<IconShape>& shapes, QPointF face, double width, double height) {
    const double depth = width * 0.12;
    shapes.push_back({IconShape::Kind::RoundedRect,
                      QRectF(face.x() + depth, face.y() + depth, width, height), width * 0.12,
                      kJade, kJadeEdge, width * 0.025});
    shapes.push_back({IconShape::Kind::RoundedRect, QRectF(face, QSizeF(width, height)),
                      width * 0.12, kIvory, kIvoryEdge, width * 0.025});
}

// The face of the one of circles: a large wheel of ink and cinnabar rings.
void AddWheel(std::vector<IconShape>& shapes, QPointF centre, double radius) {
    const auto ring = [&](double r, QColor fill) {
        shapes.push_back({IconShape::Kind::Circle,
                          QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, fill, QColor(),
                          0});
    };
    ring(radius, kInk);
    ring(radius * 0.78, kIvory);
    ring(radius * 0.62, kCinnabar);
    ring(radius * 0.38, kIvory);
    ring(radius * 0.22, kInk);
}

QString SvgColour(const QColor& colour) {
    return colour.isValid() ? colour.name() : QStringLiteral("none");
}

}  // namespace

std::vector<IconShape> TileIconShapes() {
    std::vector<IconShape> shapes;
    // The pair's other tile stands behind, up and to the left, its face half hidden.
    AddTile(shapes, {40, 24}, 300, 392);
    AddWheel(shapes, {190, 220}, 110);
    AddTile(shapes, {150, 84}, 300, 392);
    AddWheel(shapes, {300, 280}, 110);
    return shapes;
}

QImage PaintIcon(const std::vector<IconShape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kIconCanvas, double(size) / kIconCanvas);
    for (const IconShape& shape : shapes) {
        painter.setBrush(shape.fill);
        painter.setPen(shape.stroke.isValid() ? QPen(shape.stroke, shape.strokeWidth)
                                              : QPen(Qt::NoPen));
        if (shape.kind == IconShape::Kind::Circle)
            painter.drawEllipse(shape.box);
        else
            painter.drawRoundedRect(shape.box, shape.radius, shape.radius);
    }
    return image;
}

QString IconSvg(const std::vector<IconShape>& shapes) {
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconCanvas);
    for (const IconShape& shape : shapes) {
        const QString paint = QStringLiteral("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(SvgColour(shape.fill), SvgColour(shape.stroke))
                                  .arg(shape.strokeWidth);
        const QRectF& box = shape.box;
        if (shape.kind == IconShape::Kind::Circle) {
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n")
                       .arg(box.center().x())
                       .arg(box.center().y())
                       .arg(box.width() / 2)
                       .arg(paint);
        } else {
            svg += QStringLiteral(
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
                       .arg(box.x())
                       .arg(box.y())
                       .arg(box.width())
                       .arg(box.height())
                       .arg(shape.radius)
                       .arg(paint);
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

}  // namespace ribaku::desktop
