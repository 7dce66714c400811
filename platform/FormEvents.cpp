// Clicks and focus changes as events, and the raising of every event.
#include "platform/FormEvents.h"

#include "platform/FormWindow.h"
#include "platform/WindowSet.h"

#include <QMouseEvent>
#include <QWidget>

namespace vb {

FormEvents::FormEvents(FormWindow &window) : QObject(&window), window_(window) {}

void FormEvents::raiseClicksOn(QWidget *widget, std::string_view control)
{
    clicks_[widget] = control;
    widget->installEventFilter(this);
}

void FormEvents::raiseGotFocusOn(QWidget *widget, std::string_view control)
{
    focus_[widget] = control;
    widget->installEventFilter(this);
}

void FormEvents::raise(std::string_view control, std::string_view event)
{
    // What the user cannot see, the user cannot click: a click that reaches a control of
    // a hidden window (say Send, pressed again through assistive tools during the wait)
    // is ignored.
    if (event == "Click" && !window_.isVisible())
        return;
    WindowSet::instance().raise(window_, control, event);
}

bool FormEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && focus_.count(watched)) {
        auto *widget = static_cast<QWidget *>(watched);
        if (lastFocus_ != widget) {
            lastFocus_ = widget;
            raise(focus_.at(watched), "GotFocus");
        }
    } else if (event->type() == QEvent::MouseButtonRelease && clicks_.count(watched)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint()))
            raise(clicks_.at(watched), "Click");
    }
    return false;
}

} // namespace vb
