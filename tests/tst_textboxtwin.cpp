// The text boxes against Qt's stock editors, step for step: the same seeded random steps go
// to a Quoriam box and to a stock QLineEdit (Qt's own limit of 32,767) or QPlainTextEdit.
// After each step both hold the same text, cursor, selection, undo and redo. A step whose
// text would take a box past its limit gives the stock editor that text cut to fit at its
// end, in whole characters: the Quoriam box must hold the same, and beep for a typed key,
// or say in one message box, after the step, how many characters it left out. Drops come
// as from another program (the offscreen platform runs no drag of its own). What a screen
// reader reads of a one-line box is the same as of the stock editor.
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
#include <QTextBlock>
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
    int key = 0; // the key; clicks (4: middle); the screen reader's act; 1: a move drop
    Qt::KeyboardModifiers modifiers;
    QString text; // typed, copied, dropped, committed (after 2 of preedit) or written
    double from = 0.5, to = 0.5;
};

QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text.left(60))
        out += c.unicode() >= 0x20 && c.unicode() < 0x7f
                   ? QString(c)
                   : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return text.size() > 60 ? out + QStringLiteral("... (%1)").arg(text.size()) : out;
}

// The whole characters of `text` that fit in `room` units; `leftOut` counts the rest.
QString fitted(const QString &text, qsizetype room, qsizetype &leftOut)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    leftOut = 0;
    for (qsizetype next; (next = finder.toNextBoundary()) > 0;)
        leftOut || next > room ? ++leftOut : kept = next;
    return text.first(kept);
}

// A stock plain-text editor that copies what it holds, as the message box does.
class ExactCopy : public QPlainTextEdit
{
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
        : line(quoriam ? new vb::LineBox({}, &window) : new QLineEdit(&window)),
          message(quoriam ? static_cast<QPlainTextEdit *>(new vb::MultiLineBox({}, &window))
                          : new ExactCopy)
    {
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
    // What a screen reader reads of the one-line box, about the cursor.
    QString reading()
    {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(line);
        QAccessibleTextInterface *text = reader->textInterface();
        const QAccessible::State state = reader->state();
        const int at = std::max(text->cursorPosition() - 1, 0);
        QList<int> span(8);
        text->selection(0, &span[0], &span[1]);
        text->textBeforeOffset(-2, QAccessible::CharBoundary, &span[2], &span[3]);
        text->textAfterOffset(at, QAccessible::SentenceBoundary, &span[4], &span[5]);
        if (at > 0) // (where Qt's own finds the word at all)
            text->textAtOffset(at, QAccessible::WordBoundary, &span[6], &span[7]);
        const QRect place = text->characterRect(at);
        QString out;
        QDebug(&out) << reader->role() << state.editable << state.readOnly << state.selectableText
                     << (reader->text(QAccessible::Value) == line->text()) << text->characterCount()
                     << text->selectionCount() << span << text->text(at, at + 2)
                     << place.translated(-line->mapToGlobal(QPoint()));
        return out;
    }
    // `widths`: also how wide the message box's text is measured, which decides how far it
    // scrolls. (Qt's own editor may go on counting a line that is gone, depending on how
    // it went: the random steps do not compare it.)
    QString state(int which, bool widths)
    {
        const QTextCursor c = message->textCursor();
        const QTextDocument *d = message->document();
        QString out;
        QDebug(&out) << (which == Line ? line->cursorPosition() : c.position())
                     << (which == Line ? line->selectionStart() : c.anchor()) << "undo"
                     << (which == Line ? line->isUndoAvailable() : d->isUndoAvailable()) << "redo"
                     << (which == Line ? line->isRedoAvailable() : d->isRedoAvailable());
        if (which == Message && widths)
            QDebug(&out) << "width" << d->size().width();
        return out + (which == Line ? reading() : QString()) + text(which);
    }
};

void settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

class Twin
{
public:
    explicit Twin(bool widths = false) : widths_(widths)
    {
        watcher_.whileOpen = [this] { toldInDrop_ = toldInDrop_ || dropping_; };
        for (int which : {Line, Message})
            beeps_[which] =
                std::make_unique<QSignalSpy>(quoriam_.box(which), SIGNAL(inputRejected()));
        QApplication::clipboard()->clear();
        // Stock editors that tell what a key types, in a window of their own, so that Tab
        // moves between them as between the boxes.
        scratchMessage_->move(0, 30);
        scratchMessage_->setTabChangesFocus(true);
        scratch_.show();
    }
    Side &stock() { return stock_; }
    QString run(const Step &step);

private:
    void apply(Side &side, const Step &step, Qt::DropAction *dropped);

