// Random use of the whole program: tens of thousands of clicks, key presses, pastes,
// menu choices and closed windows across every window, sends whose wait is shortened
// and filled with more random use, and message boxes answered in every way a user can.
// The input goes in as the window system delivers it, so modal boxes block the other
// windows and open menus catch the keys. The test checks what must always hold: one
// instance of each window at most, a delay box never left empty, a fax that shows the
// texts as they were when Send was pressed, one main window on screen between steps
// while the program runs and nothing on screen once it ended. Then it starts afresh.
//
// The seeds are fixed so a failure can be replayed; the failure names the seed, the
// step and the last steps taken (QUORIAM_MONKEY_TRACE=1 prints every step).
// QUORIAM_MONKEY_SEED=<number> adds a run with that seed, QUORIAM_MONKEY_SEED=random
// one with a fresh seed (printed); QUORIAM_MONKEY_STEPS=<number> sets the steps per seed.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/Controls.h"
#include "platform/Runtime.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QThread>
#include <QWindow>

#include <array>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>

using namespace test;

namespace {

const char *const mainForms[] = {"Form1", "FormNew", "Form2"};
const char *const allForms[] = {"Form1", "FormNew", "Form2", "FormAbout"};
// The setup window's boxes and the fax's values that Send fills from them, pairwise.
const char *const setupBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
const char *const faxValues[] = {"Label2", "Label3", "Label5", "Label8"};

const QString easterEgg = QStringLiteral("Razo Rules");

// The message boxes the program shows; any other one (a run-time error report) is a fault.
enum BoxKind { MustBeZeroOrMore, EasterEggAnswer, DelayNotANumber, BoxKinds };
const QString boxTexts[BoxKinds] = {QStringLiteral("Must be 0 or more"),
                                    QStringLiteral("Yaaaaa hooooooo, yup, he does!!!"),
                                    QStringLiteral("Delay must be a number of seconds")};

struct Stroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

const Stroke strokes[] = {
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Backtab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_F, Qt::AltModifier, "Alt+F"},
    {Qt::Key_I, Qt::AltModifier, "Alt+I"},
    {Qt::Key_A, Qt::NoModifier, "A"},
    {Qt::Key_N, Qt::NoModifier, "N"},
    {Qt::Key_X, Qt::NoModifier, "X"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Menu, Qt::NoModifier, "Menu"},
    {Qt::Key_F10, Qt::NoModifier, "F10"},
};

// Short texts typed key by key (ASCII only: what a keyboard types without a compose key).
const char *const typedTexts[] = {"Razo Rules",  "Razo Rule", "razo rules", "0",   "15",
                                  "-3",          "2.5",       "1e3",        "abc", " ",
                                  "99999999999", "007",       "x&y",        "<b>", "\t"};

struct Paste
{
    const char *name;
    QString text;
};

