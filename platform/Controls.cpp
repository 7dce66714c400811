#include "platform/Controls.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
    // a caption is seen, whatever its letters.
    constexpr qsizetype longRun = 1024, keptOfRun = 512, longest = 16384;
    enum Class { Break, Space, Other };
    const auto classOf = [](QChar c) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            return Break;
        return c.isSpace() ? Space : Other;
    };
    QString shown;
    shown.reserve(std::min(caption.size(), longest + 2 * keptOfRun));
    for (qsizetype i = 0; i < caption.size() && shown.size() < longest;) {
        const QChar c = caption[i];
        const Class kind = classOf(c);
        if (kind == Break && c == u'\r' && i + 1 < caption.size() && caption[i + 1] == u'\n') {
            shown += QStringLiteral("\r\n");
            i += 2;
            continue;
        }
        if (kind == Break) {
            shown += c == u'\r' || c == QChar::ParagraphSeparator ? QChar(u'\n') : c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < caption.size() && classOf(caption[end]) == kind)
            ++end;
        if (end - i <= longRun) {
            shown += QStringView(caption).sliced(i, end - i);
        } else {
            // Its start shows in a left-to-right line, its end in a right-to-left one.
            qsizetype head = i + keptOfRun, tail = end - keptOfRun;
            if (caption[head - 1].isHighSurrogate())
                --head;
            if (caption[tail].isLowSurrogate())
                ++tail;
            shown += QStringView(caption).sliced(i, head - i);
            shown += QStringView(caption).sliced(tail, end - tail);
        }
        i = end;
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
    const QRect border = rect().adjusted(0, top, -2, -2);
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(colours.color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
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
