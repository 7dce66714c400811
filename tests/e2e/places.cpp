// Lists where the boxes and buttons of the program's windows are, so that the end-to-end
// scripts reach each by its name rather than by counting Tab presses. Each window is built
// as the program builds it (not shown), and each control that takes the focus is printed
// as one line, tab-separated: the window's name (its title without the spaces that push it
// right), the control's name as assistive tools read it ("Send", "Receive Fax In"), and
// its left, top, width and height in the window's pixels.
#include "app/Project.h"
#include "platform/FormWindow.h"
#include "platform/WindowSet.h"

#include <QAccessible>
#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quoriam::initialise();
    vb::WindowSet &runtime = vb::WindowSet::instance();
    for (const vb::FormDefinition &form : quoriam::project().forms) {
        vb::FormWindow &window = runtime.window(form.description.name);
        const QString title =
            QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
        for (const vb::ControlDescription &control : form.description.controls) {
            QWidget *widget = window.control(control.name()).widget;
            if (!widget || widget->focusPolicy() == Qt::NoFocus)
                continue;
            const QString name =
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            const QPoint at = widget->mapTo(&window, QPoint(0, 0));
            std::printf("%s\t%s\t%d\t%d\t%d\t%d\n", title.toUtf8().constData(),
                        name.toUtf8().constData(), at.x(), at.y(), widget->width(),
                        widget->height());
        }
    }
    runtime.reset();
    return 0;
}
