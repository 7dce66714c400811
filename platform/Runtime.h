// The operations that handlers and the shared modules use on windows and the system:
// default instances, show and hide, property access, message boxes, the clock, text
// conversions, the dispatch of events and the end of the program. Nothing here depends
// on the widget toolkit; the window set behind it (WindowSet.h) does.
#pragma once

#include "forms/Description.h"
#include "platform/TextToInteger.h"

#include <QString>
#include <QTime>

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace vb {

// The platform handle of a built window.
using WindowHandle = std::uintptr_t;

// An error raised by a failed operation. A handler does not trap it: the runtime's
// error report shows it and ends the program.
class Error : public std::runtime_error
{
public:
    // The numbers the error report shows.
    enum Number {
        InvalidProcedureCall = 5,
        InternalError = 51,
        ObjectRequired = 424,
        PropertyNotSupported = 438,
    };
    Error(int number, const std::string &description)
        : std::runtime_error(description), number_(number)
    {
    }
    int number() const { return number_; }

private:
    int number_;
};

// Thrown by End() and by any operation that finds the program ended, so that no
// statement of the running handler runs after it. Only the runtime catches it.
struct EndOfProgram
{
};

// A control of a window's default instance, addressed by name.
class Control
{
public:
    Control(std::string_view form, std::string_view name) : form_(form), name_(name) {}
    QString text() const;
    void setText(const QString &text) const;
    QString caption() const;
    void setCaption(const QString &caption) const;
    void setVisible(bool visible) const;
    void setFocus() const;

private:
    std::string_view form_;
    std::string_view name_;
};

// The default instance of a window, addressed by name. The first reference builds it.
class Form
{
public:
    constexpr explicit Form(std::string_view name) : name_(name) {}
    void Show() const;
    void Hide() const;
    WindowHandle hWnd() const;
    Control operator[](std::string_view control) const { return Control(name_, control); }

private:
    std::string_view name_;
};

// Ends the program at once: every window disappears, no further handler runs.
[[noreturn]] void End();

// Message box styles, combined by addition.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbSystemModal = 4096
};
void MsgBox(const QString &prompt, int style, const QString &title);

// The current time of day as text: hours, minutes and seconds in the user's format.
QString TimeOfDayText();
// A time of day as text, in the same format.
QString TimeText(const QTime &time);

// Text to a signed 32-bit integer, fractions rounded half to even, or why it is none (see
// textToInt32); the decimal point is '.' or the user's locale's separator, and "10.000" is no
// number where the locale groups thousands with '.'.
Int32Reading ToInt32(const QString &text);

// Makes a window stay above ordinary windows without moving or resizing it.
// insertAfter -1 is HWND_TOPMOST; flags 3 are SWP_NOMOVE | SWP_NOSIZE.
int SetWindowPos(WindowHandle hWnd, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                 unsigned flags);

} // namespace vb
