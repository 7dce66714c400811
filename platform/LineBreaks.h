// What counts as a line break in the program's texts, for the text boxes and the labels
// alike.
//  - A paragraph ends at a line feed, a carriage return, a carriage return and line feed
//    together (one break), or the paragraph separator U+2029: where Qt's text documents
//    end a paragraph (they also end one at U+FDD0 and U+FDD1, which count here too).
//  - A line also ends, inside its paragraph, at the line separator U+2028, the vertical
//    tab, the form feed and the next-line character U+0085.
#pragma once

#include <QString>
#include <QStringView>

namespace vb {

// Whether the character ends a paragraph or a line.
bool isLineBreak(QChar c);

// The text with each paragraph break as one line feed. Line separators stay.
QString withLineFeeds(const QString &text);

// The text on one line: each paragraph or line break as one space.
QString onOneLine(const QString &text);

} // namespace vb
