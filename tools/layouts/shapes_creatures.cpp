#include "shapes.h"

namespace layoutgen {
namespace {

// Stacks a round-backed section of body in one column of tiles: `thickness` tiles side by
// side from `topRow` down on the first level, one fewer on each level above, each level
// half a tile in from the one below.
void BodySection(LayoutBuilder& b, int column, int topRow, int thickness) {
    for (int level = 1; level <= thickness; ++level)
        for (int k = 0; k <= thickness - level; ++k)
            b.Tile(column, topRow + (level - 1) + 2 * k, level);
}

}  // namespace

// A butterfly seen from above: four wings with eye spots around a body that rises to the
// top level.
Layout Butterfly() {
    LayoutBuilder b("Butterfly", "Butterfly");
    b.Picture(1, 2,
              {
                  "  [][][][]    []  []    [][][][]  ",
                  "[][][][][][][]  []  [][][][][][][]",
                  "[][][][][][][][][][][][][][][][][]",
                  "  [][][][][][][][][][][][][][][]  ",
                  "        [][][]  []  [][][]        ",
                  "    [][][][][][][][][][][][][]    ",
                  "  [][][][][][]  []  [][][][][][]  ",
                  "  [][][][][]    []    [][][][][]  ",
                  "    [][][]      []      [][][]    ",
              });
    for (int row = 4; row <= 18; row += 2)
        b.Tile(kMiddleColumn, row, 2);
    for (int row = 6; row <= 14; row += 2)
        b.Tile(kMiddleColumn, row, 3);
    for (int row = 8; row <= 12; row += 2)
        b.Tile(kMiddleColumn, row, 4);
    b.Tile(kMiddleColumn, 9, 5);
    b.Tile(kMiddleColumn, 11, 5);
    // Eye spots: a raised ring on each fore wing, a raised bar on each hind wing.
    for (int row = 5; row <= 7; row += 2) {
        b.Mirrored(6, row, 2);
        b.Mirrored(8, row, 2);
    }
    b.Mirrored(7, 6, 3);
    b.Mirrored(8, 13, 2);
    b.Mirrored(10, 13, 2);
    b.Mirrored(9, 13, 3);
    b.Mirrored(4, 3, 2);  // and a spot on each wing tip
    return b.Finish();
}

// A cat's face with pointed ears, looking at the player through two round eyes.
Layout Cat() {
    LayoutBuilder b("Cat", "Cat");
    b.Picture(1, 2,
              {
                  "      []                  []      ",
                  "    [][][]              [][][]    ",
                  "    [][][][][][][][][][][][][]    ",
                  "  [][][]    [][][][][]    [][][]  ",
                  "[][][][]    [][][][][]    [][][][]",
                  "[][][][][][][][][][][][][][][][][]",
                  "  [][][][][][][][][][][][][][][]  ",
                  "    [][][][][][][][][][][][][]    ",
                  "        [][][][][][][][][]        ",
              });
    b.Picture(2, 6,
              {
                  "          [][][][][][][]          ",
                  "              [][][]              ",
                  "    [][]      [][][]      [][]    ",
                  "      [][][][][][][][][][][]      ",
                  "          [][][][][][][]          ",
              });
    b.CentredRow(2, 16, 3);
    b.Mirrored(6, 4, 2);  // inside the ears
    b.Tile(kMiddleColumn, 6, 3);
    b.CentredRow(3, 12, 3);  // the nose
    b.Tile(kMiddleColumn, 12, 4);
    return b.Finish();
}

// A crab seen from above: a domed shell with two eyes, two open claws and three legs on
// each side.
Layout Crab() {
    LayoutBuilder b("Crab", "Crab");
    b.Picture(1, 3,
              {
                  "  []  []                  []  []  ",
                  "  [][][]    []      []    [][][]  ",
                  "      []    [][][][][]    []      ",
                  "        [][][][][][][][][]        ",
                  "      [][][][][][][][][][][]      ",
                  "      [][][][][][][][][][][]      ",
                  "        [][][][][][][][][]        ",
                  "            [][][][][]            ",
              });
    for (int row : {10, 14}) {  // the legs, half a row off the shell's rows
        b.Mirrored(3, row, 1);
        b.Mirrored(5, row, 1);
    }
    b.Mirrored(5, 17, 1);
    b.Mirrored(3, 18, 1);
    b.Mirrored(4, 5, 2);  // the claws stand higher
    b.Mirrored(6, 5, 2);
    // The shell rises in half-tile steps.
    b.CentredRow(2, 8, 4);
    b.CentredRow(2, 10, 8);
    b.CentredRow(2, 12, 10);
    b.CentredRow(2, 14, 8);
    b.CentredRow(2, 16, 4);
    b.CentredRow(3, 9, 3);
    b.CentredRow(3, 11, 7);
    b.CentredRow(3, 13, 7);
    b.CentredRow(3, 15, 3);
    b.CentredRow(4, 11, 5);
    b.CentredRow(4, 13, 5);
    return b.Finish();
}

// An eastern dragon swimming through the clouds: a horned head with open jaws on the
// left, a long round-backed body rolling in a wave, and a tapering tail.
Layout Dragon() {
    LayoutBuilder b("Dragon", "Cloud Dragon");
    // Body and tail, column by column from the neck: the row its middle lies on, and its
    // thickness in tiles.
    const int middle[13] = {10, 12, 13, 14, 14, 13, 11, 9, 7, 6, 6, 6, 7};
    const int thickness[13] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 2, 1};
    for (int i = 0; i < 13; ++i)
        BodySection(b, 9 + 2 * i, middle[i] - thickness[i], thickness[i]);
    BodySection(b, 7, 4, 5);  // the head, its jaws open to the left
    BodySection(b, 5, 4, 3);
    BodySection(b, 3, 5, 2);
    b.Tile(1, 6, 1);
    for (int column = 1; column <= 5; column += 2)
        b.Tile(column, 12, 1);
    b.Tile(7, 2, 1);  // horns
    b.Tile(9, 4, 1);
    b.Tile(9, 15, 1);  // legs
    b.Tile(7, 16, 1);
    b.Tile(25, 12, 1);
    b.Tile(27, 13, 1);
    return b.Finish();
}

}  // namespace layoutgen
