// A window built from its description: the top-level widget with its menu bar, client
// area and controls, each control reachable by name, its properties as handlers see them,
// and the names assistive tools read, which follow the captions they come from. How each
// kind of control is made is in platform/controls/, the order they stack in in Stacking,
// how they raise the window's events in FormEvents, where the window opens in Placement.
#pragma once

#include "forms/Description.h"

#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>

class QMenuBar;
class QTimer;

namespace vb {

class FormEvents;

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(const FormDefinition &definition);
    ~FormWindow() override;

    std::string_view name() const { return definition_.description.name; }
    const Handler *handler(std::string_view name) const;

    struct Entry
    {
        const ControlDescription *description = nullptr;
        QWidget *widget = nullptr; // nullptr for a timer
        QTimer *timer = nullptr;
    };
    // The control of that name; raises an error when the window has none.
    const Entry &control(std::string_view name) const;
    QWidget *clientArea() const { return client_; }
    QMenuBar *menuBar() const { return menuBar_; }

    // Property access as handlers see it: Text and Caption are the Qt properties that the
    // code of each kind declares; the runtime's error for a control without them.
    QString text(std::string_view control) const { return read(control, "Text"); }
    void setText(std::string_view control, const QString &text) { write(control, "Text", text); }
    QString caption(std::string_view control) const { return read(control, "Caption"); }
    void setCaption(std::string_view control, const QString &caption);
    void setControlVisible(std::string_view control, bool visible);

    // Visible, modeless and ownerless; centred on the work area the first time.
    void showForm();
    void stopTimers();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QString read(std::string_view control, const char *property) const;
    // Returns whether the value changed.
    bool write(std::string_view control, const char *property, const QString &value);
    void nameByHeading(const Entry &entry);

    const FormDefinition &definition_;
    FormEvents *events_;
    QWidget *client_ = nullptr;
    QMenuBar *menuBar_ = nullptr;
    std::map<std::string, Entry, std::less<>> controls_;
    bool shown_ = false;
};

} // namespace vb
