// The program's message boxes: one OK button, the style's icon, modal, on top, owned by
// the window whose handler raised them.
#pragma once

#include <QString>

class QWidget;

namespace vb {

// The window whose handler is running, if any: by default the owner of a message box.
QWidget *handlerWindow();

// A message box with one OK button and the icon the style asks for, modal to the whole
// program and, with the system-modal bit, above every window. Owned by `owner` while that
// window is shown (an owned window never goes behind its owner), by no window otherwise.
// Returns when the user closes it.
void showMessageBox(const QString &prompt, int style, const QString &title,
                    QWidget *owner = handlerWindow());

} // namespace vb
