// The two kinds of text box: one line, and several lines with both scroll bars. Both keep
// every character the user typed or pasted, and both stay quick with a line of a million
// characters, through a TextWindow.
#pragma once

#include "platform/TextWindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace vb {

class TextBox
{
public:
    virtual ~TextBox() = default;
    // The whole text, exactly as typed, pasted or written.
    virtual QString content() const = 0;
    // Replaces the text; emits changed() only when it differs.
    virtual void setContent(const QString &text) = 0;
};

// One line: line breaks that come in (pasted, dropped, written) become spaces, so the
// text is what the box shows.
class LineBox : public QLineEdit, public TextBox
{
    Q_OBJECT
public:
    LineBox(const QString &text, QWidget *parent);
    QString content() const override;
    void setContent(const QString &text) override;

    // The text with each line break (CR LF, CR, LF, VT, FF, NEL, LS, PS) as one space;
    // `cursor`, if given, follows.
    static QString oneLine(QString text, int *cursor = nullptr);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    qsizetype anchor() const;
    void place(const QString &whole, qsizetype anchor, qsizetype cursor);
    void askMove();
    void moveWindow();

    TextWindow window_;
    bool moveQueued_ = false;
};

// Several lines, not wrapped. Line breaks keep their kind (LF, CR LF, CR or U+2029), and
// no-break spaces and U+2028 stay as they are.
class MultiLineBox : public QPlainTextEdit, public TextBox
{
    Q_OBJECT
public:
    MultiLineBox(const QString &text, QWidget *parent);
    QString content() const override;
    void setContent(const QString &text) override;

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QString shownText() const;
    qsizetype exactPosition(int position) const;
    void place(const QString &whole, qsizetype anchor, qsizetype cursor);
    void askMove();
    void moveWindow();

    TextWindow window_;
    bool moveQueued_ = false;
};

} // namespace vb
