#pragma once

#include <QImage>
#include <QPoint>

#include "app/picture_panel.h"
#include "render/tileset.h"

namespace ribaku {

// Where the chart shows face 1..42: suits on the left, honours right of the line.
QPoint TileChartPlace(int face);

// Draws every face of the tileset in use, with the group captions, onto a transparent
// surface of the chart's size.
void DrawTileChart(QImage& surface, const render::Tileset& tileset);

// The "Tiles" page: the decorative picture, the chart over it and the line between the
// suits and the honours.
class TileChartPanel : public PicturePanel {
    Q_OBJECT
public:
    explicit TileChartPanel(QWidget* parent);

    void DrawChart(const render::Tileset& tileset);
    const QImage& chart() const { return chart_; }

    static constexpr QSize kSize{593, 353};
    static constexpr int kLineX = 424;

protected:
    void paintOverPicture(QPainter& painter) override;

private:
    QImage chart_;
};

}  // namespace ribaku
