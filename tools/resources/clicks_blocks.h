#pragma once

#include <QColor>
#include <QImage>

#include <array>

// The five 38 x 38 blocks of the Clicks game (resources 4 to 8): a glossy 32 x 32 face with
// a 6-pixel side to its left and below, the top-left and bottom-right corners cut off
// (black, the transparent colour).

// The colour that fills most of block v (v = 1..5 is image v - 1).
const std::array<QColor, 5>& clicksBlockColours();

QImage clicksBlock(const QColor& colour);
