// Building a window, its controls' properties, the names of window and controls, and
// the closing of the window.
#include "platform/FormWindow.h"

#include "platform/ClientArea.h"
#include "platform/FormBuilder.h"
#include "platform/FormEvents.h"
#include "platform/Placement.h"
#include "platform/Resources.h"
#include "platform/Runtime.h"
#include "platform/Stacking.h"
#include "platform/Translation.h"
#include "platform/WindowSet.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMetaProperty>
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
    setWindowTitle(descriptionText(this, form.caption));
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
            events_->raiseOn(action, &QAction::triggered, name, "Click");
    }
    buildControls();
    layout->activate();
    askForFrame(*this);
}

FormWindow::~FormWindow() = default;

void FormWindow::buildControls()
{
    std::map<std::string_view, QWidget *> containers{{std::string_view{}, client_}};
    std::vector<Focusable> focusable;
    for (const ControlDescription *control : buildingOrder(definition_.description.controls)) {
        QObject *built = buildControl(*control, containers.at(control->container()), *events_);
        auto *widget = qobject_cast<QWidget *>(built);
        if (widget)
            containers[control->name()] = widget;
        if (widget && control->tabStop() >= 0)
            focusable.push_back({control->tabStop(), widget});
        controls_[std::string(control->name())] =
            Entry{control, widget, qobject_cast<QTimer *>(built)};
    }
    setTabOrderOf(std::move(focusable));
    // Boxes and values are named by their headings.
    for (auto &[name, entry] : controls_) {
        if (!entry.description->heading().empty())
            nameByHeading(entry);
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

namespace {

[[noreturn]] void noSuchProperty(std::string_view control, const char *property)
{
    throw Error(Error::PropertyNotSupported, "Object doesn't support this property or method: " +
                                                 std::string(control) + "." + property);
}

// A property of a control's widget as handlers name it: a Qt property that the code of its
// kind declares.
QMetaProperty propertyOf(QObject *object, std::string_view control, const char *property)
{
    const int index = object ? object->metaObject()->indexOfProperty(property) : -1;
    if (index < 0)
        noSuchProperty(control, property);
    return object->metaObject()->property(index);
}

} // namespace

QString FormWindow::read(std::string_view name, const char *property) const
{
    QWidget *widget = control(name).widget;
    return propertyOf(widget, name, property).read(widget).toString();
}

bool FormWindow::write(std::string_view name, const char *property, const QString &value)
{
    QWidget *widget = control(name).widget;
    const QMetaProperty meta = propertyOf(widget, name, property);
    // An unchanged caption is not painted again, an unchanged text raises no Change.
    return meta.read(widget).toString() != value && meta.write(widget, value);
}

void FormWindow::setCaption(std::string_view name, const QString &caption)
{
    if (!write(name, "Caption", caption))
        return;
    // The names that come from this caption: its own, and those of the controls it heads.
    for (auto &[other, entry] : controls_) {
        const std::string_view heading = entry.description->heading();
        if (!heading.empty() && (other == name || heading == name))
            nameByHeading(entry);
    }
}

void FormWindow::setControlVisible(std::string_view name, bool visible)
{
    QWidget *widget = control(name).widget;
    if (!widget)
        noSuchProperty(name, "Visible"); // a timer
    widget->setVisible(visible);
}

void FormWindow::nameByHeading(const Entry &entry)
{
    QString heading = caption(entry.description->heading()).trimmed();
    if (heading.endsWith(u':')) {
        heading.chop(1);
        heading = std::move(heading).trimmed(); // also the space before a French colon
    }
    // A text box shows its value to assistive tools itself; a value with a caption (a
    // label) goes into its name after the heading.
    if (entry.widget->metaObject()->indexOfProperty("Caption") >= 0)
        heading = headingAndValue(std::move(heading), caption(entry.description->name()));
    entry.widget->setAccessibleName(heading);
}

void FormWindow::changeEvent(QEvent *event)
{
    // A title pushed right with spaces is read without them.
    if (event->type() == QEvent::WindowTitleChange)
        setAccessibleName(windowTitle().trimmed());
    QWidget::changeEvent(event);
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
