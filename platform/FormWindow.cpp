#include "platform/FormWindow.h"

#include "platform/Controls.h"
#include "platform/FormsRuntime.h"
#include "platform/Placement.h"
#include "platform/Resources.h"
#include "platform/Runtime.h"
#include "platform/TextBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vb {

int toPixels(Twips twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

namespace {

QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

bool isWindowLayer(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::Frame ||
           kind == Kind::PictureBox;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::PictureBox;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[noreturn]] void noSuchControl(std::string_view form, std::string_view control)
{
    throw Error(Error::ObjectRequired,
                "Object required: " + std::string(form) + "." + std::string(control));
}

[[noreturn]] void noSuchProperty(std::string_view control, const char *property)
{
    throw Error(438, "Object doesn't support this property or method: " + std::string(control) +
                         "." + property);
}

} // namespace

FormWindow::FormWindow(const FormDefinition &definition)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      definition_(definition)
{
    const FormDescription &form = definition.description;
    setObjectName(fromUtf8(form.name));
    setWindowTitle(fromUtf8(form.caption));
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
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
    if (!form.menus.empty()) {
        menuBar_ = new QMenuBar(this);
        layout->setMenuBar(menuBar_);
        buildMenus();
    }
    buildControls();
    buildTabOrder();
    nameForAssistiveTools();
    layout->activate();
}

FormWindow::~FormWindow() = default;

const Handler *FormWindow::handler(std::string_view name) const
{
    for (const Handler &h : definition_.handlers) {
        if (h.name == name)
            return &h;
    }
    return nullptr;
}

void FormWindow::buildMenus()
{
    std::map<std::string_view, QMenu *> menus;
    for (const MenuDescription &entry : definition_.description.menus) {
        const bool hasChildren =
            std::any_of(definition_.description.menus.begin(), definition_.description.menus.end(),
                        [&](const MenuDescription &other) { return other.parent == entry.name; });
        QMenu *parentMenu = entry.parent.empty() ? nullptr : menus.at(entry.parent);
        if (hasChildren) {
            QMenu *menu = parentMenu ? parentMenu->addMenu(fromUtf8(entry.caption))
                                     : menuBar_->addMenu(fromUtf8(entry.caption));
            menu->setObjectName(fromUtf8(entry.name));
            menus[entry.name] = menu;
            continue;
        }
        QAction *action = parentMenu ? parentMenu->addAction(fromUtf8(entry.caption))
                                     : menuBar_->addAction(fromUtf8(entry.caption));
        action->setObjectName(fromUtf8(entry.name));
        const std::string_view name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { raiseEvent(name, "Click"); });
    }
    // F10 opens the first menu, as on Windows and most Linux desktops.
    auto *f10 = new QAction(this);
    f10->setShortcut(Qt::Key_F10);
    addAction(f10);
    connect(f10, &QAction::triggered, menuBar_,
            [this] { menuBar_->setActiveAction(menuBar_->actions().value(0)); });
}

void FormWindow::buildControls()
{
    // Within one container the window layer stands above the drawn layer, and a control
    // listed earlier stands above one listed later: build each container's drawn layer
    // first and each layer from its last control to its first, since a widget built
    // later stacks above its siblings.
    const auto controls = definition_.description.controls;
    std::map<std::string_view, QWidget *> containers{{std::string_view{}, client_}};
    auto buildLayer = [&](std::string_view container, bool windowLayer) {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            if (it->container != container || it->kind == Kind::Timer ||
                isWindowLayer(it->kind) != windowLayer)
                continue;
            QWidget *widget = buildControl(*it, containers.at(container));
            if (it->kind == Kind::Frame)
                containers[it->name] = widget;
        }
    };
    buildLayer({}, false);
    buildLayer({}, true);
    for (const ControlDescription &control : controls) {
        if (control.kind == Kind::Frame) {
            buildLayer(control.name, false);
            buildLayer(control.name, true);
        }
    }
    for (const ControlDescription &control : controls) {
        if (control.kind != Kind::Timer)
            continue;
        auto *timer = new QTimer(this);
        timer->setObjectName(fromUtf8(control.name));
        timer->setInterval(control.interval);
        const std::string_view name = control.name;
        connect(timer, &QTimer::timeout, this, [this, name] { raiseEvent(name, "Timer"); });
        controls_[std::string(control.name)] = Entry{&control, nullptr, timer};
        if (control.interval > 0)
            timer->start();
    }
}

