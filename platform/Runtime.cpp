#include "platform/Runtime.h"

#include "platform/FormWindow.h"
#include "platform/FormsRuntime.h"
#include "platform/MessageBox.h"
#include "platform/TextToInteger.h"

#include <QLocale>
#include <QTime>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#endif

namespace vb {

namespace {

FormWindow &windowOf(std::string_view form)
{
    return FormsRuntime::instance().window(form);
}

} // namespace

QString Control::text() const
{
    return windowOf(form_).text(name_);
}

void Control::setText(const QString &text) const
{
    windowOf(form_).setText(name_, text);
    FormsRuntime::instance().checkEnded();
}

QString Control::caption() const
{
    return windowOf(form_).caption(name_);
}

void Control::setCaption(const QString &caption) const
{
    windowOf(form_).setCaption(name_, caption);
}

void Control::setVisible(bool visible) const
{
    windowOf(form_).setControlVisible(name_, visible);
}

void Control::setFocus() const
{
    FormWindow &window = windowOf(form_);
    QWidget *widget = window.control(name_).widget;
    if (!widget || widget->focusPolicy() == Qt::NoFocus)
        throw Error(5, "Invalid procedure call or argument: " + std::string(name_) + ".SetFocus");
    widget->setFocus(Qt::OtherFocusReason);
}

void Form::Show() const
{
    windowOf(name_).showForm();
}

void Form::Hide() const
{
    windowOf(name_).hide();
}

WindowHandle Form::hWnd() const
{
    return static_cast<WindowHandle>(windowOf(name_).winId());
}

void End()
{
    FormsRuntime::instance().end(0);
    throw EndOfProgram{};
}

void MsgBox(const QString &prompt, int style, const QString &title)
{
    FormsRuntime &runtime = FormsRuntime::instance();
    runtime.checkEnded();
    showMessageBox(prompt, style, title);
    runtime.checkEnded();
}

QString TimeOfDayText()
{
    return TimeText(QTime::currentTime());
}

QString TimeText(const QTime &time)
{
    // The user's long time format, without the time-zone name it may carry.
    static const QString format = [] {
        const QString longFormat = QLocale::system().timeFormat(QLocale::LongFormat);
        QString result;
        bool quoted = false;
        for (QChar c : longFormat) {
            if (c == u'\'')
                quoted = !quoted;
            if (!quoted && c == u't')
                continue;
            result.append(c);
        }
        return result.trimmed();
    }();
    return QLocale::system().toString(time, format);
}

std::optional<std::int32_t> ToInt32(const QString &text)
{
    // The point, and the decimal separator of the user's locale (the comma of "2,5").
    const QString separator = QLocale().decimalPoint();
    return textToInt32(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                           static_cast<std::size_t>(text.size())),
                       separator.size() == 1 ? separator.front().unicode() : u'.');
}

std::int32_t I4Str(const QString &text)
{
    const auto value = ToInt32(text);
    if (!value)
        throw Error(Error::TypeMismatch, "Type mismatch");
    return *value;
}

int SetWindowPos(WindowHandle hWnd, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                 unsigned flags)
{
#ifdef Q_OS_WIN
    return ::SetWindowPos(reinterpret_cast<HWND>(hWnd), reinterpret_cast<HWND>(insertAfter), x, y,
                          cx, cy, flags)
               ? 1
               : 0;
#else
    // Window systems without Z order levels keep a window above others through the
    // stay-on-top hint; the position and size stay as they are.
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_UNUSED(cx);
    Q_UNUSED(cy);
    Q_UNUSED(flags);
    constexpr std::intptr_t topmost = -1, notTopmost = -2;
    QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    if (!window || (insertAfter != topmost && insertAfter != notTopmost))
        return 0;
    const bool onTop = insertAfter == topmost;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return 1;
    Qt::WindowFlags windowFlags = window->windowFlags();
    windowFlags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *handle = window->windowHandle()) {
        // Tell the window system on the existing window: changing the widget's flags
        // would destroy the window and build it again, under a new handle.
        window->overrideWindowFlags(windowFlags);
        handle->setFlags(windowFlags);
    } else {
        window->setWindowFlags(windowFlags);
    }
    return 1;
#endif
}

} // namespace vb
