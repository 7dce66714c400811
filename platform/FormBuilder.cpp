#include "platform/FormBuilder.h"

#include "platform/Controls.h"
#include "platform/Resources.h"
#include "platform/TextBoxes.h"
#include "platform/Translation.h"

#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace vb {

int toPixels(Twips twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::PictureBox;
}

namespace {

// A control's caption (or a text box's text) in the user's language; the window's name
// is the context of its texts.
QString shownCaption(const ControlDescription &control, QWidget *container)
{
    return captionText(container->window()->objectName().toStdString(), control.caption);
}

QWidget *buildLabel(const ControlDescription &control, QWidget *container)
{
    auto *label =
        new LabelControl(shownCaption(control, container), control.alignment == Center, container);
    label->setAutoFillBackground(control.backStyle == Opaque);
    // Labels do not take their window's colour: the grey of buttons, and their ForeColor.
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, control.foreColor ? toQColor(*control.foreColor)
                                                             : colours.color(QPalette::ButtonText));
    label->setPalette(colours);
    return label;
}

QWidget *buildTextBox(const ControlDescription &control, QWidget *container)
{
    if (!control.multiLine)
        return new LineBox(shownCaption(control, container), container);
    auto *box = new MultiLineBox(shownCaption(control, container), container);
    const auto policy =
        control.scrollBars == BothScrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    box->setHorizontalScrollBarPolicy(policy);
    box->setVerticalScrollBarPolicy(policy);
    return box;
}

} // namespace

QWidget *buildControl(const ControlDescription &control, QWidget *container)
{
    QRect geometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                   toPixels(control.height));
    QWidget *widget = nullptr;
    switch (control.kind) {
    case Kind::Label:
        widget = buildLabel(control, container);
        break;
    case Kind::TextBox:
        widget = buildTextBox(control, container);
        break;
    case Kind::CommandButton: {
        auto *button = new QPushButton(shownCaption(control, container), container);
        button->setAutoDefault(false); // no button is a default button
        widget = button;
        break;
    }
    case Kind::Frame:
        widget = new FrameControl(shownCaption(control, container), container);
        break;
    case Kind::PictureBox: {
        const QPixmap image = picture(control.picture);
        if (control.autoSize)
            geometry.setSize(image.deviceIndependentSize().toSize());
        widget = new PictureBoxControl(image, container);
        break;
    }
    case Kind::Line: {
        const QPoint from(toPixels(control.x1), toPixels(control.y1));
        const QPoint to(toPixels(control.x2), toPixels(control.y2));
        widget = new LineControl(from, to, container);
        geometry = widget->geometry();
        break;
    }
    case Kind::Shape:
        widget = new ShapeControl(container);
        break;
    case Kind::Timer:
        return nullptr;
    }
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(geometry);
    if (control.font)
        widget->setFont(fontFor(*control.font));
    widget->setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setVisible(control.visible);
    return widget;
}

std::map<std::string_view, QAction *> buildMenus(QMenuBar *bar,
                                                 std::span<const MenuDescription> menus)
{
    std::map<std::string_view, QMenu *> opened;
    std::map<std::string_view, QAction *> leaves;
    for (const MenuDescription &entry : menus) {
        const bool hasChildren =
            std::any_of(menus.begin(), menus.end(),
                        [&](const MenuDescription &other) { return other.parent == entry.name; });
        QMenu *parent = entry.parent.empty() ? nullptr : opened.at(entry.parent);
        const QString caption =
            captionText(bar->window()->objectName().toStdString(), entry.caption);
        if (hasChildren) {
            QMenu *menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(toQString(entry.name));
            opened[entry.name] = menu;
            continue;
        }
        QAction *action = parent ? parent->addAction(caption) : bar->addAction(caption);
        action->setObjectName(toQString(entry.name));
        leaves[entry.name] = action;
    }
    // F10 opens the first menu, as on Windows and most Linux desktops.
    auto *f10 = new QAction(bar);
    f10->setShortcut(Qt::Key_F10);
    bar->window()->addAction(f10);
    QObject::connect(f10, &QAction::triggered, bar,
                     [bar] { bar->setActiveAction(bar->actions().value(0)); });
    return leaves;
}

void setTabOrderOf(std::vector<Focusable> controls)
{
    std::sort(controls.begin(), controls.end(),
              [](const Focusable &a, const Focusable &b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1].widget, controls[i].widget);
    if (!controls.empty())
        controls.front().widget->setFocus(Qt::OtherFocusReason);
}

} // namespace vb
