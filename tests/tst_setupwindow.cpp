// The fax setup window while the user composes a fax: defaults, the clock, the sent
// time, the delay check and its easter egg, Clear, the icon, and closing the window.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/TextBoxes.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace test;

namespace {

vb::FormWindow &setup()
{
    return runtime().window("FormNew");
}

QString text(const char *box)
{
    return setup().text(box);
}

QWidget *widget(const char *control)
{
    return setup().control(control).widget;
}

// Stops the clock and shows a known time in it, so what copies it can be checked.
void freezeClock(const QString &shown)
{
    setup().control("Timer1").timer->stop();
    setup().setCaption("Label5", shown);
}

void clickOn(const char *control)
{
    QWidget *target = widget(control);
    if (auto *box = qobject_cast<QPlainTextEdit *>(target))
        target = box->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

class TstSetupWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        startProject();
        vb::Form1.Show();
        runtime().window("Form1").findChild<QAction *>("New")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&setup()));
    }
    void cleanup() { runtime().reset(); }

    void opensFromMainMenuWithDefaults();
    void clockTicksAlsoWhileHidden();
    void sentTimeCopiesTheClock_data();
    void sentTimeCopiesTheClock();
    void sentTimeStaysWhenTheWindowComesBack();
    void delayCheck_data();
    void delayCheck();
    void messageBoxClosesByKeyboard_data();
    void messageBoxClosesByKeyboard();
    void clear_data();
    void clear();
    void iconHidesTheLinesForGood();
    void messageBoxKeys();
    void hidingKeepsTexts();
    void closingEndsTheProgram();
    void longPastes_data();
    void longPastes();
};

void TstSetupWindow::opensFromMainMenuWithDefaults()
{
    QVERIFY(!runtime().window("Form1").isVisible());
    QVERIFY(setup().isVisible());
    QVERIFY(setup().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(QApplication::focusWidget(), widget("Text1"));
    QCOMPARE(text("Text1"), QStringLiteral("Fake Person"));
    QCOMPARE(text("Text2"), QStringLiteral("Most Likely You"));
    QCOMPARE(text("Text3"), QStringLiteral("Main Message"));
    QCOMPARE(text("Text4"), QString());
    QCOMPARE(text("Text5"), QStringLiteral("15"));
    QVERIFY(widget("Line2")->isVisible() && widget("Line3")->isVisible());
    // No default button: Enter in a box presses nothing.
    for (auto *button : setup().findChildren<QPushButton *>())
        QVERIFY(!button->isDefault() && !button->autoDefault());
}

void TstSetupWindow::clockTicksAlsoWhileHidden()
{
    QCOMPARE(setup().control("Timer1").timer->interval(), 100); // ten times a second
    QTRY_VERIFY(!setup().caption("Label5").isEmpty());
    const QString shown = setup().caption("Label5");
    QVERIFY2(
        QTime::fromString(
            shown,
            QLocale::system().timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed())
                .isValid() ||
            shown.count(QLatin1Char(':')) == 2,
        qPrintable(shown)); // hours, minutes and seconds
    setup().hide();
    setup().setCaption("Label5", QStringLiteral("stale"));
    QTRY_VERIFY_WITH_TIMEOUT(setup().caption("Label5") != QStringLiteral("stale"), 2000);
}

void TstSetupWindow::sentTimeCopiesTheClock_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("tab") << false;
}

void TstSetupWindow::sentTimeCopiesTheClock()
{
    QFETCH(bool, byMouse);
    freezeClock(QStringLiteral("10:20:30"));
    setup().setText("Text4", QStringLiteral("my own time"));
    if (byMouse) {
        clickOn("Text4");
    } else {
        widget("Text3")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(widget("Text3"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), widget("Text4"));
    }
    QCOMPARE(text("Text4"), QStringLiteral("10:20:30"));
    // A second click while the box has the focus copies the clock again.
    setup().setCaption("Label5", QStringLiteral("10:20:31"));
    clickOn("Text4");
    QCOMPARE(text("Text4"), QStringLiteral("10:20:31"));
}

// The clock is copied when the focus moves to the box, not when the box's window is
// activated again: a time the user typed stays.
void TstSetupWindow::sentTimeStaysWhenTheWindowComesBack()
{
    freezeClock(QStringLiteral("10:20:30"));
    widget("Text4")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget("Text4"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget("Text4"), "my own time");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    setup().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&setup()));
    QCOMPARE(QApplication::focusWidget(), widget("Text4"));
    QCOMPARE(text("Text4"), QStringLiteral("my own time"));
}

