#pragma once

#include <QString>

namespace vb {

// A message box with one OK button and the icon the style asks for, modal to the whole
// program and, with the system-modal bit, above every window. Returns when the user
// closes it.
void showMessageBox(const QString &prompt, int style, const QString &title);

// The width a window needs for its title in the title bar, with room for the bar's buttons.
int titleBarWidth(const QString &title);

} // namespace vb
