#include "tests/monkey/Screen.h"

#include "platform/Runtime.h"
#include "tests/TestSupport.h"

#include <QApplication>
#include <QMenu>

using namespace test;

namespace monkey {

BoxKind delayBox(const QString &delay)
{
    // By vb::Int32Reading::Status: Number, NotANumber, AboveRange, BelowRange.
    static constexpr BoxKind boxes[] = {BoxKinds, DelayNotANumber, DelayAboveRange,
                                        DelayBelowRange};
    return boxes[vb::ToInt32(delay).status];
}

vb::FormWindow *visible(const char *name)
{
    vb::FormWindow *window = runtime().loaded(name);
    return window && window->isVisible() ? window : nullptr;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() &&
            (qobject_cast<vb::FormWindow *>(widget) || qobject_cast<QMenu *>(widget)))
            windows.append(widget);
    }
    return windows;
}

bool unloaded(const QWidget *widget)
{
    const auto *form = qobject_cast<const vb::FormWindow *>(widget);
    return form && !form->isVisible() && runtime().loaded(form->name()) != form;
}

std::optional<SetupTexts> setupTexts()
{
    vb::FormWindow *setup = runtime().loaded("FormNew");
    if (!setup)
        return std::nullopt;
    SetupTexts texts;
    for (int i = 0; i < 4; ++i)
        texts.boxes[i] = setup->text(setupBoxes[i]);
    texts.delay = setup->text("Text5");
    return texts;
}

Observed observe()
{
    Observed seen;
    seen.setup = setupTexts();
    if (vb::FormWindow *fax = runtime().loaded("Form2")) {
        for (const char *value : faxValues)
            seen.fax.append(fax->caption(value));
    }
    for (const char *name : allForms) {
        if (visible(name))
            seen.visibleForms.append(QString::fromLatin1(name));
    }
    seen.ended = runtime().ended();
    return seen;
}

QString describe(QWidget *window)
{
    if (auto *menu = qobject_cast<QMenu *>(window))
        return QStringLiteral("menu \"%1\"").arg(menu->title());
    return window->objectName();
}

} // namespace monkey
