// The monkey's sessions and steps, and the trail it leaves.
#include "tests/monkey/Monkey.h"

#include "forms/Forms.h"
#include "platform/Runtime.h"
#include "tests/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QWindow>

#include <cstdio>

using namespace test;

namespace monkey {

Monkey::Monkey(quint32 seed, int steps) : rng_(seed), steps_(steps), pastes_(makePastes())
{
    qApp->installEventFilter(this);
}

Monkey::~Monkey()
{
    qApp->removeEventFilter(this);
    vb::setWaitClock(nullptr);
}

void Monkey::start()
{
    connect(&watchdog_, &QTimer::timeout, this, &Monkey::watch);
    watchdog_.start(1000);
    startSession();
    QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
}

// ---- the shortened wait

double Monkey::timeOfDay()
{
    waitBegins();
    return timeOfDay_;
}

void Monkey::dispatchUntil(std::int64_t deadline)
{
    duringWait();
    runtime().checkEnded();
    now_ = std::max(now_, deadline);
}

// The user goes on using the program while the wait runs.
void Monkey::duringWait()
{
    ++stats.waitDispatches;
    check(Where::Waiting);
    const int actions = rng_.bounded(5);
    for (int i = 0; i < actions && failure.isEmpty() && !runtime().ended(); ++i) {
        ++stats.actionsInWaits;
        act(Where::Waiting);
        check(Where::Waiting);
    }
}

bool Monkey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->isInputEvent() && event->spontaneous() && watched->isWindowType() &&
        !static_cast<QWindow *>(watched)->isVisible()) {
        // The window system gives no input to a window that is not on screen: the
        // second click of a double click on Send does not reach the hidden window.
        return true;
    }
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            QPointer<QMessageBox> guard(box);
            QTimer::singleShot(0, this, [this, guard] { answer(guard); });
        } else if (auto *menu = qobject_cast<QMenu *>(watched)) {
            // A menu opened with exec() holds the step in its own event loop until
            // the user is done with it; one opened with popup() stays for later steps.
            QPointer<QMenu> guard(menu);
            QTimer::singleShot(0, this, [this, guard] {
                if (guard && guard->isVisible() &&
                    QThread::currentThread()->loopLevel() > stepLoopLevel_)
                    useMenu(guard);
            });
        } else if (qobject_cast<QDialog *>(watched)) {
            QPointer<QWidget> guard(static_cast<QWidget *>(watched));
            QTimer::singleShot(0, this, [this, guard] {
                fail(QStringLiteral("unexpected dialog %1")
                         .arg(guard ? guard->windowTitle() : QString()));
                if (guard)
                    guard->close();
            });
        }
    } else if (event->type() == QEvent::Quit && watched == qApp) {
        fail(QStringLiteral("the application was asked to quit while the program ran"));
    } else if (watched == sendButton_ &&
               (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress ||
                event->type() == QEvent::KeyRelease)) {
        // Runs before the button acts on the event: the texts as Send is pressed.
        textsAtSend_ = setupTexts();
        delayBoxesBefore_ = stats.delayBoxes();
        waitsBefore_ = waitsBegun_;
    }
    return QObject::eventFilter(watched, event);
}

// ---- steps and sessions

void Monkey::step()
{
    if (finished)
        return;
    if (stepsDone_ == steps_ || !failure.isEmpty()) {
        finished = true;
        QCoreApplication::exit(0);
        return;
    }
    ++stepsDone_;
    stepLoopLevel_ = QThread::currentThread()->loopLevel();
    if (runtime().ended())
        restart();
    observeSetupWindow();
    boxesThisStep_ = 0;
    act(Where::TopLevel);
    // The event loop deletes what was deleteLater'd once the step returns to it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    check(Where::TopLevel);
    QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
}

void Monkey::startSession()
{
    startProject();
    vb::setWaitClock(this);
    vb::Form1.Show();
    activate(runtime().loaded("Form1"));
    sent_.reset();
    textsAtSend_.reset();
    emptied_ = razoTyped_ = 0;
    boxesAtSessionStart_ = stats.boxes;
    ++stats.sessions;
}

void Monkey::restart()
{
    // What closing unloaded was hidden before the runtime let it go.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        expect(!widget->isVisible(),
               QStringLiteral("%1 (%2) is still on screen after the program ended")
                   .arg(widget->objectName(), widget->metaObject()->className()));
    }
    runtime().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        expect(!qobject_cast<vb::FormWindow *>(widget),
               QStringLiteral("window %1 outlived the reset").arg(widget->objectName()));
    note(QStringLiteral("-- program ended, started afresh"));
    startSession();
}

// Watches a setup window once it exists: its delay box's changes and its Send button.
void Monkey::observeSetupWindow()
{
    vb::FormWindow *setup = runtime().loaded("FormNew");
    if (!setup || setup == observed_)
        return;
    observed_ = setup;
    auto *delay = static_cast<QLineEdit *>(setup->control("Text5").widget);
    // Connected after the window's own handler, so this runs once the handler is done.
    connect(delay, &QLineEdit::textChanged, setup, [this](const QString &text) {
        if (runtime().ended())
            return;
        if (text.isEmpty())
            ++emptied_;
        else if (text == easterEgg)
            ++razoTyped_;
        vb::FormWindow *setup = runtime().loaded("FormNew");
        expect(setup && !setup->text("Text5").isEmpty(),
               QStringLiteral("the delay box was left empty by its change handler"));
    });
    sendButton_ = setup->control("Command1").widget; // see eventFilter()
    connect(static_cast<QPushButton *>(sendButton_.data()), &QPushButton::clicked, setup,
            [this] { afterSend(); });
}

// Notes a step that does not come back, and frees it from what holds it.
void Monkey::watch()
{
    if (stepsDone_ != watchedStep_ || finished) {
        watchedStep_ = stepsDone_;
        stuckSeconds_ = 0;
        return;
    }
    if (++stuckSeconds_ < 10)
        return;
    fail(QStringLiteral("the step does not come back"));
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        dialog->done(0);
}

// ---- failures and the trail that led to them

void Monkey::note(const QString &what)
{
    trail_.push_back(QStringLiteral("%1: %2").arg(stepsDone_).arg(what));
    if (trace_)
        std::fprintf(stderr, "%s\n", qPrintable(trail_.back()));
    if (trail_.size() > 40)
        trail_.pop_front();
}

void Monkey::expect(bool holds, const QString &what)
{
    if (!holds)
        fail(what);
}

void Monkey::fail(const QString &what)
{
    if (!failure.isEmpty())
        return;
    failure = QStringLiteral("step %1: %2\nlast steps:\n").arg(stepsDone_).arg(what);
    for (const QString &line : trail_)
        failure += QStringLiteral("  %1\n").arg(line);
}

} // namespace monkey
