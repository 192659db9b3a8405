#include "layout_preview.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <stdexcept>

namespace layoutgen {
namespace {

// One colour per level, so that the height of every part of a shape reads at a glance.
QColor FaceColour(int level) {
    static const QColor colours[kLevels] = {
        {196, 178, 140}, {222, 206, 150}, {236, 222, 176}, {246, 238, 206}, {255, 252, 240}};
    return colours[level - 1];
}
QColor EdgeColour(int level) {
    return FaceColour(level).darker(160);
}

void DrawTile(QPainter& painter, int column, int row, int level) {
    const auto [x, y] = FaceTopLeft(column, row, level);
    const QPolygon edge(
        {{x, y}, {x - 6, y + 6}, {x - 6, y + 56}, {x + 34, y + 56}, {x + 40, y + 50}, {x, y + 50}});
    painter.setPen(QColor(60, 45, 30));
    painter.setBrush(EdgeColour(level));
    painter.drawPolygon(edge);
    painter.setBrush(FaceColour(level));
    painter.drawRect(x, y, 39, 49);
}

}  // namespace

void WritePreview(const Layout& layout, const std::filesystem::path& file) {
    QImage image(704, 468, QImage::Format_RGB32);
    image.fill(QColor(24, 70, 52));
    QPainter painter(&image);
    // The board's own drawing order: each tile covers the edges of those right of and above it.
    for (int level = 1; level <= kLevels; ++level)
        for (int column = kColumns; column >= 1; --column)
            for (int row = 1; row <= kRows; ++row)
                if (layout.cells[CellIndex(column, row, level)] != 0)
                    DrawTile(painter, column, row, level);
    painter.end();
    if (!image.save(QString::fromStdString(file.string())))
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace layoutgen
