// What the window tests share: the real project set up once, a reset between tests,
// and a watcher that reads and closes the message boxes the runtime shows.
#pragma once

#include "app/Project.h"
#include "platform/Clock.h"
#include "platform/FormWindow.h"
#include "platform/WindowSet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace test {

inline vb::WindowSet &runtime()
{
    return vb::WindowSet::instance();
}

// Sets up fonts, icon and the real windows once; later calls only reset the runtime.
inline void startProject()
{
    static const bool fontsLoaded = quoriam::initialise();
    QVERIFY(fontsLoaded);
    runtime().reset();
    runtime().setProject(quoriam::project());
    vb::setWaitClock(nullptr);
}

template <typename T> T *child(std::string_view form, const char *name)
{
    return runtime().window(form).findChild<T *>(QString::fromLatin1(name));
}

// A message box as the user saw it.
struct SeenBox
{
    QString text;
    QString title;
    QMessageBox::Icon icon;
    int buttons;
    bool applicationModal;
    bool staysOnTop;
    bool offersMinimise;
    int width;
    const QWidget *owner;
};

// Watches for modal message boxes while alive: records each one and closes it with
// the given key, as a user would, after running `whileOpen` (if any).
class BoxWatcher : public QObject
{
public:
    explicit BoxWatcher(int key = Qt::Key_Return) : key_(key)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &BoxWatcher::poll);
        timer_.start();
    }

    std::vector<SeenBox> boxes;
    std::function<void()> whileOpen;

private:
    void poll()
    {
        const QPointer<QMessageBox> box =
            qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (box != last_) {
            last_ = box;
            polls_ = 0;
            keySent_ = false;
            boxes.push_back({box->text(), box->windowTitle(), box->icon(),
                             static_cast<int>(box->buttons().size()),
                             box->windowModality() == Qt::ApplicationModal,
                             box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                             !box->windowFlags().testFlag(Qt::CustomizeWindowHint) ||
                                 box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
                             box->width(), box->parentWidget()});
            if (whileOpen)
                whileOpen();
            if (!box)
                return;
        }
        // The key goes to the box's button once the button has the focus, as a user's
        // would. A box the key did not close is noted, and closed so the test goes on.
        auto *button = qobject_cast<QAbstractButton *>(box->focusWidget());
        if (++polls_ > 200) {
            stuck = true;
            box->done(0);
        } else if (button && !keySent_) {
            keySent_ = true;
            QTest::keyClick(button, static_cast<Qt::Key>(key_));
        }
    }

public:
    bool stuck = false;

private:
    int key_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
    int polls_ = 0;
    bool keySent_ = false;
};

} // namespace test
