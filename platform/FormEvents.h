// Raises a window's events to its handlers by name: what the code of each kind of control
// (platform/controls/) and the window's menu entries ask for, from Qt's signals, clicks and
// focus changes. A click on a control of a hidden window is ignored.
#pragma once

#include <QObject>
#include <QPointer>

#include <map>
#include <string_view>

class QWidget;

namespace vb {

class FormWindow;

class FormEvents : public QObject
{
public:
    explicit FormEvents(FormWindow &window);

    // Raises `event` of `control` whenever `sender` emits `signal`.
    template <class Sender, class Signal>
    void raiseOn(Sender *sender, Signal signal, std::string_view control, std::string_view event)
    {
        connect(sender, signal, this, [this, control, event] { raise(control, event); });
    }
    // Raises Click when the left button is released over `widget`.
    void raiseClicksOn(QWidget *widget, std::string_view control);
    // Raises GotFocus when the focus moves to `widget`, not when its window is activated
    // again with the focus still on it.
    void raiseGotFocusOn(QWidget *widget, std::string_view control);

    // Runs the handler `<control>_<event>` of the window, if it has one.
    void raise(std::string_view control, std::string_view event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FormWindow &window_;
    std::map<const QObject *, std::string_view> clicks_, focus_;
    QPointer<QWidget> lastFocus_;
};

} // namespace vb
