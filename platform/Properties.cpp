#include "platform/Properties.h"

#include "platform/Controls.h"
#include "platform/Runtime.h"
#include "platform/TextBoxes.h"

#include <QGroupBox>
#include <QPushButton>

#include <string>

namespace vb {

namespace {

[[noreturn]] void noSuchProperty(std::string_view control, const char *property)
{
    throw Error(Error::PropertyNotSupported, "Object doesn't support this property or method: " +
                                                 std::string(control) + "." + property);
}

} // namespace

QString textOf(QWidget *widget, std::string_view control)
{
    if (auto *box = dynamic_cast<TextBox *>(widget))
        return box->content();
    noSuchProperty(control, "Text");
}

void setTextOf(QWidget *widget, std::string_view control, const QString &text)
{
    auto *box = dynamic_cast<TextBox *>(widget);
    if (!box)
        noSuchProperty(control, "Text");
    box->setContent(text);
}

QString captionOf(QWidget *widget, std::string_view control)
{
    if (auto *label = qobject_cast<LabelControl *>(widget))
        return label->caption();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    noSuchProperty(control, "Caption");
}

bool setCaptionOf(QWidget *widget, std::string_view control, const QString &caption)
{
    if (auto *label = qobject_cast<LabelControl *>(widget))
        return label->setCaption(caption);
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (button->text() == caption)
            return false;
        button->setText(caption);
        return true;
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        if (frame->title() == caption)
            return false;
        frame->setTitle(caption);
        return true;
    }
    noSuchProperty(control, "Caption");
}

void setVisibleOf(QWidget *widget, std::string_view control, bool visible)
{
    if (!widget)
        noSuchProperty(control, "Visible"); // a timer
    widget->setVisible(visible);
}

} // namespace vb
