// Text boxes and labels keep every character: exact line breaks and spaces, one-line boxes
// that show what they hold, and very long lines that stay cheap to edit.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/Controls.h"
#include "platform/TextBoxes.h"

#include <QClipboard>

using namespace test;

namespace {

vb::FormWindow &setup()
{
    return runtime().window("FormNew");
}

QWidget *box(const QString &name)
{
    return setup().control(name.toStdString()).widget;
}

void paste(QWidget *target, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// What the editing widget itself holds: a long line costs it time for every key.
qsizetype heldByWidget(QWidget *target)
{
    if (auto *line = qobject_cast<QLineEdit *>(target))
        return line->text().size();
    return static_cast<QPlainTextEdit *>(target)->document()->characterCount();
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

    void window_data();
    void window();
    void longLine_data();
    void longLine();
    void exactText_data();
    void exactText();
    void enterKeepsTheOtherBreaks();
    void labelShows_data();
    void labelShows();
    void labelStaysLeft();
};

void TstTextBoxes::window_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("cursor");
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("end");
    constexpr qsizetype reach = vb::TextWindow::reach;
    const QString line(100'000, u'x');
    QString lines;
    for (int i = 0; i < 2'000; ++i)
        lines += QString(200, u'a') + u'\n';
    QTest::newRow("short lines: all") << lines << qsizetype(50'000) << qsizetype(0) << lines.size();
    QTest::newRow("long line: around the cursor")
        << line << qsizetype(50'000) << 50'000 - reach << 50'000 + reach;
    QTest::newRow("at the start") << line << qsizetype(0) << qsizetype(0) << reach;
    QTest::newRow("at the end") << line << line.size() << line.size() - reach << line.size();
    QString pairs = line;
    pairs[50'000 - reach - 1] = QChar(0xD83D); // U+1F600 across the cut
    pairs[50'000 - reach] = QChar(0xDE00);
    QTest::newRow("no surrogate pair cut")
        << pairs << qsizetype(50'000) << 50'000 - reach - 1 << 50'000 + reach;
    QString crlf = line;
    crlf[50'000 + reach - 1] = u'\r';
    crlf[50'000 + reach] = u'\n';
    QTest::newRow("no CR LF cut") << crlf << qsizetype(50'000) << 50'000 - reach
                                  << 50'000 + reach + 1;
}

void TstTextBoxes::window()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, cursor);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, end);
    const vb::TextWindow::Span span = vb::TextWindow::span(text, cursor, cursor);
    QCOMPARE(span.start, start);
    QCOMPARE(span.end, end);
}

void TstTextBoxes::longLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("one line") << "Text1";
    QTest::newRow("message") << "Text3";
}

void TstTextBoxes::longLine()
{
    QFETCH(QString, name);
    QWidget *target = box(name);
    target->setFocus(Qt::OtherFocusReason);
    QString line(1'000'000, u'w');
    for (qsizetype i = 3; i < line.size(); i += 7)
        line[i] = u' ';
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    paste(target, line);
    QTest::keyClicks(target, "typed");
    QCOMPARE(setup().text(name.toStdString()), line + "typed");
    QTRY_VERIFY(heldByWidget(target) < 3 * vb::TextWindow::reach);
    // Home and End reach the ends of the whole line.
    QTest::keyClick(target, Qt::Key_Home);
    QTest::keyClicks(target, "<");
    QTest::keyClick(target, Qt::Key_End);
    QTest::keyClicks(target, ">");
    QCOMPARE(setup().text(name.toStdString()), "<" + line + "typed>");
    QTRY_VERIFY(heldByWidget(target) < 3 * vb::TextWindow::reach);
    // Select All takes in the whole line.
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTRY_COMPARE(heldByWidget(target), line.size() + 7 + (name == "Text3"));
    QTest::keyClick(target, Qt::Key_Delete);
    QCOMPARE(setup().text(name.toStdString()), QString());
}

void TstTextBoxes::exactText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("held");
    const QString mixed = QStringLiteral("a\u00a0b\u2028c\r\nd\re\u2029f\ng\vh");
    QTest::newRow("message keeps every break and space") << "Text3" << mixed << mixed;
    QTest::newRow("one line: breaks become spaces")
        << "Text1" << mixed << QStringLiteral("a\u00a0b c d e f g h");
}

void TstTextBoxes::exactText()
{
    QFETCH(QString, name);
    QFETCH(QString, entered);
    QFETCH(QString, held);
    const std::string control = name.toStdString();
    setup().setText(control, entered); // written by a handler
    QCOMPARE(setup().text(control), held);
    setup().setText(control, QString());
    box(name)->setFocus(Qt::OtherFocusReason);
    paste(box(name), entered); // pasted by the user
    QCOMPARE(setup().text(control), held);
}

void TstTextBoxes::enterKeepsTheOtherBreaks()
{
    setup().setText("Text3", QStringLiteral("ab\r\ncd\ref"));
    auto *message = static_cast<QPlainTextEdit *>(box("Text3"));
    message->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = message->textCursor();
    cursor.setPosition(1);
    message->setTextCursor(cursor);
    QTest::keyClick(message, Qt::Key_Return);
    QCOMPARE(setup().text("Text3"), QStringLiteral("a\nb\r\ncd\ref"));
    QTest::keyClick(message, Qt::Key_Backspace);
    QCOMPARE(setup().text("Text3"), QStringLiteral("ab\r\ncd\ref"));
    cursor.setPosition(4); // between "c" and "d": the line after keeps its CR
    message->setTextCursor(cursor);
    QTest::keyClick(message, Qt::Key_Delete);
    QCOMPARE(setup().text("Text3"), QStringLiteral("ab\r\nc\ref"));
}

void TstTextBoxes::labelShows_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("as written") << "A & B\r\nC\u2028D"
                                << "A & B\r\nC\u2028D";
    QTest::newRow("lone CR and U+2029 break the line") << "a\rb\u2029c"
                                                       << "a\nb\nc";
    const QString head(512, u'h'), middle(100'000, u'm'), tail(512, u't');
    QTest::newRow("a very long word: its ends")
        << head + middle + tail + "\nnext" << head + tail + "\nnext";
    QString words;
    for (int i = 0; i < 100'000; ++i)
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

QTEST_MAIN(TstTextBoxes)
#include "tst_textboxes.moc"
