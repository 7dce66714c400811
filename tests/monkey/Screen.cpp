// What the monkey test reads of the program's windows, and which message box a delay brings.
#include "tests/monkey/Screen.h"

#include "tests/TestSupport.h"
#include "tests/fuzz/reference_texttointeger.h"

#include <QApplication>
#include <QLocale>
#include <QMenu>

using namespace test;

namespace monkey {

BoxKind delayBox(const QString &delay)
{
    // By vb::Int32Reading::Status: Number, NotANumber, AboveRange, BelowRange. The delay is
    // read by the fuzzer's reference, not by the program's own conversion: besides the point,
    // the locale's decimal separator; its group separator where that is one character.
    static constexpr BoxKind boxes[] = {BoxKinds, DelayNotANumber, DelayAboveRange,
                                        DelayBelowRange};
    const QLocale locale;
    const QString point = locale.decimalPoint(), group = locale.groupSeparator();
    const std::u16string_view text(reinterpret_cast<const char16_t *>(delay.utf16()),
                                   static_cast<std::size_t>(delay.size()));
    return boxes[reference::textToInt32(text, point.size() == 1 ? point[0].unicode() : u'.',
                                        group.size() == 1 ? group[0].unicode() : u'\0')
                     .status];
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
