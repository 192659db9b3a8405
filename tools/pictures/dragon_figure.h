#pragma once

#include <QColor>
#include <QPainter>

// A coiled dragon chasing the flaming pearl, drawn as a line engraving: shapes filled
// with the body colour and outlined with the line colour, so it works tone on tone.
struct DragonStyle {
    QColor body;
    QColor line;
    double lineWidth;  // in pixels
};

// Draws the roundel centred at the painter's origin, fitting a circle of the given radius.
void paintDragonRoundel(QPainter& painter, double radius, const DragonStyle& style);
