#include "shapes.h"

namespace layoutgen {

// The classic five-level turtle: a shell of eight rows with a head and a tail of single
// tiles half a row down, topped by ever smaller squares and one cap tile.
Layout Traditional() {
    LayoutBuilder b("Traditional", "Traditional Turtle");
    const int shellRowWidths[8] = {12, 8, 10, 12, 12, 10, 8, 12};
    for (int i = 0; i < 8; ++i) {
        const int width = shellRowWidths[i];
        b.Row(1, 3 + 2 * i, 5 + (12 - width), width);
    }
    b.Tile(3, 10, 1);   // head
    b.Tile(29, 10, 1);  // tail, two tiles long
    b.Tile(31, 10, 1);
    for (int row = 5; row <= 15; row += 2)
        b.Row(2, row, 11, 6);
    for (int row = 7; row <= 13; row += 2)
        b.Row(3, row, 13, 4);
    for (int row = 9; row <= 11; row += 2)
        b.Row(4, row, 15, 2);
    b.Tile(16, 10, 5);
    return b.Finish();
}

// Each level half a tile narrower on every side than the one below.
Layout Pyramid() {
    LayoutBuilder b("Pyramid", "Step Pyramid");
    b.CentredBlock(1, 9, 6);
    b.CentredBlock(2, 8, 5);
    b.CentredBlock(3, 7, 4);
    b.CentredBlock(4, 6, 3);
    b.CentredBlock(5, 2, 2);
    return b.Finish();
}

// A square tower of three storeys on a two-storey base, standing on a broad terrace.
Layout BigTower() {
    LayoutBuilder b("Big Tower", "The Big Tower");
    b.CentredBlock(1, 10, 6);
    b.CentredBlock(2, 6, 6);
    for (int level = 3; level <= 5; ++level)
        b.CentredBlock(level, 4, 4);
    return b.Finish();
}

// Walls around a courtyard, a tower at each corner, a gatehouse on each wall and a keep
// in the middle.
Layout Fortress() {
    LayoutBuilder b("Fortress", "Fortress of Four Towers");
    for (int level = 1; level <= 2; ++level) {
        b.Picture(level, 3,
                  {
                      "  [][][][][][][][][][][][][][][]  ",
                      "  [][]                      [][]  ",
                      "  []                          []  ",
                      "  []                          []  ",
                      "  []                          []  ",
                      "  []                          []  ",
                      "  [][]                      [][]  ",
                      "  [][][][][][][][][][][][][][][]  ",
                  });
    }
    for (int row : {3, 15}) {
        for (int column : {3, 29}) {
            b.Row(3, row, column, 2);
            b.Row(3, row + 2, column, 2);
            b.Tile(column + 1, row + 1, 4);
        }
    }
    b.Tile(kMiddleColumn, 3, 3);
    b.Tile(kMiddleColumn, 17, 3);
    b.Tile(3, kMiddleRow, 3);
    b.Tile(31, kMiddleRow, 3);
    b.CentredBlock(1, 5, 3);
    b.CentredBlock(2, 4, 2);
    b.CentredBlock(3, 3, 1);
    b.CentredBlock(4, 2, 1);
    return b.Finish();
}

// An oval bowl around an empty field; the grandstands on the long sides rise highest.
Layout Arena() {
    LayoutBuilder b("Arena", "The Arena");
    b.Picture(1, 3,
              {
                  "        [][][][][][][][][]        ",
                  "    [][][][][][][][][][][][][]    ",
                  "  [][][][]              [][][][]  ",
                  "[][][][]                  [][][][]",
                  "[][][][]                  [][][][]",
                  "  [][][][]              [][][][]  ",
                  "    [][][][][][][][][][][][][]    ",
                  "        [][][][][][][][][]        ",
              });
    b.Picture(2, 3,
              {
                  "        [][][][][][][][][]        ",
                  "    [][]                  [][]    ",
                  "  [][][]                  [][][]  ",
                  "[][][]                      [][][]",
                  "[][][]                      [][][]",
                  "  [][][]                  [][][]  ",
                  "    [][]                  [][]    ",
                  "        [][][][][][][][][]        ",
              });
    b.CentredRow(3, 3, 9);
    b.CentredRow(3, 17, 9);
    return b.Finish();
}

}  // namespace layoutgen
