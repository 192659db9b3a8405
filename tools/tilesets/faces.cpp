#include "faces.h"

#include <stdexcept>

namespace tileset {

void paintFace(QPainter& painter, int face) {
    if (face >= 1 && face <= 9) return paintCrak(painter, face);
    if (face >= 10 && face <= 18) return paintBamboo(painter, face - 9);
    if (face >= 19 && face <= 27) return paintDots(painter, face - 18);
    if (face >= 28 && face <= 31) return paintFlower(painter, face - 27);
    if (face >= 32 && face <= 35) return paintSeason(painter, face - 31);
    if (face >= 36 && face <= 38) return paintDragon(painter, face - 35);
    if (face >= 39 && face <= 42) return paintWind(painter, face - 38);
    throw std::out_of_range("face number outside 1..42");
}

}  // namespace tileset