void TstSetupWindow::delayCheck_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("keys"); // typed one at a time; "\b" is Backspace
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("boxAfterKey"); // the key after which the one box came; -1 none
    QTest::addColumn<QString>("boxText");

    const QStringList phrase{"R", "a", "z", "o", " ", "R", "u", "l", "e", "s"};
    QTest::newRow("last character deleted")
        << "5" << QStringList{"\b"} << "0" << 0 << "Must be 0 or more";
    QTest::newRow("easter egg typed")
        << "" << phrase << "Razo Rules" << 9 << "Yaaaaa hooooooo, yup, he does!!!";
    QTest::newRow("easter egg, one more character")
        << "" << phrase + QStringList{"!"} << "Razo Rules!" << 9
        << "Yaaaaa hooooooo, yup, he does!!!";
    QTest::newRow("other letter case")
        << "" << QStringList{"r", "a", "z", "o", " ", "r", "u", "l", "e", "s"} << "razo rules" << -1
        << "";
    QTest::newRow("negative") << "" << QStringList{"-", "3"} << "-3" << -1 << "";
    QTest::newRow("letters") << "" << QStringList{"a", "b", "c"} << "abc" << -1 << "";
    QTest::newRow("decimal") << "" << QStringList{"2", ".", "5"} << "2.5" << -1 << "";
}

void TstSetupWindow::delayCheck()
{
    QFETCH(QString, before);
    QFETCH(QStringList, keys);
    QFETCH(QString, after);
    QFETCH(int, boxAfterKey);
    QFETCH(QString, boxText);
    auto *box = static_cast<QLineEdit *>(widget("Text5"));
    box->setFocus(Qt::OtherFocusReason);
    if (!before.isEmpty())
        setup().setText("Text5", before);
    box->end(false);
    BoxWatcher watcher;
    if (before.isEmpty())
        box->selectAll(); // the first key replaces "15" without emptying the box
    int boxCameAfter = -1;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i] == "\b")
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, keys[i]);
        if (boxCameAfter < 0 && !watcher.boxes.empty())
            boxCameAfter = i;
    }
    QCOMPARE(boxCameAfter, boxAfterKey);
    QCOMPARE(watcher.boxes.size(), boxAfterKey < 0 ? 0u : 1u);
    QCOMPARE(box->text(), after);
    if (boxAfterKey < 0)
        return;
    const SeenBox &seen = watcher.boxes.front();
    const bool critical = boxText.startsWith("Must");
    QCOMPARE(seen.text, boxText);
    QCOMPARE(seen.title,
             critical ? QStringLiteral("Quoriam-Fake Fax Creator") : QStringLiteral("Quoriam"));
    QCOMPARE(seen.icon, critical ? QMessageBox::Critical : QMessageBox::Information);
    QCOMPARE(seen.buttons, 1);
    QVERIFY(seen.applicationModal);
    QVERIFY(seen.staysOnTop);
    QVERIFY(!seen.offersMinimise);
    // The title is not cut: the box is as wide as the title in a bold 11 pt face, as title
    // bars draw it, beside up to four title-bar buttons of 24 px.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    QVERIFY(seen.width >= QFontMetrics(titleFont).horizontalAdvance(seen.title) + 4 * 24);
    QCOMPARE(seen.owner, &setup());
}

