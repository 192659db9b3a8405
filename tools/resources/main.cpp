// make_resources: draws the bitmaps, glyphs and cursor that are compiled into the program
// and writes the Qt resource file that lists them. Usage: make_resources <data/resources>
#include "clicks_blocks.h"
#include "glyphs.h"
#include "pixel_bitmaps.h"
#include "resource_folder.h"
#include "techno_cursor.h"

#include <cstdio>

namespace {

void saveBitmaps(ResourceFolder& folder) {
    folder.saveImage("2.bmp", miniatureTile());
    for (const NamedImage& piece : shadowPieces()) {
        folder.saveImage(piece.file, piece.image);
    }
    const auto& colours = clicksBlockColours();
    for (size_t i = 0; i < colours.size(); ++i) {
        folder.saveImage(QString("%1.bmp").arg(4 + i), clicksBlock(colours[i]));
    }
    folder.saveImage("filled.bmp", filledFace());
}

// The arrow's tip is pixel (0, 0); techno.hotspot says so for the code that makes the
// QCursor, as "x y".
void saveCursor(ResourceFolder& folder) {
    folder.saveImage("techno.png", technoCursor());
    const QPoint hotSpot = technoCursorHotSpot();
    folder.saveText("techno.hotspot",
                    QString("%1 %2\n").arg(hotSpot.x()).arg(hotSpot.y()).toUtf8());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_resources <data/resources folder>\n");
        return 2;
    }
    ResourceFolder folder(QString::fromLocal8Bit(argv[1]));
    saveBitmaps(folder);
    saveCursor(folder);
    for (const ToolbarGlyph& glyph : toolbarGlyphs()) {
        folder.saveImage(glyph.file, renderGlyph(glyph));
    }
    // The welcome picture (resource 1), the toolbar background and the splash picture
    // come from the pictures generator.
    folder.saveQrc("resources.qrc",
                   {{"welcome.bmp", "1.bmp"}, {"toolbar.bmp", ""}, {"splash.bmp", ""}});
    return folder.failed() ? 1 : 0;
}
