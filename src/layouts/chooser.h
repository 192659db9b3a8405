#pragma once

#include <string>
#include <vector>

#include "core/board_state.h"
#include "layouts/catalog.h"

namespace ribaku {

// What the layout chooser holds: the cells of the file previewed last, the name line shown
// under the miniature, and the list line that "Play this layout" makes current.
struct TChooser {
    TLayoutMap ChooserMap{};
    std::string LayoutN;
    // The list line (from 0) whose file was read last; -1 before any.
    int line = -1;
};

// LayoutListClick: reads the file of list line `line` with the reader of its format (shape
// layouts too). A .lay header other than "Ribaku 3.0" shows the new name over the cells
// previewed before. Throws FileError; the chooser then keeps everything it had.
void PreviewChooserLine(TChooser& chooser, const LayoutCatalog& catalog, int line);

// Upper-left corner of a miniature tile in the 206 x 138 preview.
struct TMiniTile {
    int x;
    int y;
    friend bool operator==(const TMiniTile&, const TMiniTile&) = default;
};

// MinusRedraw: the miniature tiles in drawing order (level 1 up, columns right to left,
// rows top to bottom), one for each cell holding 1..154, each level 3 pixels right and up.
std::vector<TMiniTile> MinusTiles(const TLayoutMap& map);

}  // namespace ribaku
