// The text boxes' limit on every way text comes in, each where Qt knows what comes in and
// what it replaces: keys, pastes, drops, input methods, a screen reader's edits in a
// one-line box; and, for the message box, one check on every change of its document,
// which also holds what screen readers write.
// What does not fit is left out in whole characters and told once the edit (and any
// drag) is over.
#include "platform/TextBoxes.h"

#include "platform/LineBoxAccessible.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocumentFragment>

#include <algorithm>

namespace vb {

namespace {

// Cuts `text` to the whole characters that fit in `room` UTF-16 units. Returns how many
// characters were left out.
qsizetype cutToFit(QString &text, qsizetype room)
{
    if (text.size() <= room)
        return 0;
    // Characters as the user sees them: a letter with its accents, an emoji with its skin
    // tone, a flag.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(std::max<qsizetype>(room, 0));
    const qsizetype kept = std::max<qsizetype>(
        finder.isAtBoundary() ? finder.position() : finder.toPreviousBoundary(), 0);
    finder.setPosition(kept);
    qsizetype leftOut = 0;
    while (finder.toNextBoundary() > 0)
        ++leftOut;
    text.truncate(kept);
    return leftOut;
}

void tellLeftOut(QWidget *box, qsizetype leftOut)
{
    const QString count = QLocale().toString(leftOut);
    const QString capacity = QLocale().toString(TextBox::capacity);
    const QString prompt =
        leftOut == 1
            ? QCoreApplication::translate("TextBoxes",
                                          "1 character did not fit and was left out: a box holds "
                                          "at most %1 characters.")
                  .arg(capacity)
            : QCoreApplication::translate("TextBoxes",
                                          "%1 characters did not fit and were left out: a box "
                                          "holds at most %2 characters.")
                  .arg(count, capacity);
    showMessageBox(prompt, vbSystemModal + vbExclamation + vbOKOnly, QStringLiteral("Quoriam"),
                   box->window());
}

// Tells the user that `leftOut` characters did not fit in `box`, once the event at hand
// is over and, for a drop, the drag too: a message box run from a drop would hold up the
// drag's source (Qt's drag loop, or another program) until the user closed it.
void tellLater(QWidget *box, qsizetype leftOut, QObject *dragSource = nullptr)
{
    if (leftOut <= 0)
        return;
    // A drag from this program runs while its QDrag lives.
    const QList<QDrag *> drags = dragSource
                                     ? dragSource->findChildren<QDrag *>(Qt::FindDirectChildrenOnly)
                                     : QList<QDrag *>();
    if (drags.isEmpty()) {
        QMetaObject::invokeMethod(
            box, [box, leftOut] { tellLeftOut(box, leftOut); }, Qt::QueuedConnection);
        return;
    }
    QObject::connect(
        drags.last(), &QObject::destroyed, box,
        [box, leftOut, source = QPointer<QObject>(dragSource)] { tellLater(box, leftOut, source); },
        Qt::QueuedConnection);
}

// Refuses a drop of which nothing fits in `room`, and says so.
bool refusedWhole(QWidget *box, QDropEvent *event, QString text, qsizetype room)
{
    const qsizetype leftOut = cutToFit(text, room);
    if (!leftOut || !text.isEmpty())
        return false;
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
    tellLater(box, leftOut, event->source());
    return true;
}

// A copy of `event` that types `text` instead.
std::unique_ptr<QKeyEvent> typing(const QKeyEvent *event, const QString &text)
{
    return std::make_unique<QKeyEvent>(event->type(), event->key(), event->modifiers(),
                                       event->nativeScanCode(), event->nativeVirtualKey(),
                                       event->nativeModifiers(), text, event->isAutoRepeat(),
                                       event->count(), event->device());
}

// What `editor`, a stock editor that no one sees, puts in for `event` when empty: that is
// Qt's decision (Ctrl+Alt types on some keyboards, Ctrl does not; X11's Ctrl+Shift+Insert
// and middle button paste the selection), which the boxes ask of Qt rather than copy.
template <typename Editor, typename Event> QString putInBy(Editor &editor, Event *event)
{
    editor.setPlainText(QString());
    const std::unique_ptr<Event> copy(event->clone());
    QCoreApplication::sendEvent(&editor, copy.get());
    return editor.document()->toRawText();
}

template <typename Event> QString putInBy(QLineEdit &editor, Event *event)
{
    editor.setText(QString()); // (a line edit's clear() can be undone)
    const std::unique_ptr<Event> copy(event->clone());
    QCoreApplication::sendEvent(&editor, copy.get());
    return editor.text();
}

// Whether a paste goes in as it is.
bool fitsInOneLine(const QString &text, qsizetype room)
{
    return text.size() <= room && std::none_of(text.cbegin(), text.cend(), isLineBreak);
}

// How much of the text an input method's event replaces besides the selection, which
// goes too when the event brings text.
qsizetype replacedBy(const QInputMethodEvent *event, qsizetype cursor, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(cursor + event->replacementStart(), 0);
    return std::clamp<qsizetype>(length - from, 0, event->replacementLength());
}

} // namespace

// ---------------------------------------------------------------------------------------
// One line

// (Screen readers' interface for the box is installed before Qt's line edit first tells
// them of a change, which would make them Qt's own for good.)
LineBox::LineBox(const QString &text, QWidget *parent)
    : QLineEdit((LineBoxAccessible::install(), parent))
{
    // Qt's own limit: Qt refuses a key that does not fit, and keeps undo and redo.
    setMaxLength(int(capacity));
    connect(this, &QLineEdit::inputRejected, &QApplication::beep);
    setContent(text);
    setCursorPosition(0);
}

LineBox::~LineBox() = default;

QString LineBox::content() const
{
    return text();
}

void LineBox::setContent(const QString &text)
{
    QString value = onOneLine(text);
    cutToFit(value, capacity);
    if (value != this->text())
        setText(value);
}

// As Qt's own line edit takes a screen reader's edit: the whole text set anew, which ends
// undo and puts the cursor at the end. An edit of a box the user cannot edit, or of text
// that is not there, is refused.
void LineBox::assistiveReplace(qsizetype from, qsizetype to, const QString &text)
{
    const QString now = this->text();
    if (isReadOnly() || from < 0 || to < from || to > now.size())
        return;
    QString incoming = onOneLine(text);
    const qsizetype leftOut = cutToFit(incoming, capacity - now.size() + (to - from));
    setText(QString(now).replace(from, to - from, incoming));
    tellLater(this, leftOut);
}

QLineEdit &LineBox::probe()
{
    if (!probe_) {
        probe_ = std::make_unique<QLineEdit>();
        probe_->setMaxLength(int(capacity) + 1); // enough to tell that a paste does not fit
    }
    return *probe_;
}

// What a key or a click pastes, as Qt decides; what does not fit is taken whole from the
// clipboard whose text begins so.
template <typename Event> QString LineBox::pastedBy(Event *event)
{
    const QString start = putInBy(probe(), event);
    if (start.size() <= capacity)
        return start;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        const QString text = QGuiApplication::clipboard()->text(mode);
        if (text.startsWith(start))
            return text;
    }
    return start;
}

