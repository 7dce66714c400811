// How a window's client area is painted.
#include "platform/ClientArea.h"

#include <QPainter>

namespace vb {

ClientArea::ClientArea(const QColor &background, const QPixmap &picture, QWidget *parent)
    : QWidget(parent), background_(background), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
}

} // namespace vb