void TstSetupWindow::messageBoxClosesByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TstSetupWindow::messageBoxClosesByKeyboard()
{
    QFETCH(int, key);
    BoxWatcher watcher(key);
    setup().setText("Text5", QString()); // the box, then "0"
    QCOMPARE(watcher.boxes.size(), 1u);
    QVERIFY(!watcher.stuck);
    QCOMPARE(text("Text5"), QStringLiteral("0"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TstSetupWindow::clear_data()
{
    QTest::addColumn<QString>("delay");
    QTest::newRow("delay unchanged") << "15";
    QTest::newRow("delay changed") << "7";
}

void TstSetupWindow::clear()
{
    QFETCH(QString, delay);
    setup().setText("Text1", QStringLiteral("Someone"));
    setup().setText("Text2", QStringLiteral("Someone else"));
    setup().setText("Text3", QStringLiteral("line one\nline two"));
    setup().setText("Text4", QStringLiteral("yesterday"));
    setup().setText("Text5", delay);
    clickOn("Picture1");
    QSignalSpy changes(static_cast<QLineEdit *>(widget("Text5")), &QLineEdit::textChanged);
    BoxWatcher watcher;
    QTest::mouseClick(widget("Command2"), Qt::LeftButton);
    QCOMPARE(text("Text1"), QStringLiteral("Fake Person"));
    QCOMPARE(text("Text2"), QStringLiteral("Most Likely You"));
    QCOMPARE(text("Text3"), QStringLiteral("Main Message"));
    QCOMPARE(text("Text4"), QString());
    QCOMPARE(text("Text5"), QStringLiteral("15"));
    QCOMPARE(changes.size(), delay == "15" ? 0 : 1);
    QVERIFY(watcher.boxes.empty());
    QVERIFY(widget("Line2")->isHidden() && widget("Line3")->isHidden()); // lines stay hidden
}

void TstSetupWindow::iconHidesTheLinesForGood()
{
    const QImage before = setup().clientArea()->grab().toImage();
    const QPoint onLine2(310, 208), onLine3(460, 208);
    const QColor line = QApplication::palette().color(QPalette::Text);
    QCOMPARE(before.pixelColor(onLine2), line);
    QCOMPARE(before.pixelColor(onLine3), line);
    clickOn("Picture1");
    const QImage after = setup().clientArea()->grab().toImage();
    QVERIFY(after.pixelColor(onLine2) != line);
    QVERIFY(after.pixelColor(onLine3) != line);
    clickOn("Picture1");
    QCOMPARE(setup().clientArea()->grab().toImage(), after);
    // By keyboard the icon takes the focus in its turn.
    widget("Command1")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget("Command1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget("Picture1"));
}

void TstSetupWindow::messageBoxKeys()
{
    // Tab in the message box moves on; Enter starts a new line.
    auto *message = static_cast<QPlainTextEdit *>(widget("Text3"));
    message->setFocus(Qt::OtherFocusReason);
    message->moveCursor(QTextCursor::End);
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, "second line");
    QCOMPARE(text("Text3"), QStringLiteral("Main Message\nsecond line"));
    QTest::keyClick(message, Qt::Key_Tab);
    QCOMPARE(text("Text3"), QStringLiteral("Main Message\nsecond line"));
    QCOMPARE(QApplication::focusWidget(), widget("Text4"));
    // Enter on a focused button presses it.
    setup().setText("Text1", QStringLiteral("Someone"));
    widget("Command2")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget("Command2"), Qt::Key_Return);
    QCOMPARE(text("Text1"), QStringLiteral("Fake Person"));
}

void TstSetupWindow::hidingKeepsTexts()
{
    setup().setText("Text1", QStringLiteral("Kept"));
    vb::FormNew.Hide();
    QVERIFY(!setup().isVisible());
    vb::FormNew.Show();
    QCOMPARE(text("Text1"), QStringLiteral("Kept"));
}

void TstSetupWindow::closingEndsTheProgram()
{
    QVERIFY(setup().close());
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 0);
}

void TstSetupWindow::longPastes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    const QString longWord(vb::TextBox::capacity, u'x');
    QString manyLines;
    for (int i = 0; manyLines.size() + 50 <= vb::TextBox::capacity; ++i)
        manyLines += QString(49, QChar(u'a' + i % 26)) + u'\n';
    QTest::newRow("sender") << "Text1" << longWord;
    QTest::newRow("sent time") << "Text4" << longWord;
    QTest::newRow("delay") << "Text5" << longWord;
    QTest::newRow("message, one line") << "Text3" << longWord;
    QTest::newRow("message, many lines") << "Text3" << manyLines;
}

void TstSetupWindow::longPastes()
{
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QWidget *target = widget(box.toLatin1().constData());
    target->setFocus(Qt::OtherFocusReason);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(setup().text(box.toStdString()), pasted); // as long as a box holds
    setup().setCaption("Label5", QStringLiteral("stale"));
    QTRY_VERIFY(setup().caption("Label5") != QStringLiteral("stale")); // the clock ticks on
    setup().clientArea()->grab(); // and the window still paints
}

QTEST_MAIN(TstSetupWindow)
#include "tst_setupwindow.moc"
