// Turns what happens to a window's widgets into the window's events, raised to its
// handlers by name: Click (buttons, picture boxes, text boxes, menu entries), GotFocus,
// Change (text boxes) and Timer. Also: Enter presses the focused button, as on the
// desktops users know.
#pragma once

#include "forms/Description.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <string_view>

class QAction;
class QTimer;
class QWidget;

namespace vb {

class FormWindow;

class FormEvents : public QObject
{
public:
    explicit FormEvents(FormWindow &window);

    void watch(const ControlDescription &control, QWidget *widget);
    void watch(const ControlDescription &control, QTimer *timer);
    void watch(std::string_view menuEntry, QAction *action);

    // Runs the handler `<control>_<event>` of the window, if it has one.
    void raise(std::string_view control, std::string_view event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchEvents(QObject *object, const ControlDescription &control);

    FormWindow &window_;
    std::map<const QObject *, const ControlDescription *> byObject_;
    QPointer<QWidget> lastFocus_;
};

} // namespace vb
