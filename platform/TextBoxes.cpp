#include "platform/TextBoxes.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace vb {

namespace {

// The breaks that end a paragraph of a document, by kind; a block keeps the kind of the
// break that ends it as its user state (-1, the default, is a line feed).
enum BreakKind { LineFeed = -1, CarriageReturnLineFeed = 1, CarriageReturn = 2, Paragraph = 3 };

struct Break
{
    int length; // 0: no break here
    int kind;
};

Break paragraphBreakAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        return {2, CarriageReturnLineFeed};
    if (c == u'\r')
        return {1, CarriageReturn};
    if (c == u'\n')
        return {1, LineFeed};
    if (c == QChar::ParagraphSeparator)
        return {1, Paragraph};
    return {0, LineFeed};
}

// Ends the cursor's paragraph at the cursor with a break of that kind. The break that
// ended the paragraph now ends the new one after it.
void insertBreak(QTextCursor &cursor, int kind)
{
    const int kept = cursor.block().userState();
    cursor.insertBlock();
    cursor.block().previous().setUserState(kind);
    cursor.block().setUserState(kept);
}

QString breakText(int kind)
{
    switch (kind) {
    case CarriageReturnLineFeed:
        return QStringLiteral("\r\n");
    case CarriageReturn:
        return QStringLiteral("\r");
    case Paragraph:
        return QString(QChar::ParagraphSeparator);
    default:
        return QStringLiteral("\n");
    }
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Home and End, with Ctrl the start and end of the whole text, with or without Shift:
// where they take the cursor in the whole text, when part of it is kept aside.
struct FarMove
{
    qsizetype target;
    bool select;
};

// Whether the key is one of those: the whole text is put together only for these keys,
// not for every key typed.
bool isFarMove(const QKeyEvent *event)
{
    using K = QKeySequence;
    for (const K::StandardKey key :
         {K::MoveToStartOfLine, K::MoveToEndOfLine, K::MoveToStartOfBlock, K::MoveToEndOfBlock,
          K::MoveToStartOfDocument, K::MoveToEndOfDocument, K::SelectStartOfLine,
          K::SelectEndOfLine, K::SelectStartOfBlock, K::SelectEndOfBlock, K::SelectStartOfDocument,
          K::SelectEndOfDocument}) {
        if (event->matches(key))
            return true;
    }
    return false;
}

std::optional<FarMove> farMove(const QKeyEvent *event, QStringView whole, qsizetype position)
{
    using K = QKeySequence;
    const auto is = [event](std::initializer_list<K::StandardKey> keys) {
        for (const K::StandardKey key : keys) {
            if (event->matches(key))
                return true;
        }
        return false;
    };
    const bool select = is({K::SelectStartOfLine, K::SelectEndOfLine, K::SelectStartOfBlock,
                            K::SelectEndOfBlock, K::SelectStartOfDocument, K::SelectEndOfDocument});
    if (is({K::MoveToStartOfDocument, K::SelectStartOfDocument}))
        return FarMove{0, select};
    if (is({K::MoveToEndOfDocument, K::SelectEndOfDocument}))
        return FarMove{whole.size(), select};
    if (is({K::MoveToStartOfLine, K::MoveToStartOfBlock, K::SelectStartOfLine,
            K::SelectStartOfBlock})) {
        qsizetype start = position;
        while (start > 0 && !isLineBreak(whole[start - 1]))
            --start;
        return FarMove{start, select};
    }
    if (is({K::MoveToEndOfLine, K::MoveToEndOfBlock, K::SelectEndOfLine, K::SelectEndOfBlock})) {
        qsizetype end = position;
        while (end < whole.size() && !isLineBreak(whole[end]))
            ++end;
        return FarMove{end, select};
    }
    return std::nullopt;
}

class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        input = LineBox::oneLine(std::move(input), &pos);
        return Acceptable;
    }
};

} // namespace

// ---------------------------------------------------------------------------------------
// One line

LineBox::LineBox(const QString &text, QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new OneLineValidator(this));
    place(oneLine(text), 0, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        emit changed();
        askMove();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, &LineBox::askMove);
    connect(this, &QLineEdit::selectionChanged, this, &LineBox::askMove);
}

QString LineBox::oneLine(QString text, int *cursor)
{
    if (std::none_of(text.cbegin(), text.cend(), isLineBreak))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreak(text[i])) {
            result.append(text[i]);
            continue;
        }
        result.append(u' ');
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            if (cursor && *cursor > result.size())
                --*cursor;
            ++i;
        }
    }
    return result;
}

QString LineBox::content() const
{
    return window_.whole(text());
}

void LineBox::setContent(const QString &text)
{
    const QString value = oneLine(text);
    if (value == content())
        return;
    place(value, value.size(), value.size()); // the cursor at the end, as Qt puts it
    emit changed();
}

qsizetype LineBox::anchor() const
{
    if (!hasSelectedText())
        return cursorPosition();
    return cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
}

void LineBox::place(const QString &whole, qsizetype anchor, qsizetype cursor)
{
    const TextWindow::Span span = TextWindow::span(whole, anchor, cursor);
    const QString shown = window_.show(whole, span);
    const QSignalBlocker quiet(this);
    setText(shown);
    setSelection(static_cast<int>(anchor - span.start), static_cast<int>(cursor - anchor));
}

// The window moves after the event that asked for it, once however often it was asked.
void LineBox::askMove()
{
    if (!std::exchange(moveQueued_, true))
        QTimer::singleShot(0, this, &LineBox::moveWindow);
}

