#pragma once
// The symbols of the 42 faces, each painted in the 40 × 50 space of a face on a transparent
// ground. The ivory of the face comes from the blank tile, not from here.

class QPainter;

namespace tileset {

// Face 1..42 in the numbering of the tile table.
void paintFace(QPainter& painter, int face);

// n = 1..9 for the suits, 1..4 for flowers, seasons and winds, 1..3 for dragons
// (red, green, white).
void paintCrak(QPainter& painter, int n);
void paintBamboo(QPainter& painter, int n);
void paintDots(QPainter& painter, int n);
void paintFlower(QPainter& painter, int n);
void paintSeason(QPainter& painter, int n);
void paintDragon(QPainter& painter, int n);
void paintWind(QPainter& painter, int n);

}  // namespace tileset
