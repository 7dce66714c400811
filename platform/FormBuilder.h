// Building a window's widgets from its description: the units and texts of descriptions as
// Qt takes them, each control by the code of its kind (platform/controls/), the menus,
// the tab order.
#pragma once

#include "forms/Description.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <map>
#include <span>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;
class QObject;
class QWidget;

namespace vb {

class FormEvents;

// Twips to logical pixels, at a fixed 15 twips per pixel.
int toPixels(Twips twips);
// Where a control stands in its container, in pixels.
QRect toPixels(const Place &place);
QColor toQColor(Colour colour);
QString toQString(std::string_view text);
// The text a widget shows for a text of a description: a window's caption, a control's
// caption or text, a menu entry, in the user's language; `in` is the widget or its
// container, whose window's name is the context of the translation. Every such text
// becomes a widget's text here.
QString descriptionText(const QWidget *in, std::string_view text);

// A control as the code of its kind builds it in its container, raising its events through
// `events`: a widget (hidden if the control is not visible), or a timer.
QObject *buildControl(const ControlDescription &control, QWidget *container, FormEvents &events);

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
