// Outlines drawn on whole device pixels.
#include "platform/controls/Outline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vb {

namespace {

// The device pixels that `box`, in logical pixels, covers: its edges rounded to the
// nearest device pixel boundary.
QRect onDevice(const QTransform &toDevice, const QRect &box)
{
    const QRectF exact = toDevice.mapRect(QRectF(box));
    const auto round = [](qreal v) { return static_cast<int>(std::floor(v + 0.5)); };
    return QRect(QPoint(round(exact.left()), round(exact.top())),
                 QPoint(round(exact.right()) - 1, round(exact.bottom()) - 1));
}

} // namespace

void drawOutline(QPainter &painter, const QRect &box, const QColor &colour, int shift)
{
    const QTransform toDevice = painter.deviceTransform();
    const int width = std::max(1, qRound(toDevice.m11()));
    const QRect device = onDevice(toDevice, box).translated(shift * width, shift * width);
    painter.save();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    if (box.width() == 1 || box.height() == 1) {
        painter.fillRect(
            QRect(device.topLeft(), QSize(box.width() == 1 ? width : device.width(),
                                          box.height() == 1 ? width : device.height())),
            colour);
    } else {
        painter.fillRect(QRect(device.left(), device.top(), device.width(), width), colour);
        painter.fillRect(QRect(device.left(), device.bottom() + 1 - width, device.width(), width),
                         colour);
        painter.fillRect(QRect(device.left(), device.top(), width, device.height()), colour);
        painter.fillRect(QRect(device.right() + 1 - width, device.top(), width, device.height()),
                         colour);
    }
    painter.restore();
}

} // namespace vb