QWidget *FormWindow::buildControl(const ControlDescription &control, QWidget *container)
{
    const QRect geometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                         toPixels(control.height));
    const QString caption = fromUtf8(control.caption);
    const std::string_view name = control.name;
    QWidget *widget = nullptr;

    switch (control.kind) {
    case Kind::Label: {
        auto *label = new LabelControl(caption, control.alignment == Center, container);
        label->setAutoFillBackground(control.backStyle == Opaque);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Button));
        colours.setColor(QPalette::WindowText, control.foreColor
                                                   ? toQColor(*control.foreColor)
                                                   : colours.color(QPalette::ButtonText));
        label->setPalette(colours);
        label->setGeometry(geometry);
        widget = label;
        break;
    }
    case Kind::TextBox: {
        if (control.multiLine) {
            auto *box = new MultiLineBox(caption, container);
            const auto policy = control.scrollBars == BothScrollBars ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff;
            box->setHorizontalScrollBarPolicy(policy);
            box->setVerticalScrollBarPolicy(policy);
            box->viewport()->installEventFilter(this);
            connect(box, &MultiLineBox::changed, this,
                    [this, name] { raiseEvent(name, "Change"); });
            widget = box;
        } else {
            auto *box = new LineBox(caption, container);
            connect(box, &LineBox::changed, this, [this, name] { raiseEvent(name, "Change"); });
            widget = box;
        }
        widget->setGeometry(geometry);
        break;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(caption, container);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, name] { raiseEvent(name, "Click"); });
        button->setGeometry(geometry);
        widget = button;
        break;
    }
    case Kind::Frame: {
        auto *frame = new FrameControl(caption, container);
        frame->setGeometry(geometry);
        widget = frame;
        break;
    }
    case Kind::PictureBox: {
        const QPixmap image = picture(control.picture);
        auto *box = new PictureBoxControl(image, container);
        const QSize natural = image.deviceIndependentSize().toSize();
        box->setGeometry(QRect(geometry.topLeft(), control.autoSize ? natural : geometry.size()));
        connect(box, &PictureBoxControl::clicked, this,
                [this, name] { raiseEvent(name, "Click"); });
        widget = box;
        break;
    }
    case Kind::Line:
        widget = new LineControl(QPoint(toPixels(control.x1), toPixels(control.y1)),
                                 QPoint(toPixels(control.x2), toPixels(control.y2)), container);
        break;
    case Kind::Shape:
        widget = new ShapeControl(container);
        widget->setGeometry(geometry);
        break;
    case Kind::Timer:
        return nullptr;
    }

    widget->setObjectName(fromUtf8(control.name));
    if (control.font)
        widget->setFont(fontFor(*control.font));
    widget->setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->installEventFilter(this);
    widget->setVisible(control.visible);
    controls_[std::string(control.name)] = Entry{&control, widget, nullptr};
    byWidget_[widget] = &control;
    if (auto *box = qobject_cast<MultiLineBox *>(widget))
        byWidget_[box->viewport()] = &control;
    return widget;
}

