#include "render/hall_panel.h"

#include <QFontMetrics>
#include <QPainter>

#include "play/time_text.h"
#include "render/raster_ops.h"

namespace ribaku::render {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kWhite(255, 255, 255);

// Sizes in points at the 96 pixels per inch the panel was laid out for.
int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

QFont PanelFont(const QStringList& families, int points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Text placed by the top-left corner of its line, as the panel's positions are given.
void TextOut(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + QFontMetrics(painter.font()).ascent()), text);
}

void DrawPanelText(QPainter& painter, const TPanelText& text) {
    TextOut(painter, text.x, text.y, QString::fromStdString(text.text));
}

}  // namespace

HallPanel::HallPanel()
    : hofPic_(kHallPanelSize, QImage::Format_RGB32),
      saveHof_(kHallPanelSize, QImage::Format_RGB32),
      hofBox_(kHallPanelSize, QImage::Format_RGB32) {
    hofPic_.fill(Qt::black);
    saveHof_.fill(Qt::black);
    hofBox_.fill(Qt::black);
}

void HallPanel::SetPicture(const QImage& picture) {
    hofPic_.fill(Qt::black);
    if (picture.isNull()) return;
    QPainter painter(&hofPic_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(hofPic_.rect(), picture.convertToFormat(QImage::Format_RGB32));
}

QFont HallPanel::TitleFont() {
    return PanelFont({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("DejaVu Sans")},
                     10, true);
}

QFont HallPanel::EntryFont(bool newEntry) {
    QFont font = PanelFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, 9, true);
    font.setItalic(newEntry);
    return font;
}

QFont HallPanel::ClockFont(int points) {
    return PanelFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")},
                     points, true);
}

void HallPanel::ShowPanelHOF(const THallPanel& panel) {
    if (!panel.shown) return;
    saveHof_ = hofPic_.copy();
    if (!panel.empty) {
        QPainter painter(&saveHof_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(TitleFont());
        painter.setPen(kYellow);
        DrawPanelText(painter, panel.hallOf);
        DrawPanelText(painter, panel.fame);
        for (const THallPanelLine& line : panel.lines) {
            painter.setFont(EntryFont(line.newEntry));
            painter.setPen(kWhite);
            DrawPanelText(painter, line.name);
            painter.setPen(kAqua);
            DrawPanelText(painter, line.time);
        }
    }
    RedrawHOF();
}

void HallPanel::RedrawHOF() {
    CopyToBox(saveHof_.rect());
}

void HallPanel::ShowCurrentTile(const Tileset& tileset, int face) {
    {
        QPainter painter(&saveHof_);
        BitBlt(painter, kCurrentTileBox.topLeft(), tileset.TilesetBitmap(), kSilhouetteMask,
               Rop::And);
        BitBlt(painter, kCurrentTileBox.topLeft(), tileset.TileImages(), TileImageRect(face),
               Rop::Paint);
    }
    CopyToBox(kCurrentTileBox);
}

void HallPanel::ClearCurrentTile() {
    RestoreFromPicture(kCurrentTileBox);
    CopyToBox(kCurrentTileBox);
}

void HallPanel::DrawPlayerClocks(bool secondPlayerTurn, uint32_t tickMs, int seconds1,
                                 int seconds2) {
    RestoreFromPicture(kPlayerClocksArea);
    {
        QPainter painter(&saveHof_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const bool blinkShown = tickMs % 1000 > 500;
        painter.setFont(ClockFont(18));
        painter.setPen(kYellow);
        if (secondPlayerTurn || blinkShown) TextOut(painter, 4, 380, QStringLiteral("PLAY 1"));
        painter.setPen(kAqua);
        if (!secondPlayerTurn || blinkShown) TextOut(painter, 4, 422, QStringLiteral("PLAY 2"));
        painter.setFont(ClockFont(10));
        painter.setPen(kWhite);
        TextOut(painter, 30, 402, QString::fromStdString(MinutesSeconds(seconds1)));
        TextOut(painter, 30, 444, QString::fromStdString(MinutesSeconds(seconds2)));
    }
    CopyToBox(kPlayerClocksArea);
}

void HallPanel::RestoreFromPicture(const QRect& area) {
    QPainter painter(&saveHof_);
    BitBlt(painter, area.topLeft(), hofPic_, area, Rop::Copy);
}

void HallPanel::CopyToBox(const QRect& area) {
    {
        QPainter painter(&hofBox_);
        BitBlt(painter, area.topLeft(), saveHof_, area, Rop::Copy);
    }
    if (boxChanged) boxChanged(area);
}

}  // namespace ribaku::render
