#include "platform/LineBoxAccessible.h"

#include "platform/TextBoxes.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace vb {

LineBoxAccessible::LineBoxAccessible(LineBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

void LineBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) {
            return className == QLatin1String(LineBox::staticMetaObject.className())
                       ? static_cast<QAccessibleInterface *>(
                             new LineBoxAccessible(static_cast<LineBox *>(object)))
                       : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

LineBox *LineBoxAccessible::box() const
{
    return static_cast<LineBox *>(object());
}

QString LineBoxAccessible::text(QAccessible::Text type) const
{
    QString text = type == QAccessible::Value ? box()->text() : QString();
    if (text.isEmpty())
        text = QAccessibleWidget::text(type);
    if (text.isEmpty() && type == QAccessible::Description)
        text = box()->placeholderText();
    return text;
}

void LineBoxAccessible::setText(QAccessible::Text type, const QString &text)
{
    if (type != QAccessible::Value)
        return QAccessibleWidget::setText(type, text);
    replaceText(0, characterCount(), text);
}

QAccessible::State LineBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *LineBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineBoxAccessible::selection(int index, int *start, int *end) const
{
    *start = *end = 0;
    if (index != 0)
        return;
    *start = box()->selectionStart(); // (-1 where nothing is selected)
    *end = *start + box()->selectionLength();
}

int LineBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void LineBoxAccessible::addSelection(int start, int end)
{
    setSelection(0, start, end);
}

void LineBoxAccessible::removeSelection(int index)
{
    if (index == 0)
        box()->deselect();
}

void LineBoxAccessible::setSelection(int index, int start, int end)
{
    if (index == 0)
        box()->setSelection(start, end - start);
}

int LineBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void LineBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString LineBoxAccessible::text(int start, int end) const
{
    return start > end ? QString() : box()->text().mid(start, end - start);
}

int LineBoxAccessible::characterCount() const
{
    return int(box()->text().size());
}

// (-2 is the cursor.)
QString LineBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                            int *start, int *end) const
{
    return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset,
                                                      type, start, end);
}

QString LineBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                           int *start, int *end) const
{
    return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, type,
                                                     start, end);
}

// As Qt's own interface finds it, except where no word or sentence begins before the
// offset, or the offset is the end of the text: there Qt's never returns, and the program
// would hang; there it is the first, or nothing.
QString LineBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                                        int *end) const
{
    const QString text = box()->text();
    offset = offset == -2 ? cursorPosition() : offset == -1 ? int(text.size()) : offset;
    if ((type != QAccessible::WordBoundary && type != QAccessible::SentenceBoundary) ||
        text.isEmpty() || offset < 0 || offset > text.size())
        return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    QTextBoundaryFinder finder(type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                 : QTextBoundaryFinder::Sentence,
                               text);
    const auto edge = [&finder] {
        return finder.boundaryReasons() &
               (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
    };
    finder.setPosition(offset);
    while (!edge() && finder.toPreviousBoundary() > 0) {
    }
    finder.setPosition(std::max<qsizetype>(finder.position(), 0));
    *start = *end = -1;
    if (finder.position() == text.size())
        return {};
    *start = int(finder.position());
    for (qsizetype next = 0; next >= 0 && next < text.size();) {
        next = finder.toNextBoundary();
        if (edge())
            break;
    }
    *end = int(finder.position() < 0 ? text.size() : finder.position());
    return text.sliced(*start, *end - *start);
}

// Where the character is, as Qt's own interface tells it: from where the text begins.
QRect LineBoxAccessible::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return {};
    // The box shows control characters and paragraph breaks as spaces.
    QString shown = box()->text();
    for (QChar &c : shown) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = u' ';
    }
    if (layout_.text() != shown || layout_.font() != box()->font()) {
        layout_.setText(shown);
        layout_.setFont(box()->font());
        QTextOption option;
        option.setTextDirection(Qt::LayoutDirectionAuto);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout_.setTextOption(option);
        layout_.beginLayout();
        layout_.createLine();
        layout_.endLayout();
    }
    const QFontMetrics metrics(box()->font());
    const QRect rect(int(layout_.lineAt(0).cursorToX(offset)), box()->textMargins().top(),
                     metrics.horizontalAdvance(character), metrics.height());
    return rect.translated(box()->mapToGlobal(QPoint()));
}

int LineBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void LineBoxAccessible::scrollToSubstring(int start, int end)
{
    box()->setCursorPosition(end);
    box()->setCursorPosition(start);
}

QString LineBoxAccessible::attributes(int offset, int *start, int *end) const
{
    *start = *end = offset; // one font throughout, nothing to tell
    return {};
}

void LineBoxAccessible::deleteText(int start, int end)
{
    box()->assistiveReplace(start, end, QString());
}

void LineBoxAccessible::insertText(int offset, const QString &text)
{
    box()->assistiveReplace(offset, offset, text);
}

void LineBoxAccessible::replaceText(int start, int end, const QString &text)
{
    box()->assistiveReplace(start, end, text);
}

} // namespace vb