void FormWindow::buildTabOrder()
{
    std::vector<const Entry *> order;
    for (const auto &[name, entry] : controls_) {
        if (entry.widget && takesFocus(entry.description->kind) && entry.description->tabIndex >= 0)
            order.push_back(&entry);
    }
    std::sort(order.begin(), order.end(), [](const Entry *a, const Entry *b) {
        return a->description->tabIndex < b->description->tabIndex;
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
    if (!order.empty())
        order.front()->widget->setFocus(Qt::OtherFocusReason);
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
            entry.widget->setAccessibleName(QStringLiteral("Quoriam icon"));
    }
}

void FormWindow::nameByHeading(const Entry &entry)
{
    QString heading = caption(entry.description->heading).trimmed();
    if (heading.endsWith(u':'))
        heading.chop(1);
    // A text box shows its value to assistive tools itself; a label's value goes into
    // its name after the heading.
    if (auto *label = qobject_cast<LabelControl *>(entry.widget))
        heading += QStringLiteral(": ") + label->caption();
    entry.widget->setAccessibleName(heading);
}

const FormWindow::Entry &FormWindow::control(std::string_view name) const
{
    const auto it = controls_.find(name);
    if (it == controls_.end())
        noSuchControl(this->name(), name);
    return it->second;
}

bool FormWindow::hasControl(std::string_view name) const
{
    return controls_.find(name) != controls_.end();
}

QString FormWindow::text(std::string_view name) const
{
    if (auto *box = dynamic_cast<TextBox *>(control(name).widget))
        return box->content();
    noSuchProperty(name, "Text");
}

void FormWindow::setText(std::string_view name, const QString &text)
{
    auto *box = dynamic_cast<TextBox *>(control(name).widget);
    if (!box)
        noSuchProperty(name, "Text");
    box->setContent(text); // raises Change only when the text differs
}

QString FormWindow::caption(std::string_view name) const
{
    const Entry &entry = control(name);
    if (auto *label = qobject_cast<LabelControl *>(entry.widget))
        return label->caption();
    if (auto *button = qobject_cast<QPushButton *>(entry.widget))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(entry.widget))
        return frame->title();
    noSuchProperty(name, "Caption");
}

void FormWindow::setCaption(std::string_view name, const QString &caption)
{
    const Entry &entry = control(name);
    if (auto *label = qobject_cast<LabelControl *>(entry.widget)) {
        if (label->setCaption(caption) && !entry.description->heading.empty())
            nameByHeading(entry);
        return;
    }
    if (auto *button = qobject_cast<QPushButton *>(entry.widget)) {
        button->setText(caption);
        return;
    }
    if (auto *frame = qobject_cast<QGroupBox *>(entry.widget)) {
        frame->setTitle(caption);
        return;
    }
    noSuchProperty(name, "Caption");
}

void FormWindow::setControlVisible(std::string_view name, bool visible)
{
    const Entry &entry = control(name);
    if (!entry.widget)
        noSuchProperty(name, "Visible");
    entry.widget->setVisible(visible);
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
    FormsRuntime &runtime = FormsRuntime::instance();
    event->accept();
    if (runtime.ended())
        return;
    raiseEvent("Form", "Unload");
    if (!runtime.ended())
        runtime.unload(*this);
}

void FormWindow::raiseEvent(std::string_view control, std::string_view event)
{
    // What the user cannot see, the user cannot click: a click that reaches a control of
    // a hidden window (say Send, pressed again through assistive tools during the wait)
    // is ignored.
    if (event == "Click" && !isVisible())
        return;
    FormsRuntime::instance().raise(*this, control, event);
}

const ControlDescription *FormWindow::controlOf(QObject *object) const
{
    const auto it = byWidget_.find(object);
    return it == byWidget_.end() ? nullptr : it->second;
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    const ControlDescription *control = controlOf(watched);
    if (!control)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn: {
        // A control gets GotFocus when the focus moves to it, not when its window is
        // activated again with the focus still on it.
        QWidget *widget = this->control(control->name).widget;
        if (lastFocus_ != widget) {
            lastFocus_ = widget;
            raiseEvent(control->name, "GotFocus");
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        if (control->kind == Kind::TextBox && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            raiseEvent(control->name, "Click");
        break;
    }
    case QEvent::KeyPress: {
        // Enter presses the button that has the focus, as on the desktops users know.
        auto *key = static_cast<QKeyEvent *>(event);
        if (control->kind == Kind::CommandButton &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vb
