#include "platform/TextWindow.h"

#include <algorithm>

namespace vb {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Moves a cut at `at` so that it splits neither a surrogate pair nor a CR LF; `step` is
// -1 to move towards the start, +1 towards the end.
qsizetype safeCut(QStringView text, qsizetype at, int step)
{
    while (at > 0 && at < text.size() &&
           ((text[at - 1].isHighSurrogate() && text[at].isLowSurrogate()) ||
            (text[at - 1] == u'\r' && text[at] == u'\n')))
        at += step;
    return at;
}

} // namespace

bool TextWindow::hasLongLine(QStringView text)
{
    if (text.size() <= longLine)
        return false;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineBreak(text[i]))
            lineStart = i + 1;
        else if (i - lineStart >= longLine)
            return true;
    }
    return false;
}

TextWindow::Span TextWindow::span(QStringView text, qsizetype anchor, qsizetype cursor)
{
    if (!hasLongLine(text))
        return {0, text.size()};
    const qsizetype from = std::clamp<qsizetype>(std::min(anchor, cursor), 0, text.size());
    const qsizetype to = std::clamp<qsizetype>(std::max(anchor, cursor), 0, text.size());
    return {safeCut(text, std::max<qsizetype>(0, from - reach), -1),
            safeCut(text, std::min(text.size(), to + reach), +1)};
}

QString TextWindow::show(const QString &text, Span span)
{
    before_ = text.left(span.start);
    after_ = text.mid(span.end);
    return text.mid(span.start, span.end - span.start);
}

bool TextWindow::needsMove(qsizetype from, qsizetype to, qsizetype shown) const
{
    return (!before_.isEmpty() && std::min(from, to) < margin) ||
           (!after_.isEmpty() && shown - std::max(from, to) < margin);
}

} // namespace vb
