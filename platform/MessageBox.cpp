// Building and showing a message box, as wide as its title needs.
#include "platform/MessageBox.h"

#include "platform/Placement.h"
#include "platform/Resources.h"
#include "platform/Runtime.h"
#include "platform/WindowSet.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>

namespace vb {

namespace {

// A box centred on its window at the size it ends with (Qt places it before it has taken
// that size), which comes back when a window manager minimises it anyway (some offer that
// on every window): minimised, a modal box would leave the program looking frozen.
class ModalBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event); // gives the box its final size
        if (!placed_)
            centreOnOwner(*this, parentWidget());
        placed_ = true;
    }

    void changeEvent(QEvent *event) override
    {
        QMessageBox::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && isMinimized())
            QTimer::singleShot(0, this, [this] {
                setWindowState(windowState() & ~Qt::WindowMinimized);
                show();
                activateWindow();
            });
    }

private:
    bool placed_ = false;
};

// The width a window needs for its title in the title bar, with room for the bar's buttons.
int titleBarWidth(const QString &title)
{
    // Window managers draw titles in a bold face of about 11 points at most, beside up
    // to four buttons as wide as the bar is high, and margins.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    font.setPointSizeF(std::max<qreal>(font.pointSizeF(), 11));
    const QFontMetrics metrics(font);
    const int barHeight = metrics.height() + 10;
    return metrics.horizontalAdvance(title) + 4 * barHeight;
}

} // namespace

QWidget *handlerWindow()
{
    return WindowSet::instance().handlerWindow();
}

void showMessageBox(const QString &prompt, int style, const QString &title, QWidget *owner)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & 0x70) {
    case vbCritical:
        icon = QMessageBox::Critical;
        break;
    case vbQuestion:
        icon = QMessageBox::Question;
        break;
    case vbExclamation:
        icon = QMessageBox::Warning;
        break;
    case vbInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    // On the heap: a child of its owner, the box goes with the owner should that go first.
    const QPointer<ModalBox> box = new ModalBox(icon, title, prompt, QMessageBox::Ok,
                                                owner && owner->isVisible() ? owner : nullptr);
    box->setTextFormat(Qt::PlainText);
    box->setWindowIcon(programIcon());
    // Modality first: set after the stay-on-top hint, it would drop that hint. A modal
    // box offers no minimise: minimised, it would leave the program looking frozen.
    box->setWindowModality(Qt::ApplicationModal);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & vbSystemModal)
        flags |= Qt::WindowStaysOnTopHint;
    box->setWindowFlags(flags);
    // At least as wide as its title in the title bar, beside the title bar's buttons.
    auto *layout = static_cast<QGridLayout *>(box->layout());
    layout->addItem(new QSpacerItem(titleBarWidth(title), 0), layout->rowCount(), 0, 1,
                    layout->columnCount());
    box->exec();
    delete box.data();
}

} // namespace vb
