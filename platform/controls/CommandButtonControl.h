// The CommandButton kind: a push button with a caption. It takes the focus and raises
// Click and GotFocus; no button is a default button, and Enter presses the focused one,
// as on the desktops users know.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QPushButton>

namespace vb {

class CommandButtonControl : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
public:
    CommandButtonControl(const CommandButtonDescription &button, QWidget *container);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

CommandButtonControl *build(const CommandButtonDescription &button, QWidget *container,
                            FormEvents &events);

} // namespace vb
