#include "platform/Controls.h"

#include <QMouseEvent>
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

LineControl::LineControl(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent), from_(from), to_(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect bounds = QRect(from, to).normalized();
    setGeometry(bounds.x(), bounds.y(), bounds.width(), bounds.height());
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

ShapeControl::ShapeControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureBoxControl::PictureBoxControl(const QPixmap &picture, QWidget *parent)
    : QWidget(parent), picture_(picture)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBoxControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, picture_);
}

void PictureBoxControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace vb
