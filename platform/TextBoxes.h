// The two kinds of text box, on Qt's own editors: one line (QLineEdit), and several lines
// without wrapping (QPlainTextEdit). Qt does the editing: selection by mouse and keyboard,
// undo and redo, the clipboard, drag and drop, input methods, assistive tools. The boxes
// add a limit on length, said out loud, and hold what they show: a one-line box turns
// line breaks into spaces, the message box holds every line break as one line feed.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include <optional>

namespace vb {

class TextBox
{
public:
    // The most characters a box holds, the customary limit of an edit box (and
    // QLineEdit's own default); a line break counts as one. Typing past it is refused
    // with a beep; a paste or drop puts in the part that fits and says how much was
    // left out; a text written by a handler is cut without a word.
    static constexpr qsizetype capacity = 32767;

    virtual ~TextBox() = default;
    // The text, exactly as the box holds it.
    virtual QString content() const = 0;
    // Replaces the text (cut to capacity), if it differs.
    virtual void setContent(const QString &text) = 0;
};

// One line: line breaks that come in (pasted, dropped, written) become spaces.
class LineBox : public QLineEdit, public TextBox
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ content WRITE setContent)
public:
    LineBox(const QString &text, QWidget *parent);
    QString content() const override;
    void setContent(const QString &text) override;

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    friend class OneLineValidator;
    bool accepts(const QString &text);
    void putInWhatFits();

    // A change the box refused (too long, or with line breaks): Qt put the text back as
    // it was, and what came in goes in again, fitted, right after.
    struct Refused
    {
        QString text;
        bool typed;
    };
    std::optional<Refused> refused_;
    bool typing_ = false;
};

// Several lines, not wrapped. Copy and cut hand out what the box holds.
class MultiLineBox : public QPlainTextEdit, public TextBox
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ content WRITE setContent)
public:
    MultiLineBox(const QString &text, QWidget *parent);
    QString content() const override;
    void setContent(const QString &text) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void dropEvent(QDropEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    // How many characters fit in place of the selection.
    qsizetype room() const;

    bool dropping_ = false;
    qsizetype leftOutOfDrop_ = 0;
};

} // namespace vb
