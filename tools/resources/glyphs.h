#pragma once

#include <QImage>
#include <QPainter>

#include <vector>

// The pictures of the ten toolbar buttons (Pause has a second one, Play, for the paused
// state); the menu items of the same commands show them too.
struct ToolbarGlyph {
    const char* file;
    void (*draw)(QPainter& painter);
};

const std::vector<ToolbarGlyph>& toolbarGlyphs();

// The glyph as a 20 x 20 picture with an alpha channel.
QImage renderGlyph(const ToolbarGlyph& glyph);

// The drawings, in 20 x 20 coordinates. Game commands:
void drawNewGlyph(QPainter& painter);
void drawBackGlyph(QPainter& painter);
void drawHintGlyph(QPainter& painter);
void drawShuffleGlyph(QPainter& painter);
void drawPauseGlyph(QPainter& painter);
void drawPlayGlyph(QPainter& painter);
// Program commands:
void drawMusicGlyph(QPainter& painter);
void drawHelpGlyph(QPainter& painter);
void drawAboutGlyph(QPainter& painter);
void drawHallOfFameGlyph(QPainter& painter);
void drawExitGlyph(QPainter& painter);
