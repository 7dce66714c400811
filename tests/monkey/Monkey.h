// The monkey: random use of the whole program, step by step, checking after each step
// what must always hold. Its parts:
//  - Monkey.cpp: the steps and sessions, the shortened wait, the trail of steps;
//  - Actions.cpp: what it does in a step, and with what hands (clicks and keys);
//  - Answers.cpp: how it answers what waits for the user: message boxes, menus;
//  - Invariants.cpp: what it checks after each step, in the wait and around Send;
//  - Input.h: what it types and pastes, and how a key reaches a window;
//  - Screen.h: what it sees of the program.
#pragma once

#include "platform/Clock.h"
#include "tests/monkey/Input.h"
#include "tests/monkey/Screen.h"

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class QMenu;
class QMessageBox;

namespace monkey {

// Where a check or an action happens: between steps, during the wait that Send starts,
// or while a message box waits for its answer.
enum class Where { TopLevel, Waiting, InBox };

class Monkey : public QObject, public vb::WaitClock
{
public:
    Monkey(quint32 seed, int steps);
    ~Monkey() override;

    void start();

    bool finished = false;
    QString failure;

    struct Stats
    {
        int sessions = 0, sends = 0, faxes = 0, waitDispatches = 0, actionsInWaits = 0;
        int blockedAttempts = 0, pastes = 0, closes = 0;
        std::array<int, BoxKinds> boxes{};
        int delayBoxes() const
        {
            return boxes[DelayNotANumber] + boxes[DelayAboveRange] + boxes[DelayBelowRange];
        }
    } stats;

    // vb::WaitClock: the shortened wait. Its start is the moment the wait begins.
    double timeOfDay() override;
    std::int64_t monotonicNs() override { return now_; }
    void dispatchUntil(std::int64_t deadline) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ---- Monkey.cpp: steps and sessions, the user's actions during the wait
    void step();
    void startSession();
    void restart();
    void observeSetupWindow();
    void watch();
    void duringWait();

    // ---- Actions.cpp: the random actions
    void act(Where where);
    void clickAnywhere();
    void clickControl();
    void pressKey();
    void typeText();
    void paste();
    void chooseMenu();
    void closeWindow();
    void clear();
    void clickIcon();
    void send();
    void emptyDelay();
    void idle();
    // ... and the hands that carry them out
    void click(QWidget *window, QPoint point, Qt::MouseButton button, bool twice);
    void clickCentre(QWidget *window, const char *control);
    void clickBox(QWidget *window, const char *box);
    void key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(QWidget *window, const char *text);
    QWidget *keyboardWindow();

    // ---- Answers.cpp: what waits for the user
    void answer(const QPointer<QMessageBox> &box);
    void tryPastModal(const QPointer<QMessageBox> &box);
    void close(const QPointer<QMessageBox> &box);
    void useMenu(const QPointer<QMenu> &menu);

    // ---- Invariants.cpp: what must always hold
    void check(Where where);
    void waitBegins();
    void afterSend();

    // ---- Monkey.cpp: failures and the trail that led to them
    void note(const QString &what);
    void expect(bool holds, const QString &what);
    void fail(const QString &what);

    template <typename T> T pickOf(const QList<T> &list)
    {
        return list[rng_.bounded(quint32(list.size()))];
    }
    template <typename T, std::size_t N> const T &pickOf(const T (&array)[N])
    {
        return array[rng_.bounded(quint32(N))];
    }

    QRandomGenerator rng_;
    const int steps_;
    const std::vector<Paste> pastes_;
    int stepsDone_ = 0;
    std::deque<QString> trail_;
    const bool trace_ = qEnvironmentVariableIsSet("QUORIAM_MONKEY_TRACE");

    std::int64_t now_ = 1'000'000'000;
    double timeOfDay_ = 0;
    int waitsBegun_ = 0;
    int waitsBefore_ = 0;
    int delayBoxesBefore_ = 0;
    int boxesThisStep_ = 0;
    int stepLoopLevel_ = 0;
    QTimer watchdog_;
    int watchedStep_ = -1;
    int stuckSeconds_ = 0;

    QPointer<vb::FormWindow> observed_;
    QPointer<QWidget> sendButton_;
    std::optional<SetupTexts> textsAtSend_;
    std::optional<SetupTexts> sent_;
    int emptied_ = 0;
    int razoTyped_ = 0;
    std::array<int, BoxKinds> boxesAtSessionStart_{};
};

} // namespace monkey
