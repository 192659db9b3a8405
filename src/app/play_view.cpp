// What the play asks of the window: the status bar's values, the menu glyphs of the pause
// group, the side panel's current-tile box and the help dialog.
#include <QAction>
#include <QPainter>
#include <QPixmapCache>

#include "app/ribaku_window.h"
#include "app/status_line.h"
#include "app/toolbar.h"
#include "core/tiles.h"
#include "render/raster_ops.h"

namespace ribaku {
namespace {

// The current-tile box of the side panel.
constexpr QRect kCurrentTileBox{24, 390, render::kTileWidth, render::kTileHeight};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void TRibaku::SetTilesLeftText(const std::string& text) {
    status_->setTiles(Text(text));
}

void TRibaku::SetMovesLeftText(const std::string& text) {
    status_->setMoves(Text(text));
}

void TRibaku::SetTimeText(const std::string& text) {
    status_->setTime(Text(text));
}

void TRibaku::SetPauseButtons() {
    const std::pair<const char*, Toolbar::Button> items[] = {{"&Back", Toolbar::Back},
                                                             {"&Hint", Toolbar::Hint},
                                                             {"Shu&ffle", Toolbar::Shuffle},
                                                             {"&Pause", Toolbar::Pause},
                                                             {"&Continue", Toolbar::Pause}};
    for (const auto& [caption, button] : items)
        if (QAction* item = action(QString::fromUtf8(caption)))
            item->setIcon(tools_->glyph(button));
}

void TRibaku::RedrawHOF() {
    hofBox_->repaint();
}

// The tile's face over the panel background: the tile-body mask ANDed in, then the composed
// tile ORed over it. Tile 0 leaves the background alone.
void TRibaku::ShowCurrentTileBox(int tile) {
    const QString backgroundKey = QStringLiteral("ribaku-hof-background");
    QPixmap background;
    if (!QPixmapCache::find(backgroundKey, &background)) {
        background = QPixmap(Text((programDir_ / "hof.bmp").string()));
        QPixmapCache::insert(backgroundKey, background);
    }
    QImage panel = hofBox_->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (panel.isNull()) return;
    {
        QPainter painter(&panel);
        painter.drawPixmap(kCurrentTileBox.topLeft(), background, kCurrentTileBox);
        if (tile > 0) {
            render::BitBlt(painter, kCurrentTileBox.topLeft(), tileset_.TilesetBitmap(),
                           render::kSilhouetteMask, render::Rop::And);
            render::BitBlt(painter, kCurrentTileBox.topLeft(), tileset_.TileImages(),
                           render::TileImageRect(TileFace(tile)), render::Rop::Paint);
        }
    }
    hofBox_->setPixmap(QPixmap::fromImage(panel));
}

void TRibaku::CallHelp(HelpPage page) {
    if (openHelp) openHelp(page);
}

}  // namespace ribaku
