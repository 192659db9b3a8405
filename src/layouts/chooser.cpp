#include "layouts/chooser.h"

#include "layouts/layout_reading.h"

namespace ribaku {

void PreviewChooserLine(TChooser& chooser, const LayoutCatalog& catalog, int line) {
    const int number = line + 1;
    TLayoutRead read = ReadLayout(catalog.FileOfLayout(number), catalog.Layout(number).format);
    if (read.map) chooser.ChooserMap = *read.map;
    chooser.LayoutN = std::move(read.name);
    chooser.line = line;
}

std::vector<TMiniTile> MinusTiles(const TLayoutMap& map) {
    std::vector<TMiniTile> tiles;
    for (int level = 1; level <= kMapLevels; ++level)
        for (int column = kMapColumns; column >= 1; --column)
            for (int row = 1; row <= kMapRows; ++row) {
                const uint8_t cell = map[LayoutMapIndex(column, row, level)];
                if (cell >= 1 && cell < kUndealt) {
                    tiles.push_back({5 * (column - 1) + 3 * (level - 1) + 14,
                                     6 * (row - 1) - 3 * (level - 1) + 8});
                }
            }
    return tiles;
}

}  // namespace ribaku
