// A command button's widget and its Click.
#include "platform/controls/CommandButtonControl.h"

#include "platform/FormBuilder.h"

#include <QKeyEvent>

namespace vb {

CommandButtonControl::CommandButtonControl(const CommandButtonDescription &button,
                                           QWidget *container)
    : QPushButton(descriptionText(container, button.caption), container)
{
    setAutoDefault(false);
    setGeometry(toPixels(button.place));
}

void CommandButtonControl::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

CommandButtonControl *build(const CommandButtonDescription &button, QWidget *container,
                            FormEvents &events)
{
    auto *widget = new CommandButtonControl(button, container);
    events.raiseOn(widget, &QPushButton::clicked, button.name, "Click");
    return widget;
}

} // namespace vb
