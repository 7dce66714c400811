// A picture box's widget, its size and its name.
#include "platform/controls/PictureBoxControl.h"

#include "platform/FormBuilder.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QPainter>

namespace vb {

PictureBoxControl::PictureBoxControl(const PictureBoxDescription &box, QWidget *container)
    : QWidget(container), picture_(picture(box.picture))
{
    QRect place = toPixels(box.place);
    if (box.autoSize)
        place.setSize(picture_.deviceIndependentSize().toSize());
    setGeometry(place);
    if (box.picture == Image::ProgramIcon)
        setAccessibleName(QCoreApplication::translate("Accessibility", "Quoriam icon"));
}

void PictureBoxControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, picture_);
}

PictureBoxControl *build(const PictureBoxDescription &box, QWidget *container, FormEvents &events)
{
    auto *widget = new PictureBoxControl(box, container);
    events.raiseClicksOn(widget, box.name);
    return widget;
}

} // namespace vb
