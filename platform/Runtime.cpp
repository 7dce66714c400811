// The handlers' operations, each passed on to the window set or to Qt.
#include "platform/Runtime.h"

#include "platform/FormWindow.h"
#include "platform/MessageBox.h"
#include "platform/TextToInteger.h"
#include "platform/WindowSet.h"

#include <QLocale>
#include <QTime>
#include <QWidget>

namespace vb {

namespace {

FormWindow &windowOf(std::string_view form)
{
    return WindowSet::instance().window(form);
}

} // namespace

QString Control::text() const
{
    return windowOf(form_).text(name_);
}

void Control::setText(const QString &text) const
{
    windowOf(form_).setText(name_, text);
    WindowSet::instance().checkEnded();
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
        throw Error(Error::InvalidProcedureCall,
                    "Invalid procedure call or argument: " + std::string(name_) + ".SetFocus");
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
    WindowSet::instance().end(0);
    throw EndOfProgram{};
}

void MsgBox(const QString &prompt, int style, const QString &title)
{
    WindowSet &runtime = WindowSet::instance();
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

Int32Reading ToInt32(const QString &text)
{
    // The point, and the decimal separator of the user's locale (the comma of "2,5"); the
    // locale's group separator matters when it is one of those (the '.' of German "10.000").
    const QLocale locale;
    const auto single = [](const QString &separator, char16_t otherwise) {
        return separator.size() == 1 ? separator.front().unicode() : otherwise;
    };
    return textToInt32(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                           static_cast<std::size_t>(text.size())),
                       single(locale.decimalPoint(), u'.'), single(locale.groupSeparator(), u'\0'));
}

} // namespace vb
