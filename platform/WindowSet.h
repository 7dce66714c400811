// The window set, the engine behind the operations of Runtime.h that handlers call: it
// owns the default instance of each of the project's windows, builds it on first
// reference, raises the windows' events to the handlers one at a time, shows the error
// report, and ends the program.
#pragma once

#include "forms/Description.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QEventLoop;
class QWidget;

namespace vb {

class FormWindow;

struct Project
{
    std::span<const FormDefinition> forms;
    std::string_view startup;
    std::string_view title; // the title of the error report
};

class WindowSet : public QObject
{
    Q_OBJECT
public:
    static WindowSet &instance();

    void setProject(const Project &project);
    const Project &project() const { return project_; }

    // Shows the startup window and runs the event loop until the program ends.
    // Returns the exit status.
    int run();

    // The default instance of a window, built hidden (and its Form_Load run) on the
    // first reference. Raises an error for a name the project does not know.
    FormWindow &window(std::string_view name);
    // The instance if it is loaded, without building it.
    FormWindow *loaded(std::string_view name) const;

    // Runs the handler `<control>_<event>` of a window, if it has one, catching what
    // escapes it: the end of the program, or an error for the error report.
    void raise(FormWindow &window, std::string_view control, std::string_view event);
    // The window whose handler is running (the innermost, when one handler's message box
    // lets another run), or nullptr between handlers: the message boxes and error report
    // that the handler raises belong to it.
    QWidget *handlerWindow() const;

    // Called when the user closed a window that has no Unload handler ending the program.
    void unload(FormWindow &window);

    // Ends the program with the given status: hides every window, stops every timer
    // and leaves every event loop.
    void end(int status);
    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }
    // Throws EndOfProgram when the program has ended.
    void checkEnded() const;

    // Shows an error as the standard error report, then ends the program with status 1.
    void reportError(int number, const QString &description);

    // Event loops that a handler runs, so that the end of the program leaves them too.
    void enterLoop(QEventLoop *loop);
    void leaveLoop(QEventLoop *loop);

    // Forgets every window and the end, so a test can start afresh.
    void reset();

private:
    Project project_{};
    std::map<std::string, QPointer<FormWindow>, std::less<>> instances_;
    std::vector<QEventLoop *> loops_;
    QPointer<FormWindow> handlerWindow_;
    bool running_ = false;
    bool ended_ = false;
    bool reporting_ = false;
    int exitStatus_ = 0;
};

} // namespace vb
