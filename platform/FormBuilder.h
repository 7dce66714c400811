// Building a window's widgets from its description: each control's widget at its place in
// its container, in its colours and font; the menus; the tab order.
#pragma once

#include "forms/Description.h"

#include <QColor>
#include <QString>

#include <map>
#include <span>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace vb {

// Twips to logical pixels, at a fixed 15 twips per pixel.
int toPixels(Twips twips);
QColor toQColor(Colour colour);
QString toQString(std::string_view text);
bool takesFocus(Kind kind);

// The widget of a control other than a timer, built hidden in its container if the
// control is not visible.
QWidget *buildControl(const ControlDescription &control, QWidget *container);

// The menus of the bar, and F10 to open the first. Returns the actions of the entries
// without children, which raise Click, by name.
std::map<std::string_view, QAction *> buildMenus(QMenuBar *bar,
                                                 std::span<const MenuDescription> menus);

struct Focusable
{
    int tabIndex;
    QWidget *widget;
};
// Tab moves through the controls in the order of their TabIndex; the first has the focus.
void setTabOrderOf(std::vector<Focusable> controls);

} // namespace vb