std::vector<Paste> makePastes()
{
    QString manyLines;
    for (int i = 0; i < 2'000; ++i)
        manyLines += QString(49, QChar(u'a' + i % 26)) + u'\n';
    return {
        {"100k letters", QString(100'000, u'x')},
        {"100k in 2000 lines", manyLines},
        {"100k digits ending in 7", QString(99'999, u'0') + u'7'},
        {"line breaks", QStringLiteral("line one\nline two\r\nline three\rend\n")},
        {"ampersands", QStringLiteral("A & B && &&& &amp; &File")},
        {"bold markup", QStringLiteral("<b>x</b>")},
        {"image markup", QStringLiteral("<img src=x>")},
        {"rich page", QStringLiteral("<html><body><h1>big</h1><a href='x'>y</a></body></html>")},
        {"Hebrew", QStringLiteral(u"שלום עולם")},
        {"Arabic", QStringLiteral(u"مرحبا بالعالم ١٢٣")},
        {"bidi override", QStringLiteral(u"abc \u202Eevil\u202C def \u200F!")},
        {"combining marks", QStringLiteral(u"e\u0301\u0301\u0301 Z\u0351\u0352\u0353\u0354\u0355"
                                           u"\u0356\u0357\u0358 a\u20DD")},
        {"emoji", QStringLiteral(u"😀🎉👍🏽👨‍👩‍👧‍👦🏳️‍🌈")},
        {"NUL inside", QString::fromUtf16(u"a\0b\0", 4)},
        {"control characters",
         QString::fromUtf16(u"\x01\x02\x07\x08\x1b[31m\x7f\x85\x9b\u2028\u2029\uFEFF", 14)},
        {"lone surrogate", QString::fromUtf16(u"x\xD800y", 3)},
        {"easter egg", easterEgg},
        {"easter egg and line break", easterEgg + u'\n'},
        {"zero", QStringLiteral("0")},
        {"minus zero", QStringLiteral("-0")},
        {"half", QStringLiteral("2.5")},
        {"spaces around", QStringLiteral("  42  ")},
        {"largest", QStringLiteral("2147483647")},
        {"just too large", QStringLiteral("2147483648")},
        {"smallest", QStringLiteral("-2147483648")},
        {"huge exponent", QStringLiteral("1e999999999999")},
        {"huge negative exponent", QStringLiteral("1e-999999999999")},
        {"zero with huge exponent", QStringLiteral("0e99999999999999999999")},
        {"exponent overflowing int", QStringLiteral("1e2147483648")},
        {"hex", QStringLiteral("0x10")},
        {"thousands separator", QStringLiteral("1,000")},
        {"fullwidth digits", QStringLiteral(u"１２")},
        {"nothing", QString()},
    };
}

// QTest sends a key's modifiers and the key in one go, running the event loop after
// each. While they go in, a window that one of them deletes (a menu that deletes itself
// on closing, closed by Alt) is kept until the stroke is over, and nothing more of the
// stroke reaches it: it is then deleted, as it would have been at once.
class GoneWindowGuard : public QObject
{
public:
    explicit GoneWindowGuard(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~GoneWindowGuard() override
    {
        qApp->removeEventFilter(this);
        if (gone_)
            delete window_.data();
    }
    bool gone() const { return gone_ || !window_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!window_)
            return false;
        if (event->type() == QEvent::DeferredDelete && watched == window_) {
            gone_ = true;
            return true;
        }
        if (gone_ && watched == window_->windowHandle() &&
            (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress ||
             event->type() == QEvent::KeyRelease)) {
            event->accept(); // taken, so that no shortcut acts on it either
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool gone_ = false;
};

// A key pressed and released on a top-level window, as the window system delivers it:
// first the modifiers, then the key, then their releases in reverse. The event loop runs
// after each, as it does between a user's keys. Unlike QTest::keyClick it stops once the
// window is gone: a modifier may close a menu that deletes itself, and the key must then
// reach nothing.
void keyStroke(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
               QString text = {})
{
    if (text.isNull()) {
        if (const char ascii = QTest::keyToAscii(key))
            text = QString(QChar::fromLatin1(ascii));
    }
    const GoneWindowGuard guard(window);
    QTest::sendKeyEvent(QTest::Press, window->windowHandle(), key, text, modifiers);
    if (!guard.gone())
        QTest::sendKeyEvent(QTest::Release, window->windowHandle(), key, text, modifiers);
}

// A character typed: its key, and the character as the text.
void typeCharacter(QWidget *window, char character)
{
    keyStroke(window, QTest::asciiToKey(character), {}, QString(QChar::fromLatin1(character)));
}

// The windows' texts that the user can change.
struct SetupTexts
{
    std::array<QString, 4> boxes; // Text1..Text4
    QString delay;
    bool operator==(const SetupTexts &) const = default;
};

// What the user sees of the program, but the ticking clock.
struct Observed
{
    std::optional<SetupTexts> setup;
    QStringList fax;
    QStringList visibleForms;
    bool ended = false;
    bool operator==(const Observed &) const = default;
};

enum class Where { TopLevel, Waiting, InBox };

class Monkey : public QObject, public vb::WaitClock
{
public:
    Monkey(quint32 seed, int steps) : rng_(seed), steps_(steps), pastes_(makePastes())
    {
        qApp->installEventFilter(this);
    }
    ~Monkey() override
    {
        qApp->removeEventFilter(this);
        vb::setWaitClock(nullptr);
    }

    void start()
    {
        connect(&watchdog_, &QTimer::timeout, this, &Monkey::watch);
        watchdog_.start(1000);
        startSession();
        QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
    }

    bool finished = false;
    QString failure;

    struct Stats
    {
        int sessions = 0, sends = 0, faxes = 0, waitDispatches = 0, actionsInWaits = 0;
        int blockedAttempts = 0, pastes = 0, closes = 0;
        std::array<int, BoxKinds> boxes{};
    } stats;

    // vb::WaitClock: the shortened wait. Its start is the moment the wait begins.
    double timeOfDay() override
    {
        waitBegins();
        return timeOfDay_;
    }
    std::int64_t monotonicNs() override { return now_; }
    void dispatchUntil(std::int64_t deadline) override
    {
        duringWait();
        runtime().checkEnded();
        now_ = std::max(now_, deadline);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
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
                   (event->type() == QEvent::MouseButtonRelease ||
                    event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
            // Runs before the button acts on the event: the texts as Send is pressed.
            textsAtSend_ = setupTexts();
            delayBoxesBefore_ = stats.boxes[DelayNotANumber];
            waitsBefore_ = waitsBegun_;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // ---- steps and sessions

    void step()
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

    void startSession()
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

    void restart()
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
    void observeSetupWindow()
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

    // ---- the random actions

    void act(Where where)
    {
        const QList<QWidget *> windows = visibleWindows();
        if (windows.isEmpty()) {
            idle();
            return;
        }
        vb::FormWindow *start = visible("Form1");
        vb::FormWindow *setup = visible("FormNew");
        vb::FormWindow *fax = visible("Form2");
        vb::FormWindow *about = visible("FormAbout");
        const bool popup = QApplication::activePopupWidget() != nullptr;

        struct Choice
        {
            int weight;
            void (Monkey::*action)();
        };
        const Choice choices[] = {
            {18, &Monkey::clickAnywhere},
            {22, &Monkey::clickControl},
            {20, &Monkey::pressKey},
            {6, &Monkey::typeText},
            {8, &Monkey::paste},
            {start && !popup ? 5 : 0, &Monkey::chooseMenu},
            {fax ? 25 : (about ? 3 : 1), &Monkey::closeWindow},
            {setup ? 2 : 0, &Monkey::clear},
            {setup || about ? 2 : 0, &Monkey::clickIcon},
            {setup && where == Where::TopLevel ? 2 : 0, &Monkey::send},
            {setup ? 3 : 0, &Monkey::emptyDelay},
            {2, &Monkey::idle},
        };
        int total = 0;
        for (const Choice &choice : choices)
            total += choice.weight;
        int pick = rng_.bounded(total);
        for (const Choice &choice : choices) {
            if (pick < choice.weight) {
                (this->*choice.action)();
                return;
            }
            pick -= choice.weight;
        }
    }

    // A click at any point of a window on screen: a form, or an open menu.
    void clickAnywhere()
    {
        QWidget *window = pickOf(visibleWindows());
        const QPoint point(1 + rng_.bounded(std::max(1, window->width() - 1)),
                           1 + rng_.bounded(std::max(1, window->height() - 1)));
        const int kind = rng_.bounded(100);
        const Qt::MouseButton button = kind < 84   ? Qt::LeftButton
                                       : kind < 96 ? Qt::RightButton
                                                   : Qt::MiddleButton;
        click(window, point, button, kind >= 80 && kind < 84);
    }

    // A click on something that reacts: a box, a button, the icon, a menu, a scroll bar.
    void clickControl()
    {
        QWidget *window = pickOf(visibleWindows());
        std::vector<QRect> targets; // in the window's coordinates
        if (auto *menu = qobject_cast<QMenu *>(window)) {
            for (QAction *action : menu->actions())
                targets.push_back(menu->actionGeometry(action));
        } else {
            for (QWidget *child : window->findChildren<QWidget *>()) {
                if (!child->isVisible() || child->window() != window)
                    continue;
                if (auto *bar = qobject_cast<QMenuBar *>(child)) {
                    for (QAction *action : bar->actions())
                        targets.push_back(
                            bar->actionGeometry(action).translated(bar->mapTo(window, QPoint())));
                } else if (qobject_cast<QLineEdit *>(child) ||
                           qobject_cast<QAbstractButton *>(child) ||
                           qobject_cast<vb::PictureBoxControl *>(child) ||
                           qobject_cast<QScrollBar *>(child) ||
                           qobject_cast<QPlainTextEdit *>(child)) {
                    targets.push_back(QRect(child->mapTo(window, QPoint()), child->size()));
                }
            }
        }
        if (targets.empty()) {
            clickAnywhere();
            return;
        }
        const QRect target = targets[rng_.bounded(quint32(targets.size()))];
        const QPoint point(target.x() + rng_.bounded(std::max(1, target.width())),
                           target.y() + rng_.bounded(std::max(1, target.height())));
        click(window, point, rng_.bounded(10) == 0 ? Qt::RightButton : Qt::LeftButton,
              rng_.bounded(20) == 0);
    }

    void pressKey()
    {
        QWidget *window = keyboardWindow();
        if (!window)
            return idle();
        if (rng_.bounded(4) == 0) {
            const char letter = char('a' + rng_.bounded(26));
            note(QStringLiteral("key %1 to %2")
                     .arg(QChar::fromLatin1(letter))
                     .arg(describe(window)));
            type(window, std::string(1, letter).c_str());
            return;
        }
        const Stroke &stroke = strokes[rng_.bounded(quint32(std::size(strokes)))];
        note(QStringLiteral("key %1 to %2").arg(stroke.name, describe(window)));
        key(window, stroke.key, stroke.modifiers);
    }

    void typeText()
    {
        QWidget *window = keyboardWindow();
        if (!window)
            return idle();
        const char *text = typedTexts[rng_.bounded(quint32(std::size(typedTexts)))];
        note(QStringLiteral("type \"%1\" to %2").arg(text, describe(window)));
        type(window, text);
    }

    void paste()
    {
        const Paste &paste = pastes_[rng_.bounded(quint32(pastes_.size()))];
        // Mostly into one of the setup window's boxes, clicked first.
        if (vb::FormWindow *setup = visible("FormNew"); setup && rng_.bounded(10) < 7)
            clickBox(setup, rng_.bounded(10) < 4 ? "Text5" : pickOf(setupBoxNames()));
        QPointer<QWidget> window = keyboardWindow();
        if (!window)
            return idle();
        QApplication::clipboard()->setText(paste.text);
        const bool replace = rng_.bounded(2) == 0 || focusedTextLength() > 150'000;
        note(QStringLiteral("paste %1 (%2) into %3")
                 .arg(paste.name, replace ? "replacing" : "inserting", describe(window)));
        ++stats.pastes;
        if (replace)
            key(window, Qt::Key_A, Qt::ControlModifier);
        if (!window || !window->isVisible() || !failure.isEmpty())
            return;
        key(window, Qt::Key_V, Qt::ControlModifier);
    }

    void chooseMenu()
    {
        vb::FormWindow *start = visible("Form1");
        const int kind = rng_.bounded(100);
        const char *name = kind < 40 ? "About" : kind < 85 ? "New" : "Exit";
        note(QStringLiteral("menu %1").arg(name));
        start->findChild<QAction *>(QString::fromLatin1(name))->trigger();
    }

    void closeWindow()
    {
        QList<QWidget *> forms;
        for (const char *name : allForms) {
            if (vb::FormWindow *window = visible(name)) {
                const int weight = QByteArray(name) == "Form2"       ? 10
                                   : QByteArray(name) == "FormAbout" ? 5
                                                                     : 1;
                for (int i = 0; i < weight; ++i)
                    forms.append(window);
            }
        }
        if (forms.isEmpty())
            return idle();
        QWidget *window = pickOf(forms);
        closePopups();
        note(QStringLiteral("close %1").arg(describe(window)));
        ++stats.closes;
        window->windowHandle()->close(); // as the window system's close button does
    }

    void clear() { clickCentre(visible("FormNew"), "Command2"); }

    void clickIcon()
    {
        vb::FormWindow *window = visible("FormNew");
        if (!window || (visible("FormAbout") && rng_.bounded(2) == 0))
            window = visible("FormAbout");
        clickCentre(window, "Picture1");
    }

    // Send, often with a usable delay typed first, by mouse or by keyboard.
    void send()
    {
        vb::FormWindow *setup = visible("FormNew");
        if (rng_.bounded(10) < 6) {
            static const char *const delays[] = {"0", "1", "15", "30", "2.5", "-3", "1e1"};
            clickBox(setup, "Text5");
            key(setup, Qt::Key_A, Qt::ControlModifier);
            type(setup, delays[rng_.bounded(quint32(std::size(delays)))]);
        }
        if (!setup->isVisible() || !failure.isEmpty())
            return;
        ++stats.sends;
        if (rng_.bounded(10) < 7) {
            clickCentre(setup, "Command1");
        } else {
            clickBox(setup, "Text5");
            note(QStringLiteral("Tab to Send, then %1").arg("Space or Return"));
            key(setup, Qt::Key_Tab);
            if (setup->isVisible() && failure.isEmpty())
                key(setup, rng_.bounded(2) ? Qt::Key_Space : Qt::Key_Return);
        }
    }

    void emptyDelay()
    {
        vb::FormWindow *setup = visible("FormNew");
        clickBox(setup, "Text5");
        if (!setup->isVisible() || !failure.isEmpty())
            return;
        key(setup, Qt::Key_A, Qt::ControlModifier);
        static const Stroke erase[] = {{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
                                       {Qt::Key_Delete, Qt::NoModifier, "Delete"},
                                       {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"}};
        const Stroke &stroke = erase[rng_.bounded(quint32(std::size(erase)))];
        note(QStringLiteral("empty the delay with Ctrl+A, %1").arg(stroke.name));
        if (setup->isVisible() && failure.isEmpty())
            key(setup, stroke.key, stroke.modifiers);
    }

    void idle()
    {
        if (rng_.bounded(20) == 0)
            QTest::qWait(rng_.bounded(30)); // lets the clock tick
        else
            QCoreApplication::processEvents();
    }

    // ---- the wait that Send starts

    void waitBegins()
    {
        ++waitsBegun_;
        expect(QApplication::activeModalWidget() == nullptr,
               QStringLiteral("a wait began while a modal box was open"));
        expect(textsAtSend_.has_value(), QStringLiteral("a wait began without Send pressed"));
        if (!textsAtSend_)
            return;
        expect(setupTexts() == *textsAtSend_,
               QStringLiteral("Send changed the setup window's texts"));
        sent_ = textsAtSend_;
        textsAtSend_.reset();
        timeOfDay_ = rng_.bounded(86'400) + rng_.generateDouble();
        vb::FormWindow *setup = runtime().loaded("FormNew");
        vb::FormWindow *fax = runtime().loaded("Form2");
        expect(setup && !setup->isVisible(),
               QStringLiteral("the setup window stays during the wait"));
        expect(fax && !fax->isVisible(),
               QStringLiteral("the fax window is not loaded and hidden as the wait begins"));
    }

    void duringWait()
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

    void afterSend()
    {
        if (runtime().ended())
            return;
        vb::FormWindow *setup = runtime().loaded("FormNew");
        const bool number = vb::ToInt32(setup->text("Text5")).has_value();
        const int delayBoxes = stats.boxes[DelayNotANumber] - delayBoxesBefore_;
        if (number) {
            vb::FormWindow *fax = runtime().loaded("Form2");
            expect(delayBoxes == 0 && waitsBegun_ == waitsBefore_ + 1 && fax && fax->isVisible() &&
                       !setup->isVisible(),
                   QStringLiteral("Send with the delay %1 did not bring the fax")
                       .arg(setup->text("Text5").left(40)));
            ++stats.faxes;
        } else {
            expect(delayBoxes == 1 && waitsBegun_ == waitsBefore_ && setup->isVisible() &&
                       !runtime().loaded("Form2") &&
                       setup->focusWidget() == setup->control("Text5").widget,
                   QStringLiteral("Send with the delay %1 did not just say so")
                       .arg(setup->text("Text5").left(40)));
        }
    }

    // ---- message boxes

    void answer(const QPointer<QMessageBox> &box)
    {
        if (!box || !box->isVisible())
            return;
        if (!failure.isEmpty() || ++boxesThisStep_ > 20) {
            fail(QStringLiteral("message boxes keep coming"));
            box->done(0);
            return;
        }
        int boxes = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            boxes += qobject_cast<QMessageBox *>(widget) && widget->isVisible();
        expect(boxes == 1, QStringLiteral("%1 message boxes open at once").arg(boxes));
        expect(QApplication::activeModalWidget() == box,
               QStringLiteral("a message box that is not modal"));

        const QString text = box->text();
        const int kind =
            int(std::find(std::begin(boxTexts), std::end(boxTexts), text) - std::begin(boxTexts));
        note(QStringLiteral("   box \"%1\"").arg(text.left(80)));
        if (kind == BoxKinds) {
            fail(QStringLiteral("unexpected message box \"%1\"").arg(text));
        } else {
            ++stats.boxes[kind];
            vb::FormWindow *setup = runtime().loaded("FormNew");
            const QString delay = setup ? setup->text("Text5") : QString();
            const bool fits =
                setup && (kind == MustBeZeroOrMore  ? delay.isEmpty()
                          : kind == EasterEggAnswer ? delay == easterEgg
                                                    : !vb::ToInt32(delay).has_value());
            expect(fits,
                   QStringLiteral("box \"%1\" with the delay \"%2\"").arg(text, delay.left(40)));
        }
        check(Where::InBox);
        // The user reads the box once it is there and has the focus.
        expect(waitUntilActive(box),
               QStringLiteral("the box \"%1\" never got the focus").arg(text));
        if (!box)
            return fail(QStringLiteral("the box \"%1\" went away by itself").arg(text));

        for (int i = rng_.bounded(3); i > 0 && box && failure.isEmpty(); --i)
            tryPastModal(box);
        if (box)
            close(box);
    }

    // The user tries the other windows while the box is open: nothing may happen.
    void tryPastModal(const QPointer<QMessageBox> &box)
    {
        QList<QWidget *> others;
        for (const char *name : allForms) {
            if (vb::FormWindow *window = visible(name))
                others.append(window);
        }
        if (others.isEmpty())
            return;
        QWidget *window = pickOf(others);
        const Observed before = observe();
        ++stats.blockedAttempts;
        // A click or a key. (The window system's close button is refused by Qt itself
        // while a modal window blocks the window; QWindow::close() would not be.)
        if (rng_.bounded(2) == 0) {
            const QPoint point(1 + rng_.bounded(std::max(1, window->width() - 1)),
                               1 + rng_.bounded(std::max(1, window->height() - 1)));
            note(QStringLiteral("   click %1 (%2,%3) past the box")
                     .arg(describe(window))
                     .arg(point.x())
                     .arg(point.y()));
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
        } else {
            const Stroke &stroke = strokes[rng_.bounded(quint32(std::size(strokes)))];
            note(QStringLiteral("   key %1 to %2 past the box").arg(stroke.name, describe(window)));
            keyStroke(window, stroke.key, stroke.modifiers);
        }
        expect(box && box->isVisible(), QStringLiteral("the box went away without an answer"));
        expect(observe() == before, QStringLiteral("a window behind the modal box reacted"));
    }

    void close(const QPointer<QMessageBox> &box)
    {
        QWindow *window = box->windowHandle();
        for (int i = rng_.bounded(3); i > 0 && box && box->isVisible(); --i) {
            static const Qt::Key harmless[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left,
                                               Qt::Key_A};
            keyStroke(box, harmless[rng_.bounded(quint32(std::size(harmless)))]);
        }
        if (!box || !box->isVisible())
            return fail(QStringLiteral("a key that does not answer closed the box"));
        QString how;
        switch (rng_.bounded(6)) {
        case 0:
            how = QStringLiteral("Return");
            keyStroke(box, Qt::Key_Return);
            break;
        case 1:
            how = QStringLiteral("Enter");
            keyStroke(box, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case 2:
            how = QStringLiteral("Escape");
            keyStroke(box, Qt::Key_Escape);
            break;
        case 3:
            how = QStringLiteral("Space");
            keyStroke(box, Qt::Key_Space);
            break;
        case 4: {
            how = QStringLiteral("a click on OK");
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            QTest::mouseClick(window, Qt::LeftButton, {}, ok->mapTo(box, ok->rect().center()));
            break;
        }
        default:
            how = QStringLiteral("its close button");
            window->close();
            break;
        }
        note(QStringLiteral("   answered with %1").arg(how));
        if (box && box->isVisible()) {
            QWidget *focus = box->focusWidget();
            fail(QStringLiteral("the box \"%1\" stayed open after %2 (focus on %3 %4)")
                     .arg(box->text(), how,
                          focus ? QString::fromLatin1(focus->metaObject()->className())
                                : QStringLiteral("nothing"),
                          focus ? focus->objectName() : QString()));
            box->done(0);
        }
    }

    // A menu that runs its own event loop: a few items or keys, then it must be gone.
    void useMenu(const QPointer<QMenu> &menu)
    {
        note(QStringLiteral("   menu \"%1\" waits for the user").arg(menu->title()));
        for (int i = 0; i < 4 && menu && menu->isVisible() && failure.isEmpty(); ++i) {
            const QList<QAction *> actions = menu->actions();
            const int kind = rng_.bounded(10);
            if (kind < 4 && !actions.isEmpty()) {
                const QRect item = menu->actionGeometry(pickOf(actions));
                note(QStringLiteral("   choose \"%1\"")
                         .arg(menu->actionAt(item.center()) ? menu->actionAt(item.center())->text()
                                                            : QString()));
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, item.center());
            } else if (kind < 8) {
                static const Qt::Key keys[] = {Qt::Key_Down,   Qt::Key_Up, Qt::Key_Return,
                                               Qt::Key_Escape, Qt::Key_T,  Qt::Key_Left};
                const Qt::Key key = keys[rng_.bounded(quint32(std::size(keys)))];
                note(QStringLiteral("   key %1 in the menu").arg(QKeySequence(key).toString()));
                keyStroke(menu, key);
            } else if (QWidget *elsewhere = pickOf(visibleWindows()); elsewhere != menu) {
                note(QStringLiteral("   click %1 beside the menu").arg(describe(elsewhere)));
                QTest::mouseClick(elsewhere->windowHandle(), Qt::LeftButton, {}, QPoint(3, 3));
            }
        }
        if (menu && menu->isVisible())
            keyStroke(menu, Qt::Key_Escape);
        if (menu && menu->isVisible()) {
            fail(QStringLiteral("the menu \"%1\" stays open after Escape").arg(menu->title()));
            menu->close();
        }
    }

    // Notes a step that does not come back, and frees it from what holds it.
    void watch()
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

    // ---- what must always hold

    void check(Where where)
    {
        if (!failure.isEmpty())
            return;
        for (const char *name : allForms) {
            int instances = 0;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<vb::FormWindow *>(widget) &&
                    widget->objectName() == QLatin1String(name) && !unloaded(widget)) {
                    ++instances;
                    expect(widget == runtime().loaded(name),
                           QStringLiteral("an instance of %1 the runtime does not know").arg(name));
                }
            }
            expect(instances <= 1, QStringLiteral("%1 instances of %2").arg(instances).arg(name));
        }
        if (where == Where::TopLevel) {
            // What closing deleteLater'd is gone by now.
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *form = qobject_cast<vb::FormWindow *>(widget))
                    expect(form == runtime().loaded(form->name()),
                           QStringLiteral("a closed %1 was never deleted").arg(form->objectName()));
            }
            expect(QApplication::activeModalWidget() == nullptr,
                   QStringLiteral("a modal box stayed open after the step"));
        }
        if (runtime().ended())
            return;

        vb::FormWindow *setup = runtime().loaded("FormNew");
        if (setup && where != Where::InBox) // only the box about it sees it empty
            expect(!setup->text("Text5").isEmpty(), QStringLiteral("the delay box is empty"));
        if (vb::FormWindow *fax = visible("Form2")) {
            expect(sent_.has_value(), QStringLiteral("the fax came without a send"));
            for (int i = 0; i < 4 && sent_; ++i)
                expect(fax->caption(faxValues[i]) == sent_->boxes[i],
                       QStringLiteral("the fax's %1 is not the %2 sent")
                           .arg(faxValues[i], setupBoxes[i]));
        }
        if (where == Where::Waiting) {
            vb::FormWindow *fax = runtime().loaded("Form2");
            expect(setup && !setup->isVisible() && fax && !fax->isVisible(),
                   QStringLiteral("a window shows during the wait"));
        }
        if (where == Where::TopLevel) {
            int shown = 0;
            for (const char *name : mainForms)
                shown += visible(name) != nullptr;
            expect(shown == 1, QStringLiteral("%1 main windows on screen").arg(shown));
            expect(stats.boxes[MustBeZeroOrMore] - boxesAtSessionStart_[MustBeZeroOrMore] ==
                           emptied_ &&
                       stats.boxes[EasterEggAnswer] - boxesAtSessionStart_[EasterEggAnswer] ==
                           razoTyped_,
                   QStringLiteral("the delay box's answers do not match its changes "
                                  "(%1 emptied, %2 easter eggs)")
                       .arg(emptied_)
                       .arg(razoTyped_));
        }
    }

    // ---- input as the window system delivers it

    void click(QWidget *window, QPoint point, Qt::MouseButton button, bool twice)
    {
        QWidget *under = window->childAt(point);
        note(QStringLiteral("%1 %2 (%3,%4) on %5")
                 .arg(button == Qt::LeftButton    ? (twice ? "double-click" : "click")
                      : button == Qt::RightButton ? "right-click"
                                                  : "middle-click",
                      describe(window))
                 .arg(point.x())
                 .arg(point.y())
                 .arg(under ? under->objectName() + u' ' + under->metaObject()->className()
                            : QStringLiteral("the window")));
        QPointer<QWidget> guard(window);
        if (!qobject_cast<QMenu *>(window))
            activate(window);
        if (!guard)
            return;
        if (twice)
            QTest::mouseDClick(window->windowHandle(), button, {}, point);
        else
            QTest::mouseClick(window->windowHandle(), button, {}, point);
    }

    void clickCentre(QWidget *window, const char *control)
    {
        if (!window)
            return idle();
        QWidget *target = static_cast<vb::FormWindow *>(window)->control(control).widget;
        click(window, target->mapTo(window, target->rect().center()), Qt::LeftButton, false);
    }

    void clickBox(QWidget *window, const char *box)
    {
        QWidget *target = static_cast<vb::FormWindow *>(window)->control(box).widget;
        const QPoint point(2 + rng_.bounded(std::max(1, target->width() - 24)),
                           2 + rng_.bounded(std::max(1, target->height() - 24)));
        click(window, target->mapTo(window, point), Qt::LeftButton, false);
    }

    void key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QPointer<QWidget> guard(window);
        if (!qobject_cast<QMenu *>(window))
            activate(window);
        if (guard)
            keyStroke(guard, key, modifiers);
    }

    void type(QWidget *window, const char *text)
    {
        QPointer<QWidget> guard(window);
        if (!qobject_cast<QMenu *>(window))
            activate(window);
        for (const char *c = text; *c && guard && guard->isVisible() && failure.isEmpty(); ++c)
            typeCharacter(guard, *c);
    }

    // The window the keys go to: an open menu, else the active window, else one that the
    // user clicks on first.
    QWidget *keyboardWindow()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        QWidget *active = QApplication::activeWindow();
        if (active && active->isVisible() && qobject_cast<vb::FormWindow *>(active))
            return active;
        QList<QWidget *> forms;
        for (const char *name : allForms) {
            if (vb::FormWindow *window = visible(name))
                forms.append(window);
        }
        if (forms.isEmpty())
            return nullptr;
        QWidget *window = pickOf(forms);
        activate(window);
        return window;
    }

    // The window manager gives the focus to a window the user turns to.
    static void activate(QWidget *window)
    {
        if (!window || QApplication::activeWindow() == window ||
            QApplication::activePopupWidget() || QApplication::activeModalWidget())
            return;
        window->activateWindow();
        waitUntilActive(window);
    }

    // The window system activates windows after the fact: wait for it, without spinning
    // the event loop further than a user's short look at the screen would.
    static bool waitUntilActive(QWidget *window)
    {
        QPointer<QWidget> guard(window);
        const QDeadlineTimer deadline(5000);
        do {
            QCoreApplication::processEvents();
            if (!guard || guard->isActiveWindow())
                return true;
            QThread::usleep(200);
        } while (!deadline.hasExpired());
        return false;
    }

    static void closePopups()
    {
        for (int i = 0; i < 5; ++i) {
            QWidget *popup = QApplication::activePopupWidget();
            if (!popup)
                return;
            popup->close();
        }
    }

    int focusedTextLength() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (auto *box = qobject_cast<QLineEdit *>(focus))
            return int(box->text().size());
        if (auto *box = qobject_cast<QPlainTextEdit *>(focus))
            return box->document()->characterCount();
        return 0;
    }

    // ---- what the user sees

    static vb::FormWindow *visible(const char *name)
    {
        vb::FormWindow *window = runtime().loaded(name);
        return window && window->isVisible() ? window : nullptr;
    }

    // The forms and open menus on screen; message boxes are answered on their own.
    static QList<QWidget *> visibleWindows()
    {
        QList<QWidget *> windows;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() &&
                (qobject_cast<vb::FormWindow *>(widget) || qobject_cast<QMenu *>(widget)))
                windows.append(widget);
        }
        return windows;
    }

    // A window that closing unloaded: the runtime hid it and let it go, and it waits for
    // the event loop to delete it. It no longer counts as an instance of its form.
    static bool unloaded(const QWidget *widget)
    {
        const auto *form = qobject_cast<const vb::FormWindow *>(widget);
        return form && !form->isVisible() && runtime().loaded(form->name()) != form;
    }

    static std::optional<SetupTexts> setupTexts()
    {
        vb::FormWindow *setup = runtime().loaded("FormNew");
        if (!setup)
            return std::nullopt;
        SetupTexts texts;
        for (int i = 0; i < 4; ++i)
            texts.boxes[i] = setup->text(setupBoxes[i]);
        texts.delay = setup->text("Text5");
        return texts;
    }

    static Observed observe()
    {
        Observed seen;
        seen.setup = setupTexts();
        if (vb::FormWindow *fax = runtime().loaded("Form2")) {
            for (const char *value : faxValues)
                seen.fax.append(fax->caption(value));
        }
        for (const char *name : allForms) {
            if (visible(name))
                seen.visibleForms.append(QString::fromLatin1(name));
        }
        seen.ended = runtime().ended();
        return seen;
    }

    static QString describe(QWidget *window)
    {
        if (auto *menu = qobject_cast<QMenu *>(window))
            return QStringLiteral("menu \"%1\"").arg(menu->title());
        return window->objectName();
    }

    static QList<const char *> setupBoxNames()
    {
        return {"Text1", "Text2", "Text3", "Text4", "Text5"};
    }

    template <typename T> T pickOf(const QList<T> &list)
    {
        return list[rng_.bounded(quint32(list.size()))];
    }

    // ---- failures and the trail that led to them

    void note(const QString &what)
    {
        trail_.push_back(QStringLiteral("%1: %2").arg(stepsDone_).arg(what));
        if (trace_)
            std::fprintf(stderr, "%s\n", qPrintable(trail_.back()));
        if (trail_.size() > 40)
            trail_.pop_front();
    }

    void expect(bool holds, const QString &what)
    {
        if (!holds)
            fail(what);
    }

    void fail(const QString &what)
    {
        if (!failure.isEmpty())
            return;
        failure = QStringLiteral("step %1: %2\nlast steps:\n").arg(stepsDone_).arg(what);
        for (const QString &line : trail_)
            failure += QStringLiteral("  %1\n").arg(line);
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

QtMessageHandler previousHandler = nullptr;

} // namespace

class TstMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says at every window shown that it cannot raise it or
        // grab the keyboard; thousands of those would hide what matters.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previousHandler(type, context, message);
            });
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void cleanup()
    {
        vb::setWaitClock(nullptr);
        runtime().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void randomUse_data();
    void randomUse();
};

// Steps per seed. The sanitizer build runs several times slower: fewer steps there, so
// the seeds stay within the time a test function may take; QUORIAM_MONKEY_STEPS sets
// the number for other slow runs (the Windows build under Wine).
#ifdef __SANITIZE_ADDRESS__
constexpr int defaultStepsPerSeed = 2'500;
#else
constexpr int defaultStepsPerSeed = 8'000;
#endif

void TstMonkey::randomUse_data()
{
    const int stepsPerSeed = qEnvironmentVariableIntValue("QUORIAM_MONKEY_STEPS") > 0
                                 ? qEnvironmentVariableIntValue("QUORIAM_MONKEY_STEPS")
                                 : defaultStepsPerSeed;
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    for (const quint32 seed : {20240611u, 7u, 31337u, 1u})
        QTest::addRow("seed %u", seed) << seed << stepsPerSeed;
    const QByteArray chosen = qgetenv("QUORIAM_MONKEY_SEED");
    if (!chosen.isEmpty()) {
        const quint32 seed =
            chosen == "random" ? QRandomGenerator::system()->generate() : chosen.toUInt();
        QTest::addRow("seed %u (chosen)", seed) << seed << stepsPerSeed;
    }
}

void TstMonkey::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    qInfo("monkey seed %u, %d steps", seed, steps);
    QElapsedTimer elapsed;
    elapsed.start();
    Monkey monkey(seed, steps);
    monkey.start();
    QApplication::exec();
    if (!monkey.failure.isEmpty())
        qWarning().noquote() << "seed" << seed << monkey.failure; // the whole trail
    QVERIFY2(monkey.failure.isEmpty(), qPrintable(monkey.failure.section(u'\n', 0, 0)));
    QVERIFY2(monkey.finished, "the event loop ended before the monkey was done");

    const auto &stats = monkey.stats;
    qInfo("%lld ms: %d sessions, %d sends, %d faxes, %d wait dispatches with %d actions, "
          "boxes %d/%d/%d (emptied/easter egg/not a number), %d tries past a box, %d pastes, "
          "%d closes",
          elapsed.elapsed(), stats.sessions, stats.sends, stats.faxes, stats.waitDispatches,
          stats.actionsInWaits, stats.boxes[MustBeZeroOrMore], stats.boxes[EasterEggAnswer],
          stats.boxes[DelayNotANumber], stats.blockedAttempts, stats.pastes, stats.closes);
    // The monkey got everywhere: a monkey stuck on one window proves little.
    QVERIFY(stats.sessions > 5);
    QVERIFY(stats.faxes > 5);
    QVERIFY(stats.actionsInWaits > 0);
    QVERIFY(stats.boxes[MustBeZeroOrMore] > 0 && stats.boxes[DelayNotANumber] > 0);
    QVERIFY(stats.blockedAttempts > 0);
}

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
