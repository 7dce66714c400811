// The text boxes against Qt's stock editors, step for step: the same seeded random steps go
// to a Quoriam box and to a stock QLineEdit (Qt's own limit of 32,767) or QPlainTextEdit.
// After each step both hold the same text, cursor, selection, undo and redo. A step whose
// text would take a box past its limit gives the stock editor that text cut to fit at its
// end, after whole characters: the Quoriam box must hold the same, and beep for a typed
// key or say in one message box how many characters it left out.
//
// A failure prints its seed and the shortest steps that still fail. QUORIAM_TWIN_STEPS sets
// the steps per seed, QUORIAM_TWIN_SEEDS the seeds, QUORIAM_TWIN_SEED=<n> runs one seed.
#include "TestSupport.h"

#include "platform/LineBreaks.h"
#include "platform/TextBoxes.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTextBoundaryFinder>
#include <QTextDocumentFragment>

using namespace test;

namespace {

constexpr qsizetype capacity = vb::TextBox::capacity;
enum Box { Line, Message };
enum Kind { Key, Clip, Menu, Click, Select, Drop, Compose, Access };
enum Act { SetText, Insert, Delete, Replace };

// One step; points and offsets are fractions, so that a step still means something when
// earlier steps are left out.
struct Step
{
    Kind kind = Key;
    int box = Line;
    int key = 0; // the key; clicks; the screen reader's act; 1 for a move drop
    Qt::KeyboardModifiers modifiers;
    QString text; // typed, copied, dropped, committed or written; a menu's entry
    double from = 0.5, to = 0.5;
    QString describe() const
    {
        QString out;
        QDebug(&out) << kind << box << Qt::hex << key << Qt::dec << modifiers << from << to
                     << (text.size() > 24 ? text.left(24) + "... " + QString::number(text.size())
                                          : text);
        return out;
    }
};

// Where a text breaks into characters as the user sees them.
QList<qsizetype> boundaries(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    QList<qsizetype> at;
    for (qsizetype next; (next = finder.toNextBoundary()) > 0;)
        at.append(next);
    return at;
}

// The whole characters of `text` that fit in `room` units; `leftOut` counts the rest.
QString fitted(const QString &text, qsizetype room, qsizetype &leftOut)
{
    const QList<qsizetype> ends = boundaries(text);
    const auto kept = std::upper_bound(ends.begin(), ends.end(), room) - ends.begin();
    leftOut = ends.size() - kept;
    return text.first(kept ? ends[kept - 1] : 0);
}

// A stock plain-text editor that copies what it holds, as the message box does.
class ExactCopy : public QPlainTextEdit
{
protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        auto *data = new QMimeData;
        data->setText(vb::withLineFeeds(textCursor().selection().toRawText()));
        return data;
    }
};

struct Side
{
    QWidget window;
    QLineEdit *line;
    QPlainTextEdit *message;
    explicit Side(bool quoriam)
    {
        line = quoriam ? new vb::LineBox({}, &window) : new QLineEdit(&window);
        message = quoriam ? static_cast<QPlainTextEdit *>(new vb::MultiLineBox({}, &window))
                          : new ExactCopy;
        message->setParent(&window);
        message->setLineWrapMode(QPlainTextEdit::NoWrap);
        message->setTabChangesFocus(true);
        line->setGeometry(10, 10, 340, 28);
        message->setGeometry(10, 50, 340, 200);
        window.resize(360, 260);
        window.show();
    }
    QWidget *box(int which) { return which == Line ? static_cast<QWidget *>(line) : message; }
    QWidget *surface(int which) { return which == Line ? box(which) : message->viewport(); }
    QPoint point(int which, double x, double y)
    {
        const QSize size = surface(which)->size();
        return QPoint(int(x * (size.width() - 1)), int(y * (size.height() - 1)));
    }
    QString text(int which)
    {
        return which == Line ? line->text() : message->document()->toRawText();
    }
    qsizetype selected(int which)
    {
        const QTextCursor c = message->textCursor();
        return which == Line ? line->selectionLength() : c.selectionEnd() - c.selectionStart();
    }
    QString state(int which)
    {
        const QTextCursor c = message->textCursor();
        const QTextDocument *d = message->document();
        QString out;
        QDebug(&out) << "cursor" << (which == Line ? line->cursorPosition() : c.position())
                     << "anchor" << (which == Line ? line->selectionStart() : c.anchor()) << "undo"
                     << (which == Line ? line->isUndoAvailable() : d->isUndoAvailable()) << "redo"
                     << (which == Line ? line->isRedoAvailable() : d->isRedoAvailable());
        return text(which) + out;
    }
};

void settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

void chooseFromMenu(QWidget *surface, const QString &label)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            surface->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(surface, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction *action : menu->findChildren<QAction *>()) {
        if (action->text().startsWith(label) && action->isEnabled()) {
            action->trigger();
            break;
        }
    }
    menu->close();
}

class Twin
{
public:
    Twin()
    {
        watcher_.whileOpen = [this] { toldInDrop_ = toldInDrop_ || dropping_; };
        for (int which : {Line, Message})
            beeps_[which] =
                std::make_unique<QSignalSpy>(quoriam_.box(which), SIGNAL(inputRejected()));
        QApplication::clipboard()->clear();
        // In a window of their own, so that Tab moves between them as between the boxes.
        scratchLine_->setGeometry(0, 0, 100, 20);
        scratchMessage_->setGeometry(0, 30, 100, 60);
        scratchMessage_->setTabChangesFocus(true);
        scratch_.show();
    }
    Side &stock() { return stock_; }
    QString run(const Step &step);

private:
    // What a key types, as a stock editor of the box's kind decides.
    QString typedBy(const Step &step)
    {
        QKeyEvent press(QEvent::KeyPress, step.key, step.modifiers, step.text);
        scratchLine_->setText({});
        scratchMessage_->clear();
        QWidget *scratch =
            step.box == Line ? static_cast<QWidget *>(scratchLine_) : scratchMessage_;
        QApplication::sendEvent(scratch, &press);
        return step.box == Line ? scratchLine_->text() : scratchMessage_->document()->toRawText();
    }
    void apply(Side &side, const Step &step, Qt::DropAction *dropped = nullptr);

    Side quoriam_{true}, stock_{false};
    BoxWatcher watcher_;
    std::unique_ptr<QSignalSpy> beeps_[2];
    QWidget scratch_;
    QLineEdit *scratchLine_ = new QLineEdit(&scratch_);
    QPlainTextEdit *scratchMessage_ = new QPlainTextEdit(&scratch_);
    bool dropping_ = false, toldInDrop_ = false;
};

void Twin::apply(Side &side, const Step &step, Qt::DropAction *dropped)
{
    QWidget *box = side.box(step.box), *surface = side.surface(step.box);
    const QString text = side.text(step.box);
    switch (step.kind) {
    case Key:
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key(step.key), step.text, step.modifiers);
        break;
    case Clip:
        QApplication::clipboard()->setText(step.text);
        break;
    case Menu:
        // The entry "Insert Unicode control character" shows only where the desktop offers
        // right-to-left writing: here its action is taken as it takes it.
        if (step.text == "LRM" && step.box == Line)
            side.line->insert(QString(QChar(0x200e)));
        else if (step.text == "LRM")
            side.message->insertPlainText(QString(QChar(0x200e)));
        else
            chooseFromMenu(surface, step.text);
        break;
    case Click: {
        const QPoint at = side.point(step.box, step.from, step.to);
        const Qt::MouseButton button = step.key == 4 ? Qt::MiddleButton : Qt::LeftButton;
        QTest::mouseClick(surface, button, step.modifiers, at);
        for (int more = 1; more < step.key && step.key < 4; ++more)
            QTest::mouseDClick(surface, button, {}, at);
        break;
    }
    case Select:
        QTest::mousePress(surface, Qt::LeftButton, {}, side.point(step.box, step.from, 0.2));
        QTest::mouseMove(surface, side.point(step.box, step.to, 0.8));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, side.point(step.box, step.to, 0.8));
        break;
    case Drop: { // from another program: a move with Shift held; refused, it leaves
        QMimeData data;
        data.setText(step.text);
        const QPoint at = side.point(step.box, step.from, step.to);
        const auto how = step.key == 1 ? Qt::ShiftModifier : Qt::NoModifier;
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, how);
        QApplication::sendEvent(surface, &enter);
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, how);
        QApplication::sendEvent(surface, &move);
        QDragLeaveEvent leave;
        QDropEvent drop(at, actions, &data, Qt::LeftButton, how);
        dropping_ = true; // (the other program waits while the drop is handled)
        QApplication::sendEvent(surface, step.key < 0 ? static_cast<QEvent *>(&leave) : &drop);
        dropping_ = false;
        if (dropped)
            *dropped = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
        break;
    }
    case Compose: {
        box->setFocus();
        QInputMethodEvent preedit(step.text.left(2), {});
        QApplication::sendEvent(box, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(step.text.mid(2));
        QApplication::sendEvent(box, &commit);
        break;
    }
    case Access: {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
        const int from = int(step.from * text.size()), to = int(step.to * text.size());
        if (step.key == SetText)
            reader->setText(QAccessible::Value, step.text);
        else if (step.key == Insert)
            reader->editableTextInterface()->insertText(from, step.text);
        else if (step.key == Delete)
            reader->editableTextInterface()->deleteText(from, std::max(from, to));
        else
            reader->editableTextInterface()->replaceText(from, std::max(from, to), step.text);
        break;
    }
    }
}

