// The client area of a window: its BackColor, and its Picture at the top-left corner at
// natural size, cut at the edges. The controls stand on it.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace vb {

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

} // namespace vb
