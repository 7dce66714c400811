// Text boxes on Qt's own editing: the limit on length, line breaks as they come in, exact
// texts from the box to the fax, and labels that keep their caption.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/LineBreaks.h"
#include "platform/TextBoxes.h"
#include "platform/controls/LabelControl.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace test;

namespace {

constexpr qsizetype capacity = vb::TextBox::capacity;

vb::FormWindow &setup()
{
    return runtime().window("FormNew");
}

QWidget *box(const QString &name)
{
    return setup().control(name.toStdString()).widget;
}

QString text(const QString &name)
{
    return setup().text(name.toStdString());
}

void keys(const QString &name, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(box(name), combination.key(), combination.keyboardModifiers());
}

void paste(const QString &name, const QString &pasted)
{
    QApplication::clipboard()->setText(pasted);
    keys(name, QKeySequence::Paste);
}

// Puts the cursor at `position`, as a click would.
void placeCursor(const QString &name, int position)
{
    if (auto *line = qobject_cast<QLineEdit *>(box(name))) {
        line->setCursorPosition(position);
        return;
    }
    auto *message = static_cast<QPlainTextEdit *>(box(name));
    QTextCursor cursor = message->textCursor();
    cursor.setPosition(position);
    message->setTextCursor(cursor);
}

void send()
{
    setup().setText("Text5", QStringLiteral("-1"));
    QTest::mouseClick(box("Command1"), Qt::LeftButton);
}

} // namespace

class TstTextBoxes : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        startProject();
        vb::FormNew.Show();
        QVERIFY(QTest::qWaitForWindowActive(&setup()));
    }
    void cleanup() { runtime().reset(); }

    void boxes_data();
    void pastePastTheLimit_data() { boxes_data(); }
    void pastePastTheLimit();
    void typingAtTheLimit_data() { boxes_data(); }
    void typingAtTheLimit();
    void lineBreaks_data();
    void lineBreaks();
    void breaksArrive_data();
    void breaksArrive();
    void exactThroughCopyUndoAndSend();
    void labelShows_data();
    void labelShows();
    void labelStaysLeft();
    void screenReaderFindsWords_data();
    void screenReaderFindsWords();
};

void TstTextBoxes::boxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("one line") << "Text1";
    QTest::newRow("message") << "Text3";
}

void TstTextBoxes::pastePastTheLimit()
{
    QFETCH(QString, name);
    const QString before = QStringLiteral("keep") + QString(capacity - 10, u'k') + "me";
    setup().setText(name.toStdString(), before);
    box(name)->setFocus(Qt::OtherFocusReason);
    placeCursor(name, 4);
    BoxWatcher watcher;
    paste(name, QString(7, u'x') + "\n" + QString(100, u'y')); // room for 4
    QCOMPARE(text(name), before.first(4) + "xxxx" + before.sliced(4));
    QTRY_COMPARE(watcher.boxes.size(), 1u);
    QCOMPARE(watcher.boxes[0].text,
             QStringLiteral("104 characters did not fit and were left out: a box holds at most "
                            "%1 characters.")
                 .arg(QLocale().toString(capacity)));
    QCOMPARE(watcher.boxes[0].title, QStringLiteral("Quoriam"));
    QCOMPARE(watcher.boxes[0].buttons, 1);
    QCOMPARE(watcher.boxes[0].owner, &setup());
    // The paste is one step to undo, and nothing else is lost.
    keys(name, QKeySequence::Undo);
    QCOMPARE(text(name), before);
    keys(name, QKeySequence::Redo);
    QCOMPARE(text(name).size(), capacity);
    keys(name, QKeySequence::SelectAll);
    QTest::keyClick(box(name), Qt::Key_Delete);
    QCOMPARE(text(name), QString());
}

void TstTextBoxes::typingAtTheLimit()
{
    QFETCH(QString, name);
    setup().setText(name.toStdString(), QString(capacity + 5, u'f')); // cut without a box
    QCOMPARE(text(name).size(), capacity);
    box(name)->setFocus(Qt::OtherFocusReason);
    placeCursor(name, 0);
    BoxWatcher watcher;
    QTest::keyClicks(box(name), "ab");
    QTest::keyClick(box(name), Qt::Key_Return);
    QCOMPARE(text(name), QString(capacity, u'f'));
    QTest::keyClick(box(name), Qt::Key_Delete);
    QTest::keyClicks(box(name), "ab");
    QCOMPARE(text(name), "a" + QString(capacity - 1, u'f'));
    QVERIFY(watcher.boxes.empty());
}

void TstTextBoxes::lineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("withLineFeeds");
    QTest::addColumn<QString>("onOneLine");
    QTest::newRow("CR LF, inside and at the end") << "a\r\nb\r\n"
                                                  << "a\nb\n"
                                                  << "a b ";
    QTest::newRow("CR before CR LF") << "\r\r\n"
                                     << "\n\n"
                                     << "  ";
    QTest::newRow("breaks within a paragraph") << "a\u2028b\vc\fd\u0085e"
                                               << "a\u2028b\vc\fd\u0085e"
                                               << "a b c d e";
}

