// A text box: its editor, its scroll bars, and the events it raises.
#include "platform/controls/TextBoxControl.h"

#include "platform/FormBuilder.h"
#include "platform/TextBoxes.h"

namespace vb {

QWidget *build(const TextBoxDescription &box, QWidget *container, FormEvents &events)
{
    QWidget *widget = nullptr;
    if (!box.multiLine) {
        auto *line = new LineBox(descriptionText(container, box.text), container);
        events.raiseOn(line, &QLineEdit::textChanged, box.name, "Change");
        widget = line;
    } else {
        auto *lines = new MultiLineBox(descriptionText(container, box.text), container);
        const auto policy =
            box.scrollBars == BothScrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        lines->setHorizontalScrollBarPolicy(policy);
        lines->setVerticalScrollBarPolicy(policy);
        events.raiseOn(lines, &QPlainTextEdit::textChanged, box.name, "Change");
        events.raiseClicksOn(lines->viewport(), box.name); // clicks land on the viewport
        widget = lines;
    }
    events.raiseClicksOn(widget, box.name);
    widget->setGeometry(toPixels(box.place));
    return widget;
}

} // namespace vb
