// Marks a text of a window description as one to translate, without Qt: it stands for the
// text itself, and `lupdate` finds it as QT_TRANSLATE_NOOP (tools/translations/update.sh).
// The forms runtime translates a caption in the context of its window's name when it
// builds the widget, so that the same English word can read differently in two windows.
#pragma once

#define TRANSLATABLE(window, text) text
