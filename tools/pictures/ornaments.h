#pragma once

#include <QPainterPath>

// Auspicious cloud: three curls on a common base with a trailing wisp, about 80 pixels
// wide and centred on the origin; meant to be stroked, not filled.
QPainterPath auspiciousCloud();
