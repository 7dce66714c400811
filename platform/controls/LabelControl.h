// The Label kind: text the user cannot edit. Its caption is kept exactly as written and
// drawn wrapped at word boundaries, cut at the label's edges; left-aligned text stays at
// the left whatever its direction. A label takes no focus and raises no events.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

#include <QLabel>

namespace vb {

class LabelControl : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    LabelControl(const LabelDescription &label, QWidget *container);
    QString caption() const { return caption_; }
    // Paints nothing again when the caption is the same.
    void setCaption(const QString &caption);

    // What is drawn for a caption: the same text with each paragraph break as a line
    // feed (labels break no line at a lone CR or U+2029), and for a very long caption a
    // shorter one where that cannot show: the end of text that does not fit, and the
    // middle of runs of letters or spaces too long for one line.
    static QString shownText(const QString &caption);

private:
    QString caption_;
};

LabelControl *build(const LabelDescription &label, QWidget *container, FormEvents &events);

} // namespace vb