    Side quoriam_{true}, stock_{false};
    BoxWatcher watcher_;
    std::unique_ptr<QSignalSpy> beeps_[2];
    QWidget scratch_;
    QLineEdit *scratchLine_ = new QLineEdit(&scratch_);
    QPlainTextEdit *scratchMessage_ = new QPlainTextEdit(&scratch_);
    bool widths_, dropping_ = false, toldInDrop_ = false;
};

void Twin::apply(Side &side, const Step &step, Qt::DropAction *dropped)
{
    QWidget *box = side.box(step.box), *surface = side.surface(step.box);
    const int length = int(side.text(step.box).size());
    const int from = int(step.from * length), to = std::max(from, int(step.to * length));
    QMimeData data;
    data.setText(step.text);
    const QPoint at = side.point(step.box, step.from, step.to);
    const auto how = step.key == 1 ? Qt::ShiftModifier : Qt::NoModifier; // a move
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, how);
    QDragEnterEvent enter(at, drop.possibleActions(), &data, Qt::LeftButton, how);
    QDragMoveEvent move(at, drop.possibleActions(), &data, Qt::LeftButton, how);
    QDragLeaveEvent leave;
    QInputMethodEvent preedit(step.text.left(2), {}), commit;
    commit.setCommitString(step.text.mid(2));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
    QMenu *menu = nullptr;
    switch (step.kind) {
    case Key:
        return QTest::sendKeyEvent(QTest::Click, box, Qt::Key(step.key), step.text, step.modifiers);
    case Clip:
        return QApplication::clipboard()->setText(step.text);
    case Menu: {
        // "Insert Unicode control character" shows only where the desktop writes from right
        // to left: here its action is taken as it takes it.
        if (step.text == "LRM")
            return step.box == Line ? side.line->insert(QChar(0x200e))
                                    : side.message->insertPlainText(QChar(0x200e));
        const QPoint corner(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, corner, surface->mapToGlobal(corner));
        QApplication::sendEvent(surface, &event);
        QVERIFY(menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(step.text) && action->isEnabled())
                action->trigger();
        }
        menu->close();
        return;
    }
    case Click:
        QTest::mouseClick(surface, step.key == 4 ? Qt::MiddleButton : Qt::LeftButton,
                          step.modifiers, at);
        for (int more = 1; more < step.key && step.key < 4; ++more)
            QTest::mouseDClick(surface, Qt::LeftButton, {}, at);
        return;
    case Select:
        QTest::mousePress(surface, Qt::LeftButton, {}, side.point(step.box, step.from, 0.2));
        QTest::mouseMove(surface, side.point(step.box, step.to, 0.8));
        return QTest::mouseRelease(surface, Qt::LeftButton, {}, side.point(step.box, step.to, 0.8));
    case Drop: // (a refused one, key -1, leaves)
        QApplication::sendEvent(surface, &enter);
        QApplication::sendEvent(surface, &move);
        dropping_ = true; // (the other program waits while the drop is handled)
        QApplication::sendEvent(surface, step.key < 0 ? static_cast<QEvent *>(&leave) : &drop);
        dropping_ = false;
        *dropped = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
        return;
    case Compose:
        box->setFocus();
        QApplication::sendEvent(box, &preedit);
        QApplication::sendEvent(box, &commit);
        return;
    case Access:
        if (step.key == SetText)
            return reader->setText(QAccessible::Value, step.text);
        if (step.key == Insert)
            return reader->editableTextInterface()->insertText(from, step.text);
        if (step.key == Delete)
            return reader->editableTextInterface()->deleteText(from, to);
        return reader->editableTextInterface()->replaceText(from, to, step.text);
    }
}