// Runs one step on both sides; says what differs, if anything.
QString Twin::run(const Step &step)
{
    // What comes in, and the room for it, as the stock editor is before the step.
    const int which = step.box;
    const QString text = stock_.text(which);
    qsizetype room = capacity - text.size() + stock_.selected(which), leftOut = 0;
    QString incoming;
    Step forStock = step;
    bool skip = false, typed = false;
    const bool pastes =
        (step.kind == Key &&
         QKeyEvent(QEvent::KeyPress, step.key, step.modifiers).matches(QKeySequence::Paste)) ||
        (step.kind == Menu && step.text == "&Paste");
    const QString clipboard = QApplication::clipboard()->text();
    if (pastes) {
        incoming = clipboard;
    } else if (step.kind == Key) {
        incoming = typedBy(step);
        typed = true;
    } else if (step.kind == Drop) {
        incoming = step.text;
        room = capacity - text.size();
    } else if (step.kind == Compose) {
        incoming = step.text.mid(2);
    } else if (step.kind == Menu && step.text.startsWith("LR")) {
        incoming = QStringLiteral("x"); // a control character
    } else if (step.kind == Access && step.key != Delete) {
        incoming = step.text;
        const int from = int(step.from * text.size()), to = int(step.to * text.size());
        room = step.key == SetText
                   ? capacity
                   : capacity - text.size() + std::max(0, to - from) * (step.key == Replace);
        if (which == Line) // Qt's own limit cuts a screen reader's text in a one-line box
            room = capacity;
    }
    incoming = which == Line ? vb::onOneLine(incoming) : vb::withLineFeeds(incoming);
    const QString fit = fitted(incoming, room, leftOut);
    forStock.text = step.kind == Compose ? step.text.left(2) + fit
                    : step.kind == Drop || step.kind == Access || (typed && !fit.isEmpty())
                        ? fit
                        : step.text;
    // Refused whole: a key, or a paste or drop of which nothing fits.
    skip = leftOut && (typed || (step.kind == Menu && !pastes) ||
                       (fit.isEmpty() && (pastes || step.kind == Drop)));
    const bool lineRefuses = which == Line && step.kind == Menu && step.text == "LRM";
    if (step.kind == Access && which == Line) {
        leftOut = 0;
        forStock = step;
        forStock.text = vb::onOneLine(step.text);
    }
    typed = typed || lineRefuses; // Qt's own limit refuses a control character from the menu
    beeps_[which]->clear();
    const size_t boxesBefore = watcher_.boxes.size();
    Qt::DropAction mine = Qt::IgnoreAction, theirs = Qt::IgnoreAction;
    // Each side in turn in the active window, as a user has it: focus follows.
    quoriam_.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&quoriam_.window))
        return QStringLiteral("the window did not become active");
    apply(quoriam_, step, &mine);
    settle();
    QStringList found;
    if (pastes)
        QApplication::clipboard()->setText(fit);
    stock_.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&stock_.window))
        return QStringLiteral("the stock window did not become active");
    if (skip && step.kind == Drop)
        forStock.key = -1;
    if (!skip || step.kind == Drop)
        apply(stock_, forStock, &theirs);
    settle();
    // A change from outside the message box's own events ends what there was to redo.
    if (which == Message && leftOut && (step.kind == Access || step.kind == Menu))
        stock_.message->document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    // Qt's limit may cut a screen reader's text between the halves of a character, where
    // the box leaves out the half.
    if (step.kind == Access && which == Line && !stock_.line->text().isEmpty() &&
        stock_.line->text().back().isHighSurrogate())
        stock_.line->setText(stock_.line->text().chopped(1));
    if (pastes)
        QApplication::clipboard()->setText(clipboard);
    for (int box : {Line, Message}) {
        const QString a = quoriam_.state(box), b = stock_.state(box);
        if (a != b) {
            qsizetype at = 0;
            while (at < a.size() && at < b.size() && a[at] == b[at])
                ++at;
            const auto shown = [at](const QString &text) {
                QString out;
                for (const QChar c : text.mid(std::max<qsizetype>(0, at - 8), 60))
                    out += c.unicode() >= 0x20 && c.unicode() < 0x7f
                               ? QString(c)
                               : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                return out;
            };
            found << QStringLiteral("box %1 apart at %2: \"%3\" / stock \"%4\"")
                         .arg(box)
                         .arg(at)
                         .arg(shown(a), shown(b));
        }
    }
    if (std::exchange(toldInDrop_, false))
        found << QStringLiteral("a message box opened inside the drop");
    const int beeps = typed && leftOut ? 1 : 0;
    if (beeps_[which]->isValid() && beeps_[which]->size() != beeps)
        found << QStringLiteral("%1 beeps, %2 expected").arg(beeps_[which]->size()).arg(beeps);
    if (step.kind == Drop && (leftOut ? mine == Qt::MoveAction : mine != theirs))
        found << QStringLiteral("the drop reports action %1").arg(mine);
    const qsizetype told = typed ? 0 : leftOut;
    const QString count = QLocale().toString(told) + (told == 1 ? " character " : " characters ");
    const auto seen = watcher_.boxes.size() - boxesBefore;
    if (seen != (told ? 1u : 0u))
        found << QStringLiteral("%1 message boxes, %2 expected").arg(seen).arg(told ? 1 : 0);
    else if (told && !watcher_.boxes.back().text.startsWith(count))
        found << "the box says \"" + watcher_.boxes.back().text + "\", not " + count;
    return found.join("; ");
}

