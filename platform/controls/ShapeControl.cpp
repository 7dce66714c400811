// A shape's widget and how it is painted.
#include "platform/controls/ShapeControl.h"

#include "platform/FormBuilder.h"
#include "platform/controls/Outline.h"

#include <QPainter>

namespace vb {

ShapeControl::ShapeControl(const ShapeDescription &shape, QWidget *container) : QWidget(container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(toPixels(shape.place));
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawOutline(painter, rect(), palette().color(QPalette::Text));
}

ShapeControl *build(const ShapeDescription &shape, QWidget *container, FormEvents &)
{
    return new ShapeControl(shape, container);
}

} // namespace vb
