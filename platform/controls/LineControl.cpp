// A line's widget: the rectangle it spans, and how it is painted.
#include "platform/controls/LineControl.h"

#include "platform/FormBuilder.h"
#include "platform/controls/Outline.h"

#include <QPainter>

#include <algorithm>

namespace vb {

LineControl::LineControl(const LineDescription &line, QWidget *container)
    : QWidget(container), from_(toPixels(line.x1), toPixels(line.y1)),
      to_(toPixels(line.x2), toPixels(line.y2))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint topLeft(std::min(from_.x(), to_.x()), std::min(from_.y(), to_.y()));
    const QPoint bottomRight(std::max(from_.x(), to_.x()), std::max(from_.y(), to_.y()));
    setGeometry(QRect(topLeft, bottomRight));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (from_.x() == to_.x() || from_.y() == to_.y()) {
        drawOutline(painter, rect(), palette().color(QPalette::Text));
        return;
    }
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

LineControl *build(const LineDescription &line, QWidget *container, FormEvents &)
{
    return new LineControl(line, container);
}

} // namespace vb
