// The TextBox kind: text the user edits, in one line or, MultiLine, in several (the boxes
// of TextBoxes.h, whose Text is what they hold). A text box takes the focus and raises
// Click, GotFocus and Change.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

class QWidget;

namespace vb {

QWidget *build(const TextBoxDescription &box, QWidget *container, FormEvents &events);

} // namespace vb