qsizetype LineBox::room() const
{
    return capacity - text().size() + selectionLength();
}

// What fits of a paste goes in as Qt's paste puts it: in place of the selection, as one
// step of undo, which moving the cursor (there and back) ends, as Qt's paste does.
void LineBox::putIn(const QString &pasted)
{
    QString text = onOneLine(pasted);
    const qsizetype leftOut = cutToFit(text, room());
    if (!text.isEmpty()) {
        const auto endUndoStep = [this] {
            const int at = cursorPosition();
            setCursorPosition(at > 0 ? at - 1 : at + 1);
            setCursorPosition(at);
        };
        if (!hasSelectedText() && !this->text().isEmpty())
            endUndoStep(); // (the selection's removal ends one itself)
        insert(text);
        endUndoStep();
    }
    tellLater(this, leftOut);
}

void LineBox::paste()
{
    if (isReadOnly())
        return;
    const QString pasted = QGuiApplication::clipboard()->text();
    if (fitsInOneLine(pasted, room()))
        return QLineEdit::paste();
    putIn(pasted);
}

void LineBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        const QString pasted = pastedBy(event);
        if (!fitsInOneLine(pasted, room())) {
            putIn(pasted);
            return event->accept();
        }
    } else if (const QString typed = event->text(); !typed.isEmpty()) {
        // Qt's limit would type the part of a key's text that fits, perhaps half a
        // character, and a line separator as it is. Such a key, if Qt types it at all,
        // types a space for each line break, or is refused whole.
        const QString oneLine = onOneLine(typed);
        const bool fits = oneLine.size() <= room();
        if ((oneLine != typed || (!fits && typed.size() > 1)) &&
            !putInBy(probe(), event).isEmpty()) {
            if (!fits) {
                emit inputRejected();
                return event->accept();
            }
            const std::unique_ptr<QKeyEvent> spaced = typing(event, oneLine);
            QLineEdit::keyPressEvent(spaced.get());
            return event->setAccepted(spaced->isAccepted());
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LineBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        const QString pasted = pastedBy(event);
        if (!fitsInOneLine(pasted, room())) {
            deselect();
            putIn(pasted);
            return event->accept();
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineBox::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = onOneLine(event->commitString());
    const qsizetype rest = text().size() - (commit.isEmpty() ? 0 : selectionLength());
    const qsizetype at = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype leftOut = cutToFit(commit, capacity - rest + replacedBy(event, at, rest));
    if (commit == event->commitString())
        return QLineEdit::inputMethodEvent(event);
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&fitted);
    tellLater(this, leftOut);
}

void LineBox::dropEvent(QDropEvent *event)
{
    const QString dropped = event->mimeData()->text();
    // A drop goes in where the mouse lets go, beside the selection.
    const qsizetype room = capacity - this->text().size();
    if (dropped.isNull() || fitsInOneLine(dropped, room))
        return QLineEdit::dropEvent(event);
    if (refusedWhole(this, event, onOneLine(dropped), room)) {
        QDragLeaveEvent leave;
        return QLineEdit::dragLeaveEvent(&leave);
    }
    QString text = onOneLine(dropped);
    const qsizetype leftOut = cutToFit(text, room);
    QMimeData data;
    data.setText(text);
    QDropEvent fitted(event->position(), event->possibleActions(), &data, event->buttons(),
                      event->modifiers(), event->type());
    fitted.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&fitted);
    // A move that took less than all is a copy: the source keeps what was left out.
    event->setDropAction(leftOut && fitted.dropAction() == Qt::MoveAction ? Qt::CopyAction
                                                                          : fitted.dropAction());
    event->setAccepted(fitted.isAccepted());
    tellLater(this, leftOut, event->source());
}

