#include "platform/FormWindow.h"

#include "platform/Controls.h"
#include "platform/FormBuilder.h"
#include "platform/FormEvents.h"
#include "platform/Placement.h"
#include "platform/Properties.h"
#include "platform/Resources.h"
#include "platform/Runtime.h"
#include "platform/Stacking.h"
#include "platform/Translation.h"
#include "platform/WindowSet.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace vb {

FormWindow::FormWindow(const FormDefinition &definition)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      definition_(definition), events_(new FormEvents(*this))
{
    const FormDescription &form = definition.description;
    setObjectName(toQString(form.name));
    setWindowTitle(captionText(form.name, form.caption));
    if (form.icon == Image::ProgramIcon)
        setWindowIcon(programIcon());

    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, framePalette.color(QPalette::Button));
    setPalette(framePalette);

    const QColor background =
        form.backColor ? toQColor(*form.backColor) : palette().color(QPalette::Button);
    client_ = new ClientArea(background, picture(form.picture), this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(toPixels(form.clientWidth), toPixels(form.clientHeight));
    client_->setFont(form.font ? fontFor(*form.font) : dialogFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed border
    layout->addWidget(client_);
    if (!form.menus.empty()) {
        menuBar_ = new QMenuBar(this);
        layout->setMenuBar(menuBar_);
        for (const auto &[name, action] : buildMenus(menuBar_, form.menus))
            events_->watch(name, action);
    }
    buildControls();
    nameForAssistiveTools();
    layout->activate();
    askForFrame(*this);
}

FormWindow::~FormWindow() = default;

void FormWindow::buildControls()
{
    std::map<std::string_view, QWidget *> containers{{std::string_view{}, client_}};
    std::vector<Focusable> focusable;
    for (const ControlDescription *control : buildingOrder(definition_.description.controls)) {
        QWidget *widget = buildControl(*control, containers.at(control->container));
        if (control->kind == Kind::Frame)
            containers[control->name] = widget;
        if (takesFocus(control->kind) && control->tabIndex >= 0)
            focusable.push_back({control->tabIndex, widget});
        events_->watch(*control, widget);
        controls_[std::string(control->name)] = Entry{control, widget, nullptr};
    }
    setTabOrderOf(std::move(focusable));
    for (const ControlDescription &control : definition_.description.controls) {
        if (control.kind != Kind::Timer)
            continue;
        // Timers tick from the start, also while the window is hidden.
        auto *timer = new QTimer(this);
        timer->setObjectName(toQString(control.name));
        timer->setInterval(control.interval);
        events_->watch(control, timer);
        controls_[std::string(control.name)] = Entry{&control, nullptr, timer};
        if (control.interval > 0)
            timer->start();
    }
}

const Handler *FormWindow::handler(std::string_view name) const
{
    for (const Handler &h : definition_.handlers) {
        if (h.name == name)
            return &h;
    }
    return nullptr;
}

const FormWindow::Entry &FormWindow::control(std::string_view name) const
{
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw Error(Error::ObjectRequired,
                    "Object required: " + std::string(this->name()) + "." + std::string(name));
    return it->second;
}

QString FormWindow::text(std::string_view name) const
{
    return textOf(control(name).widget, name);
}

void FormWindow::setText(std::string_view name, const QString &text)
{
    setTextOf(control(name).widget, name, text);
}

QString FormWindow::caption(std::string_view name) const
{
    return captionOf(control(name).widget, name);
}

void FormWindow::setCaption(std::string_view name, const QString &caption)
{
    const Entry &entry = control(name);
    if (setCaptionOf(entry.widget, name, caption) && !entry.description->heading.empty())
        nameByHeading(entry);
}

void FormWindow::setControlVisible(std::string_view name, bool visible)
{
    setVisibleOf(control(name).widget, name, visible);
}

void FormWindow::nameForAssistiveTools()
{
    // Titles pushed right with spaces are read without them, the icon by what it shows,
    // and boxes and values by their headings.
    setAccessibleName(windowTitle().trimmed());
    for (auto &[name, entry] : controls_) {
        if (entry.widget && !entry.description->heading.empty())
            nameByHeading(entry);
        else if (entry.widget && entry.description->kind == Kind::PictureBox)
            entry.widget->setAccessibleName(
                QCoreApplication::translate("Accessibility", "Quoriam icon"));
    }
}

void FormWindow::nameByHeading(const Entry &entry)
{
    QString heading = caption(entry.description->heading).trimmed();
    if (heading.endsWith(u':')) {
        heading.chop(1);
        heading = std::move(heading).trimmed(); // also the space before a French colon
    }
    // A text box shows its value to assistive tools itself; a label's value goes into
    // its name after the heading.
    if (auto *label = qobject_cast<LabelControl *>(entry.widget))
        heading = headingAndValue(std::move(heading), label->caption());
    entry.widget->setAccessibleName(heading);
}

void FormWindow::showForm()
{
    if (!shown_) {
        shown_ = true;
        adjustSize();
        centreOnWorkArea(*this);
    }
    show();
    raise();
    activateWindow();
}

void FormWindow::stopTimers()
{
    for (auto &[name, entry] : controls_) {
        if (entry.timer)
            entry.timer->stop();
    }
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    WindowSet &runtime = WindowSet::instance();
    event->accept();
    if (runtime.ended())
        return;
    events_->raise("Form", "Unload");
    if (!runtime.ended())
        runtime.unload(*this);
}

} // namespace vb