void TstTextBoxes::lineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, withLineFeeds);
    QFETCH(QString, onOneLine);
    QCOMPARE(vb::withLineFeeds(text), withLineFeeds);
    QCOMPARE(vb::onOneLine(text), onOneLine);
}

void TstTextBoxes::breaksArrive_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fax");
    QTest::addColumn<QString>("arrives");
    QTest::newRow("message: one line feed each") << "Text3"
                                                 << "Label5"
                                                 << "a\nb\nc\nd\ne";
    QTest::newRow("sender: one space each") << "Text1"
                                            << "Label2"
                                            << "a b c d e";
}

void TstTextBoxes::breaksArrive()
{
    QFETCH(QString, name);
    QFETCH(QString, fax);
    QFETCH(QString, arrives);
    box(name)->setFocus(Qt::OtherFocusReason);
    keys(name, QKeySequence::SelectAll);
    paste(name, QStringLiteral("a\r\nb\rc\nd\u2029e"));
    QCOMPARE(text(name), arrives);
    send();
    QCOMPARE(runtime().window("Form2").caption(fax.toStdString()), arrives);
}

void TstTextBoxes::exactThroughCopyUndoAndSend()
{
    // No-break spaces and U+2028 stay through cut and paste, undo and redo, and Send.
    const QString exact = QStringLiteral("10\u00a0km\u2028x\ny");
    box("Text3")->setFocus(Qt::OtherFocusReason);
    keys("Text3", QKeySequence::SelectAll);
    paste("Text3", exact);
    keys("Text3", QKeySequence::SelectAll);
    keys("Text3", QKeySequence::Cut);
    QCOMPARE(text("Text3"), QString());
    QCOMPARE(QApplication::clipboard()->text(), exact);
    keys("Text3", QKeySequence::Paste);
    QTest::keyClick(box("Text3"), Qt::Key_Return);
    keys("Text3", QKeySequence::Undo);
    QCOMPARE(text("Text3"), exact);
    keys("Text3", QKeySequence::Redo);
    QCOMPARE(text("Text3"), exact + "\n");
    send();
    QCOMPARE(runtime().window("Form2").caption("Label5"), exact + "\n");
}

void TstTextBoxes::labelShows_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("as written") << "A & B\nC\u2028D"
                                << "A & B\nC\u2028D";
    QTest::newRow("each paragraph break a line feed") << "a\rb\u2029c\r\nd"
                                                      << "a\nb\nc\nd";
    const QString head(512, u'h'), middle(30'000, u'm'), tail(512, u't');
    QTest::newRow("a very long word: its ends")
        << head + middle + tail + "\nnext" << head + tail + "\nnext";
    QString words;
    for (int i = 0; i < 6'000; ++i)
        words += QStringLiteral("word ");
    QTest::newRow("very many words: the first") << words << words.left(16'384);
}

void TstTextBoxes::labelShows()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(vb::LabelControl::shownText(caption), shown);
}

void TstTextBoxes::labelStaysLeft()
{
    // A right-to-left value starts at the left edge of its label, by its heading.
    vb::FormWindow &fax = runtime().window("Form2");
    fax.setCaption("Label2", QStringLiteral("\u05e9\u05dc\u05d5\u05dd"));
    QWidget *label = fax.control("Label2").widget;
    const QImage image = label->grab().toImage();
    const QColor background = label->palette().color(QPalette::Window);
    int leftmost = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < leftmost; ++x) {
            if (image.pixelColor(x, y) != background)
                leftmost = x;
        }
    }
    QVERIFY2(leftmost < image.width() / 4, qPrintable(QString::number(leftmost)));
}

// Where Qt's own line edit would never answer a screen reader (no word or sentence begins
// before the offset, or the offset is the end), the box answers; -2 is the cursor.
void TstTextBoxes::screenReaderFindsWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QAccessible::TextBoundaryType>("type");
    QTest::addColumn<QString>("found");
    QTest::addColumn<int>("start");
    const auto word = QAccessible::WordBoundary, sentence = QAccessible::SentenceBoundary;
    QTest::newRow("the end of a word") << "ab" << 2 << word << "" << -1;
    QTest::newRow("the end of a sentence") << "It is. So" << -1 << sentence << "" << -1;
    QTest::newRow("an emoji first") << "\U0001F600 ab" << 0 << word << "\U0001F600 " << 0;
    QTest::newRow("the cursor") << "ab cd" << -2 << word << "ab" << 0;
}

void TstTextBoxes::screenReaderFindsWords()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QAccessible::TextBoundaryType, type);
    QAccessible::setActive(true);
    vb::LineBox box(text, nullptr); // (the cursor at the start)
    box.setCursorPosition(1);
    int start = 0, end = 0;
    const QString found =
        QAccessible::queryAccessibleInterface(&box)->textInterface()->textAtOffset(offset, type,
                                                                                   &start, &end);
    QTEST(found, "found");
    QTEST(start, "start");
    QCOMPARE(end, start < 0 ? -1 : start + found.size());
}

QTEST_MAIN(TstTextBoxes)
#include "tst_textboxes.moc"
