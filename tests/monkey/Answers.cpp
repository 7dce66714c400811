// How the monkey answers what waits for the user: a message box, which it checks against
// the delay that brought it, tries to get past, and closes in one of the ways a user
// can; and a menu that runs its own event loop.
#include "tests/monkey/Monkey.h"

#include "platform/Runtime.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>

#include <algorithm>

using namespace test;

namespace monkey {

void Monkey::answer(const QPointer<QMessageBox> &box)
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
        text.contains(boxTexts[TextLeftOut])
            ? TextLeftOut
            : int(std::find(std::begin(boxTexts), std::end(boxTexts), text) - std::begin(boxTexts));
    note(QStringLiteral("   box \"%1\"").arg(text.left(80)));
    if (kind == BoxKinds) {
        fail(QStringLiteral("unexpected message box \"%1\"").arg(text));
    } else {
        ++stats.boxes[kind];
        vb::FormWindow *setup = runtime().loaded("FormNew");
        const QString delay = setup ? setup->text("Text5") : QString();
        const bool fits = kind == TextLeftOut || // a paste just went into a box
                          (setup && (kind == MustBeZeroOrMore  ? delay.isEmpty()
                                     : kind == EasterEggAnswer ? delay == easterEgg
                                                               : kind == delayBox(delay)));
        expect(fits, QStringLiteral("box \"%1\" with the delay \"%2\"").arg(text, delay.left(40)));
    }
    check(Where::InBox);
    // The user reads the box once it is there and has the focus.
    expect(waitUntilActive(box), QStringLiteral("the box \"%1\" never got the focus").arg(text));
    if (!box)
        return fail(QStringLiteral("the box \"%1\" went away by itself").arg(text));

    for (int i = rng_.bounded(3); i > 0 && box && failure.isEmpty(); --i)
        tryPastModal(box);
    if (box)
        close(box);
}

// The user tries the other windows while the box is open: nothing may happen.
void Monkey::tryPastModal(const QPointer<QMessageBox> &box)
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
        const Stroke &stroke = pickOf(strokes);
        note(QStringLiteral("   key %1 to %2 past the box").arg(stroke.name, describe(window)));
        keyStroke(window, stroke.key, stroke.modifiers);
    }
    expect(box && box->isVisible(), QStringLiteral("the box went away without an answer"));
    expect(observe() == before, QStringLiteral("a window behind the modal box reacted"));
}

void Monkey::close(const QPointer<QMessageBox> &box)
{
    QWindow *window = box->windowHandle();
    for (int i = rng_.bounded(3); i > 0 && box && box->isVisible(); --i) {
        static const Qt::Key harmless[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_A};
        keyStroke(box, pickOf(harmless));
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
void Monkey::useMenu(const QPointer<QMenu> &menu)
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
            const Qt::Key key = pickOf(keys);
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

} // namespace monkey
