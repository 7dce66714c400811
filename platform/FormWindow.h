// A window built from its description: the top-level widget with its menu bar, client
// area and controls, each control reachable by name.
#pragma once

#include "forms/Description.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;
class QTimer;

namespace vb {

// Twips to logical pixels, at a fixed 15 twips per pixel.
int toPixels(Twips twips);

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(const FormDefinition &definition);
    ~FormWindow() override;

    const FormDefinition &definition() const { return definition_; }
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
    bool hasControl(std::string_view name) const;
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    QWidget *buildControl(const ControlDescription &control, QWidget *container);
    void buildTabOrder();
    void nameForAssistiveTools();
    void nameByHeading(const Entry &entry);
    void raiseEvent(std::string_view control, std::string_view event);
    const ControlDescription *controlOf(QObject *object) const;

    const FormDefinition &definition_;
    QWidget *client_ = nullptr;
    QMenuBar *menuBar_ = nullptr;
    std::map<std::string, Entry, std::less<>> controls_;
    std::map<const QObject *, const ControlDescription *> byWidget_;
    QPointer<QWidget> lastFocus_;
    bool shown_ = false;
};

} // namespace vb
