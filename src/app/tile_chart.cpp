#include "app/tile_chart.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/raster_ops.h"

namespace ribaku {
namespace {

struct Caption {
    int x;
    int y;
    const char* text;
};

constexpr Caption kCaptions[] = {
    {10, 14, "Craks (4 times each)"},    {10, 92, "Bamboos (4 times each)"},
    {10, 172, "Dots (4 times each)"},    {10, 252, "Flowers (once each)"},
    {305, 252, "Seasons (once each)"},   {440, 14, "Winds (4 times each)"},
    {440, 172, "Dragons (4 times each)"}};

// Narrow enough for "Seasons (once each)" to end before the line at x = 424.
QFont CaptionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setPixelSize(12);
    return font;
}

}  // namespace

QPoint TileChartPlace(int face) {
    if (face <= 9) return {10 + 45 * (face - 1), 34};
    if (face <= 18) return {10 + 45 * (face - 10), 114};
    if (face <= 27) return {10 + 45 * (face - 19), 194};
    if (face <= 31) return {10 + 45 * (face - 28), 274};
    if (face <= 35) return {235 + 45 * (face - 32), 274};
    if (face <= 38) return {440 + 45 * (face - 36), 194};
    if (face <= 40) return {440 + 45 * (face - 39), 34};
    return {440 + 45 * (face - 41), 114};
}

// Each face is the 40 x 50 face part of its composed tile, without the tile's edges.
// Captions are written black on a solid white ground, placed by their top-left corner.
void DrawTileChart(QImage& surface, const render::Tileset& tileset) {
    surface.fill(Qt::transparent);
    QPainter painter(&surface);
    for (int face = 1; face <= 42; ++face) {
        const QRect tile = render::TileImageRect(face);
        const QRect faceOnly(tile.x() + render::kEdge, tile.y() + 1, render::kFaceWidth,
                             render::kFaceHeight);
        render::BitBlt(painter, TileChartPlace(face), tileset.TileImages(), faceOnly,
                       render::Rop::Copy);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    for (const Caption& caption : kCaptions) {
        const QString text = QString::fromLatin1(caption.text);
        painter.fillRect(
            QRect(caption.x, caption.y, metrics.horizontalAdvance(text), metrics.height()),
            Qt::white);
        painter.drawText(caption.x, caption.y + metrics.ascent(), text);
    }
}

TileChartPanel::TileChartPanel(QWidget* parent)
    : PicturePanel(kSize, parent), chart_(kSize, QImage::Format_ARGB32_Premultiplied) {
    chart_.fill(Qt::transparent);
}

void TileChartPanel::DrawChart(const render::Tileset& tileset) {
    DrawTileChart(chart_, tileset);
    update();
}

void TileChartPanel::paintOverPicture(QPainter& painter) {
    painter.drawImage(0, 0, chart_);
    painter.setPen(QPen(QColor(96, 48, 24), 1));
    painter.drawLine(kLineX, 8, kLineX, height() - 9);
}

}  // namespace ribaku
