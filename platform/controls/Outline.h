// Lines one pixel wide for frames, lines and shapes. On a screen of 1.5 or 2 device pixels
// per pixel, a line drawn in logical pixels can come out thicker on one side of a rectangle
// than on the other; these draw on whole device pixels instead, every line equally thick.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace vb {

// Fills the outline of `box`, in logical pixels (or all of it, where it is one pixel wide
// or high), moved right and down by `shift` line widths.
void drawOutline(QPainter &painter, const QRect &box, const QColor &colour, int shift = 0);

} // namespace vb