// ---------------------------------------------------------------------------------------
// Random steps

// Plain, accented in one and two, a no-break space, U+2028, a tab, emoji (one, with a
// skin tone, a flag), Chinese, Hebrew; and each kind of paragraph break.
const QStringList pieces = QStringLiteral("a|b|x|7| |\u00e9|e\u0301|\u00a0|\u2028|\t|\U0001F600|"
                                          "\U0001F44D\U0001F3FD|\U0001F1E9\U0001F1EA|\u4e2d|\u05e9")
                               .split(u'|');
const QStringList breaks = {"\n", "\r\n", "\r", "\u2029"};

class Steps
{
public:
    explicit Steps(quint32 seed) : rng_(seed) {}
    Step next(Side &stock);

private:
    int below(int n) { return int(rng_.bounded(n)); }
    QString text(int count)
    {
        QString out;
        for (int i = 0; i < count; ++i)
            out += below(6) == 0 ? breaks[below(4)] : pieces[below(int(pieces.size()))];
        return out;
    }
    // A few characters, or about as many as still fit, cut among pieces of every kind. It
    // may begin with the text after the cursor and end with the box's text.
    QString someText(Side &stock, int which)
    {
        if (below(4) != 0)
            return text(1 + below(6));
        const QString now = stock.text(which);
        const qsizetype room = capacity - now.size() + stock.selected(which);
        QString out = below(3) ? QString() : now.mid(below(int(now.size()) + 1), 1 + below(3));
        out += QString(std::max<qsizetype>(0, room - 20 + below(30)), u'w') + text(1 + below(8));
        return below(3) ? out : out + now.right(1 + below(8));
    }
    QRandomGenerator rng_;
};

Step key(int which, int key, Qt::KeyboardModifiers modifiers = {}, const QString &text = {})
{
    return {Key, which, key, modifiers, text};
}

