#include "platform/Controls.h"

#include "platform/LineBreaks.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vb {

namespace {

// Lines, shapes and frames are one pixel wide. On a screen of 1.5 or 2 device pixels per
// pixel, a line drawn in logical pixels can come out thicker on one side of a rectangle
// than on the other; these draw on whole device pixels instead, every line equally thick.

// The device pixels that `box`, in logical pixels, covers: its edges rounded to the
// nearest device pixel boundary.
QRect onDevice(const QTransform &toDevice, const QRect &box)
{
    const QRectF exact = toDevice.mapRect(QRectF(box));
    const auto round = [](qreal v) { return static_cast<int>(std::floor(v + 0.5)); };
    return QRect(QPoint(round(exact.left()), round(exact.top())),
                 QPoint(round(exact.right()) - 1, round(exact.bottom()) - 1));
}

// Fills the outline of `box` (or all of it, where it is one pixel wide or high), moved
// right and down by `shift` line widths.
void drawOutline(QPainter &painter, const QRect &box, const QColor &colour, int shift = 0)
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

} // namespace

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

LabelControl::LabelControl(const QString &caption, bool centred, QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft | Qt::AlignAbsolute));
    caption_ = caption;
    setText(shownText(caption));
}

bool LabelControl::setCaption(const QString &caption)
{
    if (caption == caption_)
        return false;
    caption_ = caption;
    setText(shownText(caption));
    return true;
}

QString LabelControl::shownText(const QString &caption)
{
    // A label shows a few lines of a few hundred pixels: beyond these lengths nothing of
    // a caption is seen, whatever its letters, and laying it out would make the window
    // slow to show and to paint.
    constexpr qsizetype longRun = 1024, keptOfRun = 512, longest = 16384;
    const QString text = withLineFeeds(caption);
    if (text.size() <= longRun)
        return text;
    const auto classOf = [](QChar c) { return isLineBreak(c) ? 0 : c.isSpace() ? 1 : 2; };
    QString shown;
    shown.reserve(std::min(text.size(), longest + 2 * keptOfRun));
    for (qsizetype i = 0, end = 0; i < text.size() && shown.size() < longest; i = end) {
        const int kind = classOf(text[i]);
        end = i + 1;
        while (kind != 0 && end < text.size() && classOf(text[end]) == kind)
            ++end;
        if (end - i <= longRun) {
            shown += QStringView(text).sliced(i, end - i);
            continue;
        }
        // Its start shows in a left-to-right line, its end in a right-to-left one.
        qsizetype head = i + keptOfRun, tail = end - keptOfRun;
        if (text[head - 1].isHighSurrogate())
            --head;
        if (text[tail].isLowSurrogate())
            ++tail;
        shown += QStringView(text).sliced(i, head - i);
        shown += QStringView(text).sliced(tail, end - tail);
    }
    return shown;
}

FrameControl::FrameControl(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
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

LineControl::LineControl(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent), from_(from), to_(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    const QPoint bottomRight(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
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

ShapeControl::ShapeControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawOutline(painter, rect(), palette().color(QPalette::Text));
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
