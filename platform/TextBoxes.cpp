#include "platform/TextBoxes.h"

#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <utility>

namespace vb {

namespace {

// Cuts `text` to at most `room` characters, never between the two halves of a surrogate
// pair. Returns how many characters were left out.
qsizetype cutToFit(QString &text, qsizetype room)
{
    if (text.size() <= room)
        return 0;
    qsizetype kept = std::max<qsizetype>(room, 0);
    if (kept > 0 && text[kept - 1].isHighSurrogate() && text[kept].isLowSurrogate())
        --kept;
    const qsizetype leftOut = text.size() - kept;
    text.truncate(kept);
    return leftOut;
}

// Tells the user that part of a paste or drop into `box` did not fit.
void tellLeftOut(QWidget *box, qsizetype leftOut)
{
    const QString prompt =
        (leftOut == 1 ? QStringLiteral("1 character did not fit and was left out")
                      : QStringLiteral("%1 characters did not fit and were left out")
                            .arg(QLocale().toString(leftOut))) +
        QStringLiteral(": a box holds at most %1 characters.")
            .arg(QLocale().toString(TextBox::capacity));
    showMessageBox(prompt, vbSystemModal + vbExclamation + vbOKOnly, QStringLiteral("Quoriam"),
                   box->window());
}

// How many characters a key types into the message box, as Qt's editors decide it: Enter
// a line break (with Shift a line separator), else the key's text where it is printable
// and Ctrl (without Alt) is not held.
qsizetype typedBy(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::InsertParagraphSeparator) ||
        event->matches(QKeySequence::InsertLineSeparator))
        return 1;
    const QString text = event->text();
    if (text.isEmpty())
        return 0;
    const QChar c = text.front();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (c.category() != QChar::Other_Format &&
        (modifiers == Qt::ControlModifier ||
         modifiers == (Qt::ControlModifier | Qt::ShiftModifier)))
        return 0;
    const bool types = c.isPrint() || c.isHighSurrogate() || c.category() == QChar::Other_Format ||
                       c.category() == QChar::Other_PrivateUse;
    return types ? text.size() : 0;
}

} // namespace

// ---------------------------------------------------------------------------------------
// One line

// Accepts a text that fits and holds no line break. Any other change is refused, so that
// Qt puts the text back as it was, undo history and all; the box then puts in what fits.
class OneLineValidator : public QValidator
{
public:
    explicit OneLineValidator(LineBox *box) : QValidator(box), box_(box) {}
    State validate(QString &input, int &) const override
    {
        return box_->accepts(input) ? Acceptable : Invalid;
    }

private:
    LineBox *box_;
};

LineBox::LineBox(const QString &text, QWidget *parent) : QLineEdit(parent)
{
    // The box keeps its own limit, so that it knows how much of a paste was left out.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new OneLineValidator(this));
    setContent(text);
    setCursorPosition(0);
}

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

bool LineBox::accepts(const QString &text)
{
    if (text.size() <= capacity && std::none_of(text.cbegin(), text.cend(), isLineBreak))
        return true;
    if (!refused_) {
        refused_ = Refused{text, typing_};
        // The rest follows the event of the box that made the change, or the context
        // menu's action; for a change from elsewhere (assistive tools), the event loop.
        QMetaObject::invokeMethod(this, &LineBox::putInWhatFits, Qt::QueuedConnection);
    }
    return false;
}

bool LineBox::event(QEvent *event)
{
    typing_ = event->type() == QEvent::KeyPress &&
              !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste);
    const bool handled = QLineEdit::event(event);
    typing_ = false;
    putInWhatFits();
    return handled;
}

void LineBox::contextMenuEvent(QContextMenuEvent *event)
{
    // Qt's own menu, whose Paste then puts in what fits, as Ctrl+V does.
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::triggered, this, &LineBox::putInWhatFits);
    menu->popup(event->globalPos());
}

void LineBox::putInWhatFits()
{
    if (!refused_)
        return;
    const auto [refused, typed] = *std::exchange(refused_, std::nullopt);
    const QString now = text();
    if (now == refused) {
        // Set as a whole (by assistive tools): Qt kept the text; it is cut like a paste.
        QString value = onOneLine(refused);
        const qsizetype leftOut = cutToFit(value, capacity);
        setText(value);
        if (leftOut)
            tellLeftOut(this, leftOut);
        return;
    }
    // What came in is where the refused text differs from the text as it is again.
    qsizetype start = 0, end = 0;
    while (start < now.size() && start < refused.size() && now[start] == refused[start])
        ++start;
    while (end < now.size() - start && end < refused.size() - start &&
           now[now.size() - 1 - end] == refused[refused.size() - 1 - end])
        ++end;
    if (start > 0 && now[start - 1].isHighSurrogate()) // never inside a surrogate pair
        --start;
    if (end > 0 && now[now.size() - end].isLowSurrogate())
        --end;
    QString incoming = onOneLine(refused.sliced(start, refused.size() - start - end));
    const qsizetype leftOut = cutToFit(incoming, capacity - start - end);
    if (typed && leftOut) {
        QApplication::beep(); // typing at the limit
        return;
    }
    setSelection(static_cast<int>(start), static_cast<int>(now.size() - start - end));
    insert(incoming);
    if (leftOut)
        tellLeftOut(this, leftOut);
}

// ---------------------------------------------------------------------------------------
// Several lines

MultiLineBox::MultiLineBox(const QString &text, QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    setContent(text);
}

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
    if (typedBy(event) > room()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = withLineFeeds(event->commitString());
    const qsizetype leftOut = cutToFit(commit, room() + event->replacementLength());
    if (commit == event->commitString())
        return QPlainTextEdit::inputMethodEvent(event);
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
    if (leftOut)
        tellLeftOut(this, leftOut);
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
    if (dropping_)
        leftOutOfDrop_ = leftOut; // said once the drop's edit is complete
    else if (leftOut)
        tellLeftOut(this, leftOut);
}

void MultiLineBox::dropEvent(QDropEvent *event)
{
    dropping_ = true;
    QPlainTextEdit::dropEvent(event);
    dropping_ = false;
    if (const qsizetype leftOut = std::exchange(leftOutOfDrop_, 0))
        tellLeftOut(this, leftOut);
}

QMimeData *MultiLineBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(withLineFeeds(textCursor().selection().toRawText()));
    return data;
}

} // namespace vb
