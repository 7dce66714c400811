// A label's widget and what it shows of its caption.
#include "platform/controls/LabelControl.h"

#include "platform/FormBuilder.h"
#include "platform/LineBreaks.h"
#include "platform/Resources.h"

#include <algorithm>

namespace vb {

LabelControl::LabelControl(const LabelDescription &label, QWidget *container) : QLabel(container)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | (label.alignment == Center ? Qt::AlignHCenter
                                                           : Qt::AlignLeft | Qt::AlignAbsolute));
    caption_ = descriptionText(container, label.caption);
    setText(shownText(caption_));
    setAutoFillBackground(label.backStyle == Opaque);
    // Labels do not take their window's colour: the grey of buttons, and their ForeColor.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, label.foreColor ? toQColor(*label.foreColor)
                                                           : colours.color(QPalette::ButtonText));
    setPalette(colours);
    setGeometry(toPixels(label.place));
    if (label.font)
        setFont(fontFor(*label.font));
}

void LabelControl::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    setText(shownText(caption));
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

LabelControl *build(const LabelDescription &label, QWidget *container, FormEvents &)
{
    return new LabelControl(label, container);
}

} // namespace vb
