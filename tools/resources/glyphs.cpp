#include "glyphs.h"

#include "glyph_style.h"
#include "supersample.h"

const std::vector<ToolbarGlyph>& toolbarGlyphs() {
    static const std::vector<ToolbarGlyph> glyphs = {
        {"glyph_new.png", drawNewGlyph},     {"glyph_back.png", drawBackGlyph},
        {"glyph_hint.png", drawHintGlyph},   {"glyph_shuffle.png", drawShuffleGlyph},
        {"glyph_pause.png", drawPauseGlyph}, {"glyph_play.png", drawPlayGlyph},
        {"glyph_music.png", drawMusicGlyph}, {"glyph_help.png", drawHelpGlyph},
        {"glyph_about.png", drawAboutGlyph}, {"glyph_halloffame.png", drawHallOfFameGlyph},
        {"glyph_exit.png", drawExitGlyph},
    };
    return glyphs;
}

QImage renderGlyph(const ToolbarGlyph& glyph) {
    return renderSupersampled(QSize(glyph::kSize, glyph::kSize), glyph.draw);
}
