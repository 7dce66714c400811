// The PictureBox kind: a borderless box that shows a picture and takes the focus. It
// raises Click and GotFocus; assistive tools name it by what it shows.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QPixmap>
#include <QWidget>

namespace vb {

class PictureBoxControl : public QWidget
{
    Q_OBJECT
public:
    PictureBoxControl(const PictureBoxDescription &box, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

PictureBoxControl *build(const PictureBoxDescription &box, QWidget *container, FormEvents &events);

} // namespace vb
