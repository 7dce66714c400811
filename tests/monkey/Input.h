// What the monkey types and pastes, and how a key reaches a window: as the window system
// delivers it, so that modal boxes block the other windows and open menus catch the keys.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

class QWidget;

namespace monkey {

struct Stroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

inline constexpr Stroke strokes[] = {
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Backtab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_F, Qt::AltModifier, "Alt+F"},
    {Qt::Key_I, Qt::AltModifier, "Alt+I"},
    {Qt::Key_A, Qt::NoModifier, "A"},
    {Qt::Key_N, Qt::NoModifier, "N"},
    {Qt::Key_X, Qt::NoModifier, "X"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Menu, Qt::NoModifier, "Menu"},
    {Qt::Key_F10, Qt::NoModifier, "F10"},
};

// Short texts typed key by key (ASCII only: what a keyboard types without a compose key).
inline constexpr const char *typedTexts[] = {"Razo Rules",  "Razo Rule", "razo rules", "0",   "15",
                                             "-3",          "2.5",       "1e3",        "abc", " ",
                                             "99999999999", "007",       "x&y",        "<b>", "\t"};

struct Paste
{
    const char *name;
    QString text;
};

// Texts for the clipboard: long ones, markup, scripts written right to left, characters
// that are no text, and numbers at and past the edges of what the delay box takes.
std::vector<Paste> makePastes();

// A key pressed and released on a top-level window, as the window system delivers it:
// first the modifiers, then the key, then their releases in reverse. The event loop runs
// after each, as it does between a user's keys. Unlike QTest::keyClick it stops once the
// window is gone: a modifier may close a menu that deletes itself, and the key must then
// reach nothing.
void keyStroke(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
               QString text = {});

// A character typed: its key, and the character as the text.
void typeCharacter(QWidget *window, char character);

// The window manager gives the focus to a window the user turns to.
void activate(QWidget *window);

// The window system activates windows after the fact: wait for it, without spinning
// the event loop further than a user's short look at the screen would.
bool waitUntilActive(QWidget *window);

void closePopups();

} // namespace monkey
