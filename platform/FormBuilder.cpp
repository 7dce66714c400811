// Units and texts of descriptions, the building of controls, menus and the tab order.
#include "platform/FormBuilder.h"

#include "platform/FormEvents.h"
#include "platform/Translation.h"
// Every kind of control, each with its build(): one line a kind.
#include "platform/controls/CommandButtonControl.h"
#include "platform/controls/FrameControl.h"
#include "platform/controls/LabelControl.h"
#include "platform/controls/LineControl.h"
#include "platform/controls/PictureBoxControl.h"
#include "platform/controls/ShapeControl.h"
#include "platform/controls/TextBoxControl.h"
#include "platform/controls/TimerControl.h"

#include <QMenuBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vb {

int toPixels(Twips twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect toPixels(const Place &place)
{
    return QRect(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                 toPixels(place.height));
}

QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString descriptionText(const QWidget *in, std::string_view text)
{
    return captionText(in->window()->objectName().toStdString(), text);
}

QObject *buildControl(const ControlDescription &control, QWidget *container, FormEvents &events)
{
    return control.read([&](const auto &description) -> QObject * {
        auto *built = build(description, container, events); // by the code of its kind
        built->setObjectName(toQString(description.name));
        if constexpr (std::is_convertible_v<decltype(built), QWidget *>) {
            QWidget *widget = built;
            const bool focus = description.kind.focus;
            widget->setFocusPolicy(focus ? Qt::StrongFocus : Qt::NoFocus);
            if (focus)
                events.raiseGotFocusOn(widget, description.name);
            bool visible = true;
            if constexpr (requires { description.visible; })
                visible = description.visible;
            widget->setVisible(visible);
        }
        return built;
    });
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
        const QString caption = descriptionText(bar, entry.caption);
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
