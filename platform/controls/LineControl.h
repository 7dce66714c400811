// The Line kind: a straight line from (X1, Y1) to (X2, Y2), 1 pixel wide, in the
// window-text colour, drawn on its container's surface. It ignores the mouse, takes no
// focus and raises no events; handlers show and hide it.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QWidget>

namespace vb {

class LineControl : public QWidget
{
    Q_OBJECT
public:
    LineControl(const LineDescription &line, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_; // in the container's pixels
};

LineControl *build(const LineDescription &line, QWidget *container, FormEvents &events);

} // namespace vb
