#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

namespace ribaku::desktop {

// The program's icon, two mah-jongg tiles of a matching pair, as a list of flat shapes on a
// 512 x 512 canvas: the same shapes make the PNG sizes and the SVG, so they cannot differ.
struct IconShape {
    enum class Kind { RoundedRect, Circle };
    Kind kind;
    QRectF box;         // a circle's box is its bounding square
    double radius = 0;  // the corners of a rounded rectangle
    QColor fill;
    QColor stroke;  // invalid: none
    double strokeWidth = 0;
};

inline constexpr int kIconCanvas = 512;

std::vector<IconShape> TileIconShapes();

// The shapes painted at `size` x `size` pixels, antialiased, on a transparent ground.
QImage PaintIcon(const std::vector<IconShape>& shapes, int size);

// The shapes as an SVG document over the 512 x 512 canvas.
QString IconSvg(const std::vector<IconShape>& shapes);

}  // namespace ribaku::desktop
