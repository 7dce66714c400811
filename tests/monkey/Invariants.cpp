// What the monkey checks: after every step and every action during a wait, as each
// message box opens, as the wait that Send starts begins, and after Send.
#include "tests/monkey/Monkey.h"

#include "platform/Runtime.h"
#include "tests/TestSupport.h"

#include <QApplication>

using namespace test;

namespace monkey {

void Monkey::check(Where where)
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
            expect(
                fax->caption(faxValues[i]) == sent_->boxes[i],
                QStringLiteral("the fax's %1 is not the %2 sent").arg(faxValues[i], setupBoxes[i]));
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
        expect(stats.boxes[MustBeZeroOrMore] - boxesAtSessionStart_[MustBeZeroOrMore] == emptied_ &&
                   stats.boxes[EasterEggAnswer] - boxesAtSessionStart_[EasterEggAnswer] ==
                       razoTyped_,
               QStringLiteral("the delay box's answers do not match its changes "
                              "(%1 emptied, %2 easter eggs)")
                   .arg(emptied_)
                   .arg(razoTyped_));
    }
}

// The wait begins: Send was pressed, nothing changed the texts since, and both windows
// are hidden. The fax must show these texts.
void Monkey::waitBegins()
{
    ++waitsBegun_;
    expect(QApplication::activeModalWidget() == nullptr,
           QStringLiteral("a wait began while a modal box was open"));
    expect(textsAtSend_.has_value(), QStringLiteral("a wait began without Send pressed"));
    if (!textsAtSend_)
        return;
    expect(setupTexts() == *textsAtSend_, QStringLiteral("Send changed the setup window's texts"));
    sent_ = textsAtSend_;
    textsAtSend_.reset();
    timeOfDay_ = rng_.bounded(86'400) + rng_.generateDouble();
    vb::FormWindow *setup = runtime().loaded("FormNew");
    vb::FormWindow *fax = runtime().loaded("Form2");
    expect(setup && !setup->isVisible(), QStringLiteral("the setup window stays during the wait"));
    expect(fax && !fax->isVisible(),
           QStringLiteral("the fax window is not loaded and hidden as the wait begins"));
}

// Send did what its delay called for: a number brought the fax after one wait, anything
// else one message box and the focus back in the delay box.
void Monkey::afterSend()
{
    if (runtime().ended())
        return;
    vb::FormWindow *setup = runtime().loaded("FormNew");
    const int delayBoxes = stats.delayBoxes() - delayBoxesBefore_;
    if (delayBox(setup->text("Text5")) == BoxKinds) {
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

} // namespace monkey
