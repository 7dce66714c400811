// A frame's widget and how it is painted.
#include "platform/controls/FrameControl.h"

#include "platform/FormBuilder.h"
#include "platform/controls/Outline.h"

#include <QPainter>

namespace vb {

FrameControl::FrameControl(const FrameDescription &frame, QWidget *container)
    : QGroupBox(descriptionText(container, frame.caption), container)
{
    setAutoFillBackground(true);
    setGeometry(toPixels(frame.place));
}

void FrameControl::paintEvent(QPaintEvent *)
{
    // An etched border, the caption standing in a gap of its top edge.
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Button));
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -1, -1);
    drawOutline(painter, border, colours.color(QPalette::Dark));
    drawOutline(painter, border, colours.color(QPalette::Light), 1);
    if (title().isEmpty())
        return;
    const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, colours.color(QPalette::Button));
    painter.setPen(colours.color(QPalette::ButtonText));
    painter.drawText(caption.adjusted(2, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, title());
}

FrameControl *build(const FrameDescription &frame, QWidget *container, FormEvents &)
{
    return new FrameControl(frame, container);
}

} // namespace vb
