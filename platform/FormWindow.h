// A window built from its description: the top-level widget with its menu bar, client
// area and controls, each control reachable by name, and its properties as handlers see
// them. How the widgets are made is in FormBuilder, the order they stack in in Stacking,
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

    // Property access as handlers see it.
    QString text(std::string_view control) const;
    void setText(std::string_view control, const QString &text);
    QString caption(std::string_view control) const;
    void setCaption(std::string_view control, const QString &caption);
    void setControlVisible(std::string_view control, bool visible);

    // Visible, modeless and ownerless; centred on the work area the first time.
    void showForm();
    void stopTimers();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void nameForAssistiveTools();
    void nameByHeading(const Entry &entry);

    const FormDefinition &definition_;
    FormEvents *events_;
    QWidget *client_ = nullptr;
    QMenuBar *menuBar_ = nullptr;
    std::map<std::string, Entry, std::less<>> controls_;
    bool shown_ = false;
};

} // namespace vb
