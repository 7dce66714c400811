#include "platform/FormEvents.h"

#include "platform/Controls.h"
#include "platform/FormWindow.h"
#include "platform/WindowSet.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vb {

FormEvents::FormEvents(FormWindow &window) : QObject(&window), window_(window) {}

void FormEvents::watch(const ControlDescription &control, QWidget *widget)
{
    const std::string_view name = control.name;
    const auto click = [this, name] { raise(name, "Click"); };
    const auto change = [this, name] { raise(name, "Change"); };
    if (auto *button = qobject_cast<QPushButton *>(widget))
        connect(button, &QPushButton::clicked, this, click);
    else if (auto *picture = qobject_cast<PictureBoxControl *>(widget))
        connect(picture, &PictureBoxControl::clicked, this, click);
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        connect(line, &QLineEdit::textChanged, this, change);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
        connect(box, &QPlainTextEdit::textChanged, this, change);
        watchEvents(box->viewport(), control); // clicks land on the viewport
    }
    watchEvents(widget, control);
}

void FormEvents::watch(const ControlDescription &control, QTimer *timer)
{
    const std::string_view name = control.name;
    connect(timer, &QTimer::timeout, this, [this, name] { raise(name, "Timer"); });
}

void FormEvents::watch(std::string_view menuEntry, QAction *action)
{
    connect(action, &QAction::triggered, this, [this, menuEntry] { raise(menuEntry, "Click"); });
}

void FormEvents::watchEvents(QObject *object, const ControlDescription &control)
{
    byObject_[object] = &control;
    object->installEventFilter(this);
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
    const auto found = byObject_.find(watched);
    if (found == byObject_.end())
        return false;
    const ControlDescription &control = *found->second;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // A control gets GotFocus when the focus moves to it, not when its window is
        // activated again with the focus still on it.
        QWidget *widget = window_.control(control.name).widget;
        if (lastFocus_ != widget) {
            lastFocus_ = widget;
            raise(control.name, "GotFocus");
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        if (control.kind == Kind::TextBox && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            raise(control.name, "Click");
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (control.kind == Kind::CommandButton &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace vb
