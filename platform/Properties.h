// The properties that handlers read and write on a control's widget: the Text of a text
// box, the Caption of a label, command button or frame, and whether a control is Visible.
// Asked of a control that has no such property, they raise the runtime's error.
#pragma once

#include <QString>

#include <string_view>

class QWidget;

namespace vb {

QString textOf(QWidget *widget, std::string_view control);
// Raises Change only when the text differs.
void setTextOf(QWidget *widget, std::string_view control, const QString &text);

QString captionOf(QWidget *widget, std::string_view control);
// Returns whether the caption changed: an unchanged one is not painted again.
bool setCaptionOf(QWidget *widget, std::string_view control, const QString &caption);

void setVisibleOf(QWidget *widget, std::string_view control, bool visible);

} // namespace vb
