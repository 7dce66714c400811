#include "platform/LineBreaks.h"

#include <algorithm>

namespace vb {

namespace {

// The length of the paragraph break that starts at `at`: 2 for CR LF, else 1.
qsizetype paragraphBreakLength(QStringView text, qsizetype at)
{
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

bool endsParagraph(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
           c == QChar(0xFDD1);
}

// The text with each break that `isBreak` finds (CR LF as one) replaced by `by`.
template <typename IsBreak> QString replaceBreaks(const QString &text, QChar by, IsBreak isBreak)
{
    const qsizetype first = std::find_if(text.cbegin(), text.cend(), isBreak) - text.cbegin();
    if (first == text.size())
        return text;
    QString result = text.first(first);
    result.reserve(text.size());
    for (qsizetype i = first; i < text.size(); ++i) {
        if (!isBreak(text[i])) {
            result.append(text[i]);
            continue;
        }
        result.append(by);
        i += paragraphBreakLength(text, i) - 1;
    }
    return result;
}

} // namespace

bool isLineBreak(QChar c)
{
    return endsParagraph(c) || c == QChar::LineSeparator || c == u'\v' || c == u'\f' ||
           c == QChar(0x85);
}

QString withLineFeeds(const QString &text)
{
    return replaceBreaks(text, u'\n', [](QChar c) { return endsParagraph(c) && c != u'\n'; });
}

QString onOneLine(const QString &text)
{
    return replaceBreaks(text, u' ', isLineBreak);
}

} // namespace vb