void LineBox::moveWindow()
{
    moveQueued_ = false;
    const qsizetype shown = text().size(), from = anchor(), to = cursorPosition();
    const qsizetype offset = window_.offset();
    if (window_.active() && std::min(from, to) == 0 && std::max(from, to) == shown) {
        // Select All selects the whole text, also what is kept aside.
        const QString whole = content();
        place(whole, 0, whole.size());
    } else if (window_.active() ? window_.needsMove(from, to, shown)
                                : shown > TextWindow::longLine) {
        place(content(), offset + from, offset + to);
    }
}

void LineBox::keyPressEvent(QKeyEvent *event)
{
    if (window_.active() && isFarMove(event)) {
        const QString whole = content();
        const qsizetype offset = window_.offset();
        if (const auto move = farMove(event, whole, offset + cursorPosition())) {
            place(whole, move->select ? offset + anchor() : move->target, move->target);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------
// Several lines

MultiLineBox::MultiLineBox(const QString &text, QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    place(text, 0, 0);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        emit changed();
        askMove();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &MultiLineBox::askMove);
    connect(this, &QPlainTextEdit::selectionChanged, this, &MultiLineBox::askMove);
}

QString MultiLineBox::shownText() const
{
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        text += block.text();
        if (block.next().isValid())
            text += breakText(block.userState());
    }
    return text;
}

QString MultiLineBox::content() const
{
    return window_.whole(shownText());
}

void MultiLineBox::setContent(const QString &text)
{
    if (text == content())
        return;
    place(text, 0, 0); // the cursor at the start, as Qt puts it
    emit changed();
}

qsizetype MultiLineBox::exactPosition(int position) const
{
    // A CR LF is one position in the document and two characters in the text.
    qsizetype extra = 0;
    for (QTextBlock block = document()->begin();
         block.isValid() && block.position() + block.length() <= position; block = block.next())
        extra += breakText(block.userState()).size() - 1;
    return window_.offset() + position + extra;
}

void MultiLineBox::place(const QString &whole, qsizetype anchor, qsizetype cursor)
{
    const TextWindow::Span span = TextWindow::span(whole, anchor, cursor);
    const QString shown = window_.show(whole, span);
    // Where the cursor stands in the view, to keep it there.
    const QRect before = cursorRect();
    const int linesAbove = textCursor().blockNumber() - firstVisibleBlock().blockNumber();

    const QSignalBlocker quiet(this);
    setPlainText(shown);
    QTextBlock block = document()->begin();
    const auto toDocument = [&shown](qsizetype at) {
        return static_cast<int>(at - shown.first(at).count(QStringLiteral("\r\n")));
    };
    for (qsizetype i = 0; i < shown.size() && block.isValid(); ++i) {
        if (const Break found = paragraphBreakAt(shown, i); found.length) {
            block.setUserState(found.kind);
            block = block.next();
            i += found.length - 1;
        }
    }
    QTextCursor selection(document());
    selection.setPosition(toDocument(anchor - span.start));
    selection.setPosition(toDocument(cursor - span.start), QTextCursor::KeepAnchor);
    setTextCursor(selection);
    if (isVisible()) {
        verticalScrollBar()->setValue(selection.blockNumber() - linesAbove);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cursorRect().left() -
                                        before.left());
    }
}

void MultiLineBox::askMove()
{
    if (!std::exchange(moveQueued_, true))
        QTimer::singleShot(0, this, &MultiLineBox::moveWindow);
}

void MultiLineBox::moveWindow()
{
    moveQueued_ = false;
    const QTextCursor cursor = textCursor();
    const int shown = document()->characterCount() - 1;
    const int from = cursor.anchor(), to = cursor.position();
    if (window_.active() && std::min(from, to) == 0 && std::max(from, to) == shown) {
        const QString whole = content(); // Select All: the whole text
        place(whole, 0, whole.size());
    } else if (window_.active() ? window_.needsMove(from, to, shown)
                                : cursor.block().length() > TextWindow::longLine) {
        place(content(), exactPosition(from), exactPosition(to));
    }
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    if (window_.active() && isFarMove(event)) {
        const QString whole = content();
        const QTextCursor cursor = textCursor();
        if (const auto move = farMove(event, whole, exactPosition(cursor.position()))) {
            place(whole, move->select ? exactPosition(cursor.anchor()) : move->target,
                  move->target);
            return;
        }
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A new line, ended by a line feed.
        QTextCursor cursor = textCursor();
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        insertBreak(cursor, LineFeed);
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QString pasted = source->text();
    const QTextCursor cursor = textCursor();
    const qsizetype from = exactPosition(cursor.selectionStart());
    const qsizetype to = exactPosition(cursor.selectionEnd());
    QString whole = content();
    whole.replace(from, to - from, pasted);
    if (TextWindow::hasLongLine(pasted) || TextWindow::hasLongLine(whole)) {
        // Straight into the window, without laying out the long line first.
        place(whole, from + pasted.size(), from + pasted.size());
        emit changed();
        return;
    }
    // Into the document, so that Undo takes it back; the breaks keep their kinds.
    QTextCursor edit = cursor;
    edit.beginEditBlock();
    edit.removeSelectedText();
    qsizetype start = 0;
    for (qsizetype i = 0; i < pasted.size(); ++i) {
        const Break found = paragraphBreakAt(pasted, i);
        if (!found.length)
            continue;
        edit.insertText(pasted.mid(start, i - start));
        insertBreak(edit, found.kind);
        i += found.length - 1;
        start = i + 1;
    }
    edit.insertText(pasted.mid(start));
    edit.endEditBlock();
    setTextCursor(edit);
    ensureCursorVisible();
}

} // namespace vb