Step Steps::next(Side &stock)
{
    const int which = below(2), kind = below(100);
    if (kind < 22) {
        const QString piece = pieces[below(int(pieces.size()))];
        const bool letter = piece.size() == 1 && piece[0].isLetter() && piece[0].unicode() < 128;
        return key(which, letter ? Qt::Key_A + piece[0].unicode() - 'a' : Qt::Key_unknown, {},
                   piece);
    }
    if (kind < 40) {
        static const std::pair<int, const char *> keys[] = {
            {Qt::Key_Return, "\r"},   {Qt::Key_Tab, "\t"}, {Qt::Key_Backspace, "\b"},
            {Qt::Key_Delete, "\x7f"}, {Qt::Key_Left, ""},  {Qt::Key_Right, ""},
            {Qt::Key_Home, ""},       {Qt::Key_End, ""},   {Qt::Key_Up, ""},
            {Qt::Key_Z, "\x1a"},      {Qt::Key_Y, "\x19"}, {Qt::Key_A, "\x01"},
            {Qt::Key_C, "\x03"},      {Qt::Key_X, "\x18"}, {Qt::Key_V, "\x16"},
            {Qt::Key_Insert, ""}};
        const auto [code, sent] = keys[below(int(std::size(keys)))];
        const Qt::KeyboardModifiers modifiers[] = {{},
                                                   Qt::ShiftModifier,
                                                   Qt::ControlModifier,
                                                   Qt::ControlModifier | Qt::ShiftModifier,
                                                   Qt::ControlModifier | Qt::AltModifier};
        auto chosen = modifiers[below(5)];
        if (code == Qt::Key_Insert && chosen == (Qt::ControlModifier | Qt::ShiftModifier))
            chosen = Qt::ShiftModifier; // (X11 pastes the selection by it, which is empty here)
        const bool control = chosen.testFlag(Qt::ControlModifier);
        return key(which, code, chosen,
                   code >= Qt::Key_A && code <= Qt::Key_Z && !control
                       ? QString(QChar(u'a' + code - Qt::Key_A))
                       : QString::fromLatin1(sent));
    }
    if (kind < 48)
        return {Clip, which, 0, {}, someText(stock, which)};
    if (kind < 56) {
        static const char *const entries[] = {"&Paste", "&Paste", "&Undo",      "&Redo", "Cu&t",
                                              "&Copy",  "Delete", "Select All", "LRM"};
        return {Menu, which, 0, {}, QString::fromLatin1(entries[below(9)])};
    }
    if (kind < 66)
        return {Click,
                which,
                1 + below(4),
                below(4) ? Qt::NoModifier : Qt::ShiftModifier,
                {},
                rng_.generateDouble(),
                rng_.generateDouble()};
    if (kind < 72)
        return {Select, which, 0, {}, {}, rng_.generateDouble(), rng_.generateDouble()};
    if (kind < 80)
        return {Drop,
                which,
                below(2),
                {},
                someText(stock, which),
                rng_.generateDouble(),
                rng_.generateDouble()};
    if (kind < 88)
        return {Compose, which, 0, {}, "\u3042\u3044" + someText(stock, which)};
    const double from = rng_.generateDouble();
    QString written = someText(stock, which);
    if (which == Line) // (a CR LF made one space would change where Qt's limit cuts)
        written.replace("\r\n", "\n");
    return {Access, which, below(4), {}, written, from, from + rng_.generateDouble() * (1 - from)};
}

std::pair<qsizetype, QString> replay(const std::vector<Step> &steps)
{
    Twin twin;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (const QString found = twin.run(steps[i]); !found.isEmpty())
            return {qsizetype(i), found};
    }
    return {-1, {}};
}

