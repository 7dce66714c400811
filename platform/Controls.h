// The widgets that stand for the control kinds that Qt has no exact match for.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace vb {

// The client area of a window: its BackColor, and its Picture at the top-left corner
// at natural size, cut at the edges.
class ClientArea : public QWidget
{
    Q_OBJECT
public:
    ClientArea(const QColor &background, const QPixmap &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor background_;
    QPixmap picture_;
};

// A label. Its caption is kept exactly as written and drawn wrapped at word boundaries,
// cut at the label's edges; left-aligned text stays at the left whatever its direction.
class LabelControl : public QLabel
{
    Q_OBJECT
public:
    LabelControl(const QString &caption, bool centred, QWidget *parent);
    QString caption() const { return caption_; }
    // Returns false, and paints nothing again, when the caption is the same.
    bool setCaption(const QString &caption);

    // What is drawn for a caption: the same text with each paragraph break as a line
    // feed (labels break no line at a lone CR or U+2029), and for a very long caption a
    // shorter one where that cannot show: the end of text that does not fit, and the
    // middle of runs of letters or spaces too long for one line.
    static QString shownText(const QString &caption);

private:
    QString caption_;
};

// A frame: an opaque grey panel with an etched border and its caption at the top left.
class FrameControl : public QGroupBox
{
    Q_OBJECT
public:
    FrameControl(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A straight line, 1 pixel wide, in the window-text colour. Ignores the mouse.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    // The ends are in the parent's pixels.
    LineControl(QPoint from, QPoint to, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_;
};

// The outline of a rectangle, 1 pixel wide, with a transparent interior.
class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeControl(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A borderless box that shows a picture and takes the focus.
class PictureBoxControl : public QWidget
{
    Q_OBJECT
public:
    PictureBoxControl(const QPixmap &picture, QWidget *parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
};

} // namespace vb
