#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>

// Artwork is drawn at four times its size with antialiasing and averaged down, which gives
// smooth curves that stay crisp at 1x. The drawing function works in 1x coordinates.
constexpr int kSupersample = 4;

QImage renderSupersampled(QSize size, const std::function<void(QPainter&)>& draw);