// Runs one step on both sides; says what differs, if anything.
QString Twin::run(const Step &step)
{
    // What comes in, and the room for it, as the stock editor is before the step.
    const int which = step.box;
    const QString text = stock_.text(which), clipboard = QApplication::clipboard()->text();
    qsizetype room = capacity - text.size() + stock_.selected(which), leftOut = 0;
    const bool pastes =
        (step.kind == Key &&
         QKeyEvent(QEvent::KeyPress, step.key, step.modifiers).matches(QKeySequence::Paste)) ||
        (step.kind == Menu && step.text == "&Paste");
    // A key types what a stock editor types; Qt's limit refuses a control character from
    // the one-line box's menu as it refuses a key.
    const bool keyTypes = step.kind == Key && !pastes;
    const bool typed = keyTypes || (step.kind == Menu && step.text == "LRM" && which == Line);
    QString incoming = pastes ? clipboard : step.kind == Drop ? step.text : QString();
    if (keyTypes) {
        QKeyEvent press(QEvent::KeyPress, step.key, step.modifiers, step.text);
        scratchLine_->setText({});
        scratchMessage_->clear();
        QApplication::sendEvent(
            which == Line ? static_cast<QWidget *>(scratchLine_) : scratchMessage_, &press);
        incoming = which == Line ? scratchLine_->text() : scratchMessage_->document()->toRawText();
    } else if (step.kind == Drop) {
        room = capacity - text.size(); // (beside the selection)
    } else if (step.kind == Compose) {
        incoming = step.text.mid(2);
    } else if (step.kind == Menu && step.text == "LRM") {
        incoming = QStringLiteral("x");
    } else if (step.kind == Access && step.key != Delete) {
        incoming = step.text;
        const qsizetype from = qsizetype(step.from * text.size());
        const qsizetype to = std::max(from, qsizetype(step.to * text.size()));
        room = step.key == SetText   ? capacity
               : step.key == Replace ? room - stock_.selected(which) + to - from
                                     : room - stock_.selected(which);
    }
    incoming = which == Line ? vb::onOneLine(incoming) : vb::withLineFeeds(incoming);
    const QString fit = fitted(incoming, room, leftOut);
    Step forStock = step;
    if (step.kind == Compose)
        forStock.text = step.text.left(2) + fit;
    else if (step.kind == Drop || step.kind == Access || (keyTypes && !fit.isEmpty()))
        forStock.text = fit;
    // Refused whole: a key, or a drop or a one-line paste of which nothing fits.
    const bool skip =
        leftOut && (typed || (step.kind == Menu && !pastes) ||
                    (fit.isEmpty() && ((pastes && which == Line) || step.kind == Drop)));
    if (skip && step.kind == Drop)
        forStock.key = -1;

    beeps_[which]->clear();
    const size_t boxesBefore = watcher_.boxes.size();
    Qt::DropAction mine = Qt::IgnoreAction, theirs = Qt::IgnoreAction;
    // Each side in turn in the active window, as a user has it: focus follows.
    QApplication::setActiveWindow(&quoriam_.window); // (without the window manager's round trip)
    apply(quoriam_, step, &mine);
    settle(); // (what is told after the step)
    if (pastes)
        QApplication::clipboard()->setText(fit);
    QApplication::setActiveWindow(&stock_.window);
    if (!skip || step.kind == Drop)
        apply(stock_, forStock, &theirs);
    settle();
    if (pastes)
        QApplication::clipboard()->setText(clipboard);
    // A change from outside the message box's own events, cut to fit, ends what there was to
    // redo, and each paragraph is measured again (where Qt's may still count a line that is
    // gone).
    if (QTextDocument *d = stock_.message->document();
        which == Message && leftOut && (step.kind == Access || step.kind == Menu)) {
        d->clearUndoRedoStacks(QTextDocument::RedoStack);
        for (QTextBlock block = d->firstBlock(); block.isValid(); block = block.next())
            d->markContentsDirty(block.position(), block.length());
    }

    QStringList found;
    for (int box : {Line, Message}) {
        const QString a = quoriam_.state(box, widths_), b = stock_.state(box, widths_);
        qsizetype at = 0;
        while (at < a.size() && at < b.size() && a[at] == b[at])
            ++at;
        if (a != b)
            found << QStringLiteral("box %1 apart at %2: \"%3\" / stock \"%4\"")
                         .arg(box)
                         .arg(at)
                         .arg(shown(a.sliced(std::max<qsizetype>(0, at - 8))),
                              shown(b.sliced(std::max<qsizetype>(0, at - 8))));
    }
    if (std::exchange(toldInDrop_, false))
        found << QStringLiteral("a message box opened inside the drop");
    const int beeps = typed && leftOut ? 1 : 0;
    if (beeps_[which]->size() != beeps)
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

// Plain, accented in one and two, a no-break space, U+2028, a tab, emoji (one, with a
// skin tone, a flag), Chinese, Hebrew; and each kind of paragraph break.
const QStringList pieces = QStringLiteral("a|b|x|7| |\u00e9|e\u0301|\u00a0|\u2028|\t|\U0001F600|"
                                          "\U0001F44D\U0001F3FD|\U0001F1E9\U0001F1EA|\u4e2d|\u05e9")
                               .split(u'|');
const QStringList breaks = {"\n", "\r\n", "\r", "\u2029"};

Step key(int which, int key, Qt::KeyboardModifiers modifiers = {}, const QString &text = {})
{
    return {Key, which, key, modifiers, text};
}

class Steps
{
public:
    explicit Steps(quint32 seed) : rng_(seed) {}
    Step next(Side &stock);

private:
    int below(int n) { return int(rng_.bounded(n)); }
    double any() { return rng_.generateDouble(); }
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

Step Steps::next(Side &stock)
{
    const int which = below(2), kind = below(100);
    if (kind < 22) {
        const QString piece = pieces[below(int(pieces.size()))];
        const bool letter = piece.size() == 1 && piece[0] >= u'a' && piece[0] <= u'z';
        return key(which, letter ? Qt::Key_A + piece[0].unicode() - 'a' : Qt::Key_unknown, {},
                   piece);
    }
    if (kind < 40) { // keys that edit and move, with Shift, Ctrl and Ctrl+Alt (AltGr)
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
        const bool letter = code >= Qt::Key_A && code <= Qt::Key_Z;
        return key(which, code, chosen,
                   letter && !(chosen & Qt::ControlModifier) ? QString(QChar(code + 32))
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
        return {Click, which, 1 + below(4), below(4) ? Qt::NoModifier : Qt::ShiftModifier,
                {},    any(), any()};
    if (kind < 72)
        return {Select, which, 0, {}, {}, any(), any()};
    if (kind < 80)
        return {Drop, which, below(2), {}, someText(stock, which), any(), any()};
    if (kind < 88)
        return {Compose, which, 0, {}, "\u3042\u3044" + someText(stock, which)};
    const double from = any();
    return {Access, which, below(4), {}, someText(stock, which), from, from + any() * (1 - from)};
}

// Runs `steps` on a fresh twin: the index of the first that fails, and why.
std::pair<qsizetype, QString> replay(const std::vector<Step> &steps, bool widths = false)
{
    Twin twin(widths);
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

int setting(const char *name, int otherwise)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : otherwise;
}

Step clip(const QString &text)
{
    return {Clip, Line, 0, {}, text};
}

Step paste(int which)
{
    return key(which, Qt::Key_V, Qt::ControlModifier, "\x16");
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
        // The first box of all takes a screen reader's text through the box too.
        vb::LineBox first(QStringLiteral("a"), nullptr);
        QAccessible::queryAccessibleInterface(&first)->editableTextInterface()->insertText(1,
                                                                                           "\nb");
        QCOMPARE(first.text(), QStringLiteral("a b"));
    }
    void sameAsStock_data();
    void sameAsStock();
    void knownCases_data();
    void knownCases();
};

void TstTextBoxTwin::sameAsStock_data()
{
    QTest::addColumn<quint32>("seed");
    if (setting("QUORIAM_TWIN_SEEDS", 1) == 0)
        QSKIP("no random steps asked for (QUORIAM_TWIN_SEEDS=0)");
    const int one = setting("QUORIAM_TWIN_SEED", 0);
    for (int seed = one ? one : 1; seed <= (one ? one : setting("QUORIAM_TWIN_SEEDS", 12)); ++seed)
        QTest::addRow("seed %d", seed) << quint32(seed);
}

void TstTextBoxTwin::sameAsStock()
{
    QFETCH(quint32, seed);
    const int steps = setting("QUORIAM_TWIN_STEPS", 250);
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
    QString report = QStringLiteral("seed %1 fails after %2 steps; the shortest that fail:")
                         .arg(seed)
                         .arg(taken.size());
    for (const Step &step : fewest)
        QDebug(&report) << "\n " << step.kind << step.box << Qt::hex << step.key << Qt::dec
                        << step.modifiers << step.from << step.to << shown(step.text);
    QFAIL(qPrintable(report + "\n  => " + replay(fewest).second));
}

// The faults of the boxes before they left what comes in to where it comes in.
void TstTextBoxTwin::knownCases_data()
{
    QTest::addColumn<std::vector<Step>>("steps");
    const QString full(capacity, u'a');
    QTest::newRow("a paste that begins like the text after the cursor")
        << std::vector{clip("Smith"), paste(Line), key(Line, Qt::Key_Home),
                       clip("S" + QString(capacity, u'x')), paste(Line)};
    QTest::newRow("a paste over all that ends like it")
        << std::vector{clip("Hello"), paste(Line), key(Line, Qt::Key_A, Qt::ControlModifier),
                       clip(QString(capacity, u'y') + "Hello"), paste(Line)};
    QTest::newRow("a key refused at the limit keeps redo")
        << std::vector{clip(full),
                       paste(Line),
                       key(Line, Qt::Key_Left, Qt::ShiftModifier),
                       key(Line, Qt::Key_B, {}, "b"),
                       key(Line, Qt::Key_Z, Qt::ControlModifier),
                       key(Line, Qt::Key_End),
                       key(Line, Qt::Key_C, {}, "c")};
    QTest::newRow("a screen reader's text in a full message box")
        << std::vector{clip(full), paste(Message), Step{Access, Message, Insert, {}, "zzz"}};
    QTest::newRow("Ctrl+Alt+Tab in a full message box")
        << std::vector{clip(full), paste(Message),
                       key(Message, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, "\t")};
    QTest::newRow("emoji left out, counted as seen")
        << std::vector{clip(full.first(capacity - 1)), paste(Message),
                       clip(QString("\U0001F600").repeated(3)), paste(Message)};
    QTest::newRow("a move into a box that takes part of it") << std::vector{
        clip(full.first(capacity - 2)), paste(Line), Step{Drop, Line, 1, {}, "0123456789"}};
    QTest::newRow("a screen reader's text right after typing, then undo") << std::vector{
        clip(full.first(capacity - 3)), paste(Message), key(Message, Qt::Key_B, {}, "b"),
        Step{Access, Message, Insert, {}, "zzzz", 1}, key(Message, Qt::Key_Z, Qt::ControlModifier)};
    QTest::newRow("a screen reader's text at the start of a nearly full one-line box")
        << std::vector{clip(full.first(capacity - 3)), paste(Line),
                       Step{Access, Line, Insert, {}, "zz\nzz", 0}};
    QTest::newRow("a screen reader's lines cut in a message box, as wide as what it holds")
        << std::vector{clip("ab\n\ncd"), paste(Message),
                       Step{Access, Message, Insert, {}, QString(capacity - 7, u'w') + " x\ny", 1}};
    QTest::newRow("a control character from the menu of a full message box")
        << std::vector{clip(full), paste(Message), Step{Menu, Message, 0, {}, "LRM"}};
}

void TstTextBoxTwin::knownCases()
{
    QFETCH(std::vector<Step>, steps);
    const auto [failedAt, why] = replay(steps, true);
    QVERIFY2(failedAt < 0, qPrintable(QStringLiteral("step %1: %2").arg(failedAt + 1).arg(why)));
}

QTEST_MAIN(TstTextBoxTwin)
#include "tst_textboxtwin.moc"
