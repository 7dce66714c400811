// What the monkey does in a step, picked at random with weights that follow what is on
// screen, and the hands it does it with: clicks and keys that go in as the window system
// delivers them, to a window the window manager has activated first.
#include "tests/monkey/Monkey.h"

#include "platform/controls/PictureBoxControl.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWindow>

#include <string>

using namespace test;

namespace monkey {

namespace {

// The setup window's boxes, the delay box last.
const char *const setupWindowBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};

int focusedTextLength()
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *box = qobject_cast<QLineEdit *>(focus))
        return int(box->text().size());
    if (auto *box = qobject_cast<QPlainTextEdit *>(focus))
        return box->document()->characterCount();
    return 0;
}

} // namespace

void Monkey::act(Where where)
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
void Monkey::clickAnywhere()
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
void Monkey::clickControl()
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
            } else if (qobject_cast<QLineEdit *>(child) || qobject_cast<QAbstractButton *>(child) ||
                       qobject_cast<vb::PictureBoxControl *>(child) ||
                       qobject_cast<QScrollBar *>(child) || qobject_cast<QPlainTextEdit *>(child)) {
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

void Monkey::pressKey()
{
    QWidget *window = keyboardWindow();
    if (!window)
        return idle();
    if (rng_.bounded(4) == 0) {
        const char letter = char('a' + rng_.bounded(26));
        note(QStringLiteral("key %1 to %2").arg(QChar::fromLatin1(letter)).arg(describe(window)));
        type(window, std::string(1, letter).c_str());
        return;
    }
    const Stroke &stroke = pickOf(strokes);
    note(QStringLiteral("key %1 to %2").arg(stroke.name, describe(window)));
    key(window, stroke.key, stroke.modifiers);
}

void Monkey::typeText()
{
    QWidget *window = keyboardWindow();
    if (!window)
        return idle();
    const char *text = pickOf(typedTexts);
    note(QStringLiteral("type \"%1\" to %2").arg(text, describe(window)));
    type(window, text);
}

void Monkey::paste()
{
    const Paste &paste = pastes_[rng_.bounded(quint32(pastes_.size()))];
    // Mostly into one of the setup window's boxes, clicked first.
    if (vb::FormWindow *setup = visible("FormNew"); setup && rng_.bounded(10) < 7)
        clickBox(setup, rng_.bounded(10) < 4 ? "Text5" : pickOf(setupWindowBoxes));
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

void Monkey::chooseMenu()
{
    vb::FormWindow *start = visible("Form1");
    const int kind = rng_.bounded(100);
    const char *name = kind < 40 ? "About" : kind < 85 ? "New" : "Exit";
    note(QStringLiteral("menu %1").arg(name));
    start->findChild<QAction *>(QString::fromLatin1(name))->trigger();
}

void Monkey::closeWindow()
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

void Monkey::clear()
{
    clickCentre(visible("FormNew"), "Command2");
}

void Monkey::clickIcon()
{
    vb::FormWindow *window = visible("FormNew");
    if (!window || (visible("FormAbout") && rng_.bounded(2) == 0))
        window = visible("FormAbout");
    clickCentre(window, "Picture1");
}

// Send, often with a usable delay typed first, by mouse or by keyboard.
void Monkey::send()
{
    vb::FormWindow *setup = visible("FormNew");
    if (rng_.bounded(10) < 6) {
        static const char *const delays[] = {"0", "1", "15", "30", "2.5", "-3", "1e1"};
        clickBox(setup, "Text5");
        key(setup, Qt::Key_A, Qt::ControlModifier);
        type(setup, pickOf(delays));
    }
    if (!setup->isVisible() || !failure.isEmpty())
        return;
    ++stats.sends;
    if (rng_.bounded(10) < 7) {
        clickCentre(setup, "Command1");
    } else {
        // The focus goes to Send by name, as Tab would: the tab order is tst_runtime's.
        note(QStringLiteral("focus Send, then %1").arg("Space or Return"));
        setup->control("Command1").widget->setFocus(Qt::TabFocusReason);
        if (setup->isVisible() && failure.isEmpty())
            key(setup, rng_.bounded(2) ? Qt::Key_Space : Qt::Key_Return);
    }
}

void Monkey::emptyDelay()
{
    vb::FormWindow *setup = visible("FormNew");
    clickBox(setup, "Text5");
    if (!setup->isVisible() || !failure.isEmpty())
        return;
    key(setup, Qt::Key_A, Qt::ControlModifier);
    static const Stroke erase[] = {{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
                                   {Qt::Key_Delete, Qt::NoModifier, "Delete"},
                                   {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"}};
    const Stroke &stroke = pickOf(erase);
    note(QStringLiteral("empty the delay with Ctrl+A, %1").arg(stroke.name));
    if (setup->isVisible() && failure.isEmpty())
        key(setup, stroke.key, stroke.modifiers);
}

void Monkey::idle()
{
    if (rng_.bounded(20) == 0)
        QTest::qWait(rng_.bounded(30)); // lets the clock tick
    else
        QCoreApplication::processEvents();
}

// ---- the hands

void Monkey::click(QWidget *window, QPoint point, Qt::MouseButton button, bool twice)
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

void Monkey::clickCentre(QWidget *window, const char *control)
{
    if (!window)
        return idle();
    QWidget *target = static_cast<vb::FormWindow *>(window)->control(control).widget;
    click(window, target->mapTo(window, target->rect().center()), Qt::LeftButton, false);
}

void Monkey::clickBox(QWidget *window, const char *box)
{
    QWidget *target = static_cast<vb::FormWindow *>(window)->control(box).widget;
    const QPoint point(2 + rng_.bounded(std::max(1, target->width() - 24)),
                       2 + rng_.bounded(std::max(1, target->height() - 24)));
    click(window, target->mapTo(window, point), Qt::LeftButton, false);
}

void Monkey::key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWidget> guard(window);
    if (!qobject_cast<QMenu *>(window))
        activate(window);
    if (guard)
        keyStroke(guard, key, modifiers);
}

void Monkey::type(QWidget *window, const char *text)
{
    QPointer<QWidget> guard(window);
    if (!qobject_cast<QMenu *>(window))
        activate(window);
    for (const char *c = text; *c && guard && guard->isVisible() && failure.isEmpty(); ++c)
        typeCharacter(guard, *c);
}

// The window the keys go to: an open menu, else the active window, else one that the
// user clicks on first.
QWidget *Monkey::keyboardWindow()
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

} // namespace monkey
