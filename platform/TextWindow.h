// Very long lines in text boxes. Qt's editing widgets lay a line out again, whole, for every
// key typed and for every blink of the cursor: a line of a million characters takes a core
// and makes typing lag by seconds. A box whose text has such a line therefore shows only a
// window of its text around the cursor and the selection, and keeps the rest aside,
// unchanged; the window moves with the cursor.
#pragma once

#include <QString>
#include <QStringView>

namespace vb {

class TextWindow
{
public:
    // A line longer than this makes a box show a window of its text.
    static constexpr qsizetype longLine = 4096;
    // Characters shown on each side of the cursor and the selection.
    static constexpr qsizetype reach = 1024;
    // The window moves when the cursor comes this close to a part kept aside.
    static constexpr qsizetype margin = 256;

    struct Span
    {
        qsizetype start, end;
    };

    // Whether the text holds a line longer than longLine.
    static bool hasLongLine(QStringView text);
    // The part of `text` to show for a selection between `anchor` and `cursor`: all of it
    // when no line is long, else `reach` characters either side of the selection. The
    // ends never split a surrogate pair or a CR LF.
    static Span span(QStringView text, qsizetype anchor, qsizetype cursor);

    // Keeps what lies outside `span` aside and returns the part to show.
    QString show(const QString &text, Span span);
    // The whole text, given what the box shows.
    QString whole(const QString &shown) const { return before_ + shown + after_; }
    // Where the shown part starts in the whole text.
    qsizetype offset() const { return before_.size(); }
    bool active() const { return !before_.isEmpty() || !after_.isEmpty(); }
    // Whether a selection between `from` and `to`, in the shown text of `shown`
    // characters, has come close enough to a part kept aside to move the window.
    bool needsMove(qsizetype from, qsizetype to, qsizetype shown) const;

private:
    QString before_, after_;
};

} // namespace vb
