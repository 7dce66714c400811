// The window set: default instances, one handler at a time, the error report, the end.
#include "platform/WindowSet.h"

#include "platform/FormWindow.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "platform/Translation.h"

#include <QApplication>
#include <QEventLoop>

#include <string>

namespace vb {

WindowSet &WindowSet::instance()
{
    static WindowSet runtime;
    return runtime;
}

void WindowSet::setProject(const Project &project)
{
    project_ = project;
}

int WindowSet::run()
{
    try {
        Form(project_.startup).Show();
    } catch (const EndOfProgram &) {
    } catch (const Error &error) {
        reportError(error.number(), QString::fromUtf8(error.what()));
    }
    if (ended_)
        return exitStatus_;
    running_ = true;
    const int status = QApplication::exec();
    running_ = false;
    return ended_ ? exitStatus_ : status;
}

FormWindow *WindowSet::loaded(std::string_view name) const
{
    const auto it = instances_.find(name);
    return it == instances_.end() ? nullptr : it->second.data();
}

FormWindow &WindowSet::window(std::string_view name)
{
    checkEnded();
    if (FormWindow *existing = loaded(name))
        return *existing;
    for (const FormDefinition &form : project_.forms) {
        if (form.description.name != name)
            continue;
        auto *window = new FormWindow(form);
        instances_[std::string(name)] = window;
        raise(*window, "Form", "Load");
        checkEnded();
        return *window;
    }
    throw Error(Error::ObjectRequired, "Object required: " + std::string(name));
}

void WindowSet::raise(FormWindow &window, std::string_view control, std::string_view event)
{
    if (ended_)
        return;
    std::string name;
    name.reserve(control.size() + event.size() + 1);
    name.append(control).append("_").append(event);
    const Handler *handler = window.handler(name);
    if (!handler)
        return;
    const QPointer<FormWindow> outer = handlerWindow_;
    handlerWindow_ = &window;
    try {
        handler->run();
    } catch (const EndOfProgram &) {
    } catch (const Error &error) {
        reportError(error.number(), QString::fromUtf8(error.what()));
    } catch (const std::exception &error) {
        reportError(Error::InternalError,
                    QStringLiteral("Internal error: %1").arg(QString::fromUtf8(error.what())));
    }
    handlerWindow_ = outer;
}

QWidget *WindowSet::handlerWindow() const
{
    return handlerWindow_.data();
}

void WindowSet::unload(FormWindow &window)
{
    for (auto it = instances_.begin(); it != instances_.end(); ++it) {
        if (it->second == &window) {
            instances_.erase(it);
            break;
        }
    }
    window.stopTimers();
    window.hide();
    window.deleteLater();
}

void WindowSet::end(int status)
{
    if (ended_)
        return;
    ended_ = true;
    exitStatus_ = status;
    for (auto &[name, window] : instances_) {
        if (window)
            window->stopTimers();
    }
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->hide();
    for (QEventLoop *loop : loops_)
        loop->exit(status);
    if (running_)
        QCoreApplication::exit(status);
}

void WindowSet::enterLoop(QEventLoop *loop)
{
    loops_.push_back(loop);
}

void WindowSet::leaveLoop(QEventLoop *loop)
{
    std::erase(loops_, loop);
}

void WindowSet::checkEnded() const
{
    if (ended_)
        throw EndOfProgram{};
}

void WindowSet::reportError(int number, const QString &description)
{
    if (ended_ || reporting_)
        return;
    reporting_ = true;
    showMessageBox(QCoreApplication::translate("ErrorReport", "Run-time error '%1':\n\n%2")
                       .arg(QString::number(number), errorDescription(description)),
                   vbCritical | vbSystemModal, QString::fromUtf8(project_.title));
    reporting_ = false;
    end(1);
}

void WindowSet::reset()
{
    for (auto &[name, window] : instances_)
        delete window.data();
    instances_.clear();
    ended_ = false;
    reporting_ = false;
    exitStatus_ = 0;
}

} // namespace vb
