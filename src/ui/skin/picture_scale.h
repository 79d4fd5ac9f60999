#pragma once
// Pictures carry their device pixel ratio: one of the 2x set has two pixels per window unit.
// Controls place, cut and measure in window units; these turn window units into the pixels of
// a picture, so a control looks and hits the same with either set.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace oryn7px {

// The picture's size in window units.
QSize LogicalSize(const QImage& picture);

// The pixels of `picture` under a rectangle in window units.
QRect PixelRect(const QImage& picture, const QRect& logicalRect);

// The part of `picture` under a rectangle in window units, keeping the picture's ratio.
QImage CutPicture(const QImage& picture, const QRect& logicalRect);

// The pixel of `picture` under a point in window units.
QPoint PixelAt(const QImage& picture, const QPoint& logicalPoint);

// Lets `painter` sample pictures smoothly where it must scale them: at fractional ratios (125 %,
// 150 %, 175 %) the 2x set is drawn scaled down, which nearest-pixel sampling renders ragged.
// Pictures drawn pixel for pixel look the same either way.
void SmoothScaledPictures(QPainter& painter);

}  // namespace oryn7px