// Leaves out steps while the rest still fails: halves, then smaller parts, down to single
// steps, within a bounded number of replayed steps.
std::vector<Step> shortest(std::vector<Step> steps)
{
    qsizetype budget = 2'000;
    for (size_t chunk = steps.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (size_t from = 0; from < steps.size() && steps.size() > 1 && budget > 0;) {
            std::vector<Step> fewer(steps.begin(), steps.begin() + qsizetype(from));
            fewer.insert(fewer.end(),
                         steps.begin() + qsizetype(std::min(from + chunk, steps.size())),
                         steps.end());
            budget -= qsizetype(fewer.size());
            if (const auto [failedAt, why] = replay(fewer); failedAt >= 0)
                steps.assign(fewer.begin(), fewer.begin() + failedAt + 1);
            else
                from += chunk;
        }
    }
    return steps;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class TstTextBoxTwin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No time decides what a click is.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(60'000);
        QGuiApplication::styleHints()->setStartDragTime(60'000);
        QAccessible::setActive(true);
    }
    void sameAsStock_data();
    void sameAsStock();
    void knownCases_data();
    void knownCases();
};

void TstTextBoxTwin::sameAsStock_data()
{
    QTest::addColumn<quint32>("seed");
    const int seeds = qEnvironmentVariableIsSet("QUORIAM_TWIN_SEEDS")
                          ? qEnvironmentVariableIntValue("QUORIAM_TWIN_SEEDS")
                          : 12;
    if (qEnvironmentVariableIsSet("QUORIAM_TWIN_SEED"))
        QTest::newRow("seed") << quint32(qEnvironmentVariableIntValue("QUORIAM_TWIN_SEED"));
    else
        for (int i = 1; i <= seeds; ++i)
            QTest::addRow("seed %d", i) << quint32(i);
}

void TstTextBoxTwin::sameAsStock()
{
    QFETCH(quint32, seed);
    const int steps = qEnvironmentVariableIsSet("QUORIAM_TWIN_STEPS")
                          ? qEnvironmentVariableIntValue("QUORIAM_TWIN_STEPS")
                          : 250;
    Steps random(seed);
    std::vector<Step> taken;
    {
        Twin twin;
        for (int i = 0; i < steps; ++i) {
            taken.push_back(random.next(twin.stock()));
            if (!twin.run(taken.back()).isEmpty())
                break;
        }
    }
    if (taken.size() == size_t(steps) && replay(taken).first < 0)
        return;
    const std::vector<Step> fewest = shortest(taken);
    QString report = QStringLiteral("seed %1 fails after %2 steps; the shortest that fail (%3):")
                         .arg(seed)
                         .arg(taken.size())
                         .arg(fewest.size());
    for (const Step &step : fewest)
        report += "\n  " + step.describe();
    QFAIL(qPrintable(report + "\n  => " + replay(fewest).second));
}

// The cases that once changed what the user typed, a few steps each.
void TstTextBoxTwin::knownCases_data()
{
    QTest::addColumn<std::vector<Step>>("steps");
    const QString full(capacity, u'a');
    const Step paste = key(Line, Qt::Key_V, Qt::ControlModifier, "\x16");
    Step pasteMessage = paste;
    pasteMessage.box = Message;
    QTest::newRow("a paste that begins like the text after the cursor")
        << std::vector<Step>{{Clip, Line, 0, {}, "Smith"},
                             paste,
                             key(Line, Qt::Key_Home),
                             {Clip, Line, 0, {}, "S" + QString(capacity, u'x')},
                             paste};
    QTest::newRow("a paste over all that ends like it")
        << std::vector<Step>{{Clip, Line, 0, {}, "Hello"},
                             paste,
                             key(Line, Qt::Key_A, Qt::ControlModifier, "\x01"),
                             {Clip, Line, 0, {}, QString(capacity, u'y') + "Hello"},
                             paste};
    QTest::newRow("a key refused at the limit keeps redo")
        << std::vector<Step>{{Clip, Line, 0, {}, full},
                             paste,
                             key(Line, Qt::Key_Left, Qt::ShiftModifier),
                             key(Line, Qt::Key_B, {}, "b"),
                             key(Line, Qt::Key_Z, Qt::ControlModifier, "\x1a"),
                             key(Line, Qt::Key_End),
                             key(Line, Qt::Key_C, {}, "c")};
    QTest::newRow("a screen reader's text in a full message box") << std::vector<Step>{
        {Clip, Line, 0, {}, full}, pasteMessage, {Access, Message, Insert, {}, QString(100, u'z')}};
    QTest::newRow("Ctrl+Alt+Tab in a full message box") << std::vector<Step>{
        {Clip, Line, 0, {}, full},
        pasteMessage,
        key(Message, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, "\t")};
    QTest::newRow("emoji left out, counted as seen")
        << std::vector<Step>{{Clip, Line, 0, {}, full.first(capacity - 1)},
                             pasteMessage,
                             {Clip, Line, 0, {}, QString("\U0001F600").repeated(3)},
                             pasteMessage};
    QTest::newRow("a move into a box that takes part of it") << std::vector<Step>{
        {Clip, Line, 0, {}, full.first(capacity - 2)}, paste, {Drop, Line, 1, {}, "0123456789"}};
    QTest::newRow("a control character from the menu of a full message box") << std::vector<Step>{
        {Clip, Line, 0, {}, full}, pasteMessage, {Menu, Message, 0, {}, "LRM"}};
}

void TstTextBoxTwin::knownCases()
{
    QFETCH(std::vector<Step>, steps);
    const auto [failedAt, why] = replay(steps);
    QVERIFY2(failedAt < 0, qPrintable(QStringLiteral("step %1: %2").arg(failedAt + 1).arg(why)));
}

QTEST_MAIN(TstTextBoxTwin)
#include "tst_textboxtwin.moc"
