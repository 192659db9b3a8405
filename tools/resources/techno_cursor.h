#pragma once

#include <QImage>
#include <QPoint>

// The program's own pointer, "TECHNO": a dark metal arrow with a neon rim and a circuit
// trace, 32 x 32 with an alpha channel.
QImage technoCursor();

// The pixel of the arrow's tip, where the pointer clicks.
QPoint technoCursorHotSpot();
