// What the user sees of the program: its windows and message boxes, the texts the user
// can change and what the incoming fax shows of them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QWidget;
namespace vb {
class FormWindow;
}

namespace monkey {

inline constexpr const char *mainForms[] = {"Form1", "FormNew", "Form2"};
inline constexpr const char *allForms[] = {"Form1", "FormNew", "Form2", "FormAbout"};
// The setup window's boxes and the fax's values that Send fills from them, pairwise.
inline constexpr const char *setupBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
inline constexpr const char *faxValues[] = {"Label2", "Label3", "Label5", "Label8"};

// Typed or pasted into the delay box, it brings a message box of its own.
inline const QString easterEgg = QStringLiteral("Razo Rules");

// The message boxes the program shows; any other one (a run-time error report) is a fault.
// A paste that did not fit in a box is told with the number of characters left out.
enum BoxKind {
    MustBeZeroOrMore,
    EasterEggAnswer,
    DelayNotANumber,
    DelayAboveRange,
    DelayBelowRange,
    TextLeftOut,
    BoxKinds
};
inline const QString boxTexts[BoxKinds] = {
    QStringLiteral("Must be 0 or more"),
    QStringLiteral("Yaaaaa hooooooo, yup, he does!!!"),
    QStringLiteral("Delay must be a number of seconds"),
    QStringLiteral("Delay must be at most 2147483647 seconds"),
    QStringLiteral("Delay must be at least -2147483648 seconds"),
    QStringLiteral(" did not fit")}; // a part of its text

// The box that Send with this delay brings, or BoxKinds for a delay that is waited for.
BoxKind delayBox(const QString &delay);

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

// The form's window if it is loaded and on screen.
vb::FormWindow *visible(const char *name);

// The forms and open menus on screen; message boxes are answered on their own.
QList<QWidget *> visibleWindows();

// A window that closing unloaded: the runtime hid it and let it go, and it waits for the
// event loop to delete it. It no longer counts as an instance of its form.
bool unloaded(const QWidget *widget);

std::optional<SetupTexts> setupTexts();
Observed observe();

// A window as the trail names it.
QString describe(QWidget *window);

} // namespace monkey
