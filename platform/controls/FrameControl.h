// The Frame kind: an opaque grey panel with an etched border and its caption at the top
// left, holding the controls that name it as their container. It takes no focus and
// raises no events.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QGroupBox>

namespace vb {

class FrameControl : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ title WRITE setTitle)
public:
    FrameControl(const FrameDescription &frame, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;
};

FrameControl *build(const FrameDescription &frame, QWidget *container, FormEvents &events);

} // namespace vb
