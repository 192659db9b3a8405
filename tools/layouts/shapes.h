#pragma once

#include <vector>

#include "layout_builder.h"

// Every layout we ship, each drawn by its own function in the shapes_*.cpp files.
namespace layoutgen {

// Stacked buildings: the classic turtle and its relatives.
Layout Traditional();
Layout Pyramid();
Layout BigTower();
Layout Fortress();
Layout Arena();

// Plain figures and patterns.
Layout Cross();
Layout Spiral();
Layout Stairs();
Layout Bridge();

// Creatures.
Layout Dragon();
Layout Butterfly();
Layout Cat();
Layout Crab();

using LayoutFactory = Layout (*)();

// The layouts shipped as ".lay" files, and those shipped in the external ".shp" format.
std::vector<LayoutFactory> LayLayouts();
std::vector<LayoutFactory> ShpLayouts();

}  // namespace layoutgen
