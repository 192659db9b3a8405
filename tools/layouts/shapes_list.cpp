#include "shapes.h"

namespace layoutgen {

std::vector<LayoutFactory> LayLayouts() {
    return {Traditional, Pyramid, BigTower, Fortress, Arena,     Cross,
            Spiral,      Stairs,  Bridge,   Dragon,   Butterfly, Cat};
}

std::vector<LayoutFactory> ShpLayouts() {
    return {Crab};
}

}  // namespace layoutgen