// ---------------------------------------------------------------------------------------
// Several lines

MultiLineBox::MultiLineBox(const QString &text, QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    connect(this, &MultiLineBox::inputRejected, &QApplication::beep);
    // Every change, whatever way it came: where it was, then once it is complete.
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int at, int removed, int added) {
                changedAt_ = at;
                removed_ = removed;
                added_ = added;
                if (!keeping_) // (where the view was, before the change laid it out)
                    scrolledTo_ = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
            });
    connect(document(), &QTextDocument::contentsChanged, this, &MultiLineBox::keepToCapacity);
    setContent(text);
}

MultiLineBox::~MultiLineBox() = default;

QString MultiLineBox::content() const
{
    // The document ends each paragraph with U+2029; the raw text keeps no-break spaces
    // and U+2028, which the plain text would turn into spaces and line feeds.
    return withLineFeeds(document()->toRawText());
}

void MultiLineBox::setContent(const QString &text)
{
    QString value = withLineFeeds(text);
    cutToFit(value, capacity);
    if (value != content())
        setPlainText(value); // the cursor at the start
}

qsizetype MultiLineBox::room() const
{
    const QTextCursor cursor = textCursor();
    return capacity - (document()->characterCount() - 1) +
           (cursor.selectionEnd() - cursor.selectionStart());
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    // A key types its text, or one line break. Where that may not fit, Qt is asked what
    // the key types; a key whose text does not fit is refused whole, with a beep.
    if (room() < std::max<qsizetype>(event->text().size(), 1) &&
        !event->matches(QKeySequence::Paste)) {
        if (!probe_) {
            probe_ = std::make_unique<QPlainTextEdit>();
            probe_->setTabChangesFocus(true);
        }
        if (putInBy(*probe_, event).size() > room()) {
            emit inputRejected();
            return event->accept();
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = withLineFeeds(event->commitString());
    const QTextCursor cursor = textCursor();
    const qsizetype selected =
        commit.isEmpty() ? 0 : cursor.selectionEnd() - cursor.selectionStart();
    const qsizetype rest = document()->characterCount() - 1 - selected;
    const qsizetype leftOut =
        cutToFit(commit, capacity - rest + replacedBy(event, cursor.selectionStart(), rest));
    if (commit == event->commitString())
        return QPlainTextEdit::inputMethodEvent(event);
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
    tellLater(this, leftOut);
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    // Pasted or dropped: each kind of line break becomes one line feed, as the document
    // would make it anyway, so that what fits can be counted.
    QString text = withLineFeeds(source->text());
    const qsizetype leftOut = cutToFit(text, room());
    QMimeData fitted;
    fitted.setText(text);
    QPlainTextEdit::insertFromMimeData(&fitted);
    if (leftOutOfDrop_ >= 0)
        leftOutOfDrop_ = leftOut;
    else
        tellLater(this, leftOut);
}

void MultiLineBox::dropEvent(QDropEvent *event)
{
    // A move within the box takes its text out first.
    const bool within = (event->source() == this || event->source() == viewport()) &&
                        event->dropAction() == Qt::MoveAction;
    if (refusedWhole(this, event, withLineFeeds(event->mimeData()->text()),
                     within ? room() : capacity - (document()->characterCount() - 1))) {
        QDragLeaveEvent leave; // (which takes away where the drop would have gone)
        return QPlainTextEdit::dragLeaveEvent(&leave);
    }
    const QScopedValueRollback<qsizetype> dropping(leftOutOfDrop_, 0);
    QPlainTextEdit::dropEvent(event);
    // A move that took less than all is a copy: the source keeps what was left out.
    if (leftOutOfDrop_ && event->dropAction() == Qt::MoveAction)
        event->setDropAction(Qt::CopyAction);
    tellLater(this, leftOutOfDrop_, event->source());
}

QMimeData *MultiLineBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(withLineFeeds(textCursor().selection().toRawText()));
    return data;
}

// Every change of the document, whatever way it came (a screen reader's text, the context
// menu's "Insert Unicode control character"): one that takes the box past its limit is
// taken back with Qt's undo and made again with what came in cut to fit, as one step of
// undo (Qt's own, which may hold typing just before), and the user is told. (Qt's editor
// has no earlier point that sees all of these.)
void MultiLineBox::keepToCapacity()
{
    const int length = document()->characterCount() - 1;
    if (length <= capacity || keeping_)
        return;
    const QScopedValueRollback<bool> keeping(keeping_, true);
    // The view stays where it was, as for a change made as it fits, and as wide as what the
    // box now holds: Qt's layout may still count a line of the text that was too long.
    const auto told = [this](qsizetype leftOut) {
        for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
            document()->markContentsDirty(block.position(), block.length());
        horizontalScrollBar()->setValue(scrolledTo_.x());
        verticalScrollBar()->setValue(scrolledTo_.y());
        tellLater(this, leftOut);
    };
    const int at = changedAt_, end = std::min(changedAt_ + added_, length);
    const QString before = document()->toRawText();
    QString came = before.sliced(at, end - at);
    const qsizetype leftOut = cutToFit(came, came.size() - (length - capacity));
    const int cut = end - at - int(came.size());
    if (document()->isUndoRedoEnabled() && document()->isUndoAvailable()) {
        document()->undo(); // (which says what it took out and put back)
        // (Qt counts the document's last paragraph end in what a change at its end took.)
        const int from = changedAt_, took = std::min<int>(removed_, before.size() - from),
                  putBack = std::min(added_, document()->characterCount() - 1 - from);
        if (from <= at && end <= from + took) {
            QTextCursor again(document());
            again.setPosition(from);
            again.setPosition(from + putBack, QTextCursor::KeepAnchor);
            const QString fitted =
                before.sliced(from, at - from) + came + before.sliced(end, from + took - end);
            if (fitted.isEmpty() && putBack == 0)
                document()->clearUndoRedoStacks(QTextDocument::RedoStack);
            else
                again.insertText(fitted);
            return told(leftOut);
        }
        document()->redo(); // a step of some other change: the end of this one goes instead
    }
    QTextCursor change(document());
    change.setPosition(end - cut);
    change.setPosition(end, QTextCursor::KeepAnchor);
    change.removeSelectedText();
    told(leftOut);
}

} // namespace vb
