// What screen readers read of a one-line box, as they read Qt's own line edit, and how
// they write into it: through the box's limit. (Qt's own interface sets the whole new text,
// whose end Qt's limit cuts off, though it may be what the user typed.)
#pragma once

#include <QAccessibleWidget>
#include <QTextLayout>

namespace vb {

class LineBox;

class LineBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit LineBoxAccessible(LineBox *box);
    // Has Qt's accessibility give each one-line box this interface (once for the program).
    static void install();

    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // Reading, selecting, moving the cursor: as in Qt's own interface for its line edit.
    void selection(int index, int *start, int *end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int *start, int *end) const override;

    // Writing: through the box, which fits what comes in.
    void deleteText(int start, int end) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int start, int end, const QString &text) override;

private:
    LineBox *box() const;

    // The box's text laid out as the box lays it out, kept while the text and font stay.
    mutable QTextLayout layout_;
};

} // namespace vb
