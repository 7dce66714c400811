// The Shape kind: the outline of a rectangle, 1 pixel wide, with a transparent interior,
// drawn on its container's surface. It ignores the mouse, takes no focus and raises no
// events.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QWidget>

namespace vb {

class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    ShapeControl(const ShapeDescription &shape, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;
};

ShapeControl *build(const ShapeDescription &shape, QWidget *container, FormEvents &events);

} // namespace vb
