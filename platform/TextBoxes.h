// The two kinds of text box, on Qt's own editors: one line (QLineEdit), and several lines
// without wrapping (QPlainTextEdit). Qt does the editing: selection by mouse and keyboard,
// undo and redo, the clipboard, drag and drop, input methods, assistive tools. The boxes
// add a limit on length, said out loud, and hold what they show: a one-line box turns
// line breaks into spaces, the message box holds every line break as one line feed.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

namespace vb {

class TextBox
{
public:
    // The most a box holds, in UTF-16 units (QLineEdit's own limit): a line break counts
    // as one, most characters as one, emoji as two. A key that does not fit is refused
    // with a beep. What else comes in (a paste, a drop, an input method's text) goes in
    // as far as it fits, in whole characters, and the user is told how many were left
    // out; a text written by a handler is cut without a word. What was already in the
    // box never changes.
    static constexpr qsizetype capacity = 32767;

    virtual ~TextBox() = default;
    // The text, exactly as the box holds it.
    virtual QString content() const = 0;
    // Replaces the text (cut to capacity), if it differs.
    virtual void setContent(const QString &text) = 0;
};

// One line: line breaks that come in (pasted, dropped, written) become spaces. Qt's own
// limit refuses a key that does not fit.
class LineBox : public QLineEdit, public TextBox
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ content WRITE setContent)
public:
    LineBox(const QString &text, QWidget *parent);
    ~LineBox() override;
    QString content() const override;
    void setContent(const QString &text) override;
    // A screen reader's edit: the text from `from` to `to` replaced with `text`, of which
    // what fits goes in, on one line.
    void assistiveReplace(qsizetype from, qsizetype to, const QString &text);

public slots:
    // The context menu's Paste, which Qt's menu connects by this name: as Ctrl+V.
    void paste();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    qsizetype room() const;
    template <typename Event> QString pastedBy(Event *event);
    void putIn(const QString &pasted);
    QLineEdit &probe();

    // A stock line edit that no one sees, asked what a key or a click puts in.
    std::unique_ptr<QLineEdit> probe_;
};

// Several lines, not wrapped. Copy and cut hand out what the box holds.
class MultiLineBox : public QPlainTextEdit, public TextBox
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ content WRITE setContent)
public:
    MultiLineBox(const QString &text, QWidget *parent);
    ~MultiLineBox() override;
    QString content() const override;
    void setContent(const QString &text) override;

signals:
    // A key was refused, as it does not fit (as QLineEdit's signal of the same name).
    void inputRejected();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void dropEvent(QDropEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    // How many UTF-16 units fit in place of the selection.
    qsizetype room() const;
    void keepToCapacity();

    // A stock plain text edit that no one sees, asked what a key types.
    std::unique_ptr<QPlainTextEdit> probe_;
    // While a drop runs, what it left out (told once the drag is over); else -1.
    qsizetype leftOutOfDrop_ = -1;
    // Where the document last changed, and how much went and came in there.
    int changedAt_ = 0;
    int removed_ = 0;
    int added_ = 0;
    bool keeping_ = false;
    QPoint scrolledTo_;
};

} // namespace vb
