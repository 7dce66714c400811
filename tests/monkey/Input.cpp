// The monkey's pastes and keystrokes, delivered as the window system would.
#include "tests/monkey/Input.h"

#include "tests/monkey/Screen.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace monkey {

std::vector<Paste> makePastes()
{
    QString manyLines;
    for (int i = 0; i < 2'000; ++i)
        manyLines += QString(49, QChar(u'a' + i % 26)) + u'\n';
    return {
        {"100k letters", QString(100'000, u'x')},
        {"100k in 2000 lines", manyLines},
        {"100k digits ending in 7", QString(99'999, u'0') + u'7'},
        {"line breaks", QStringLiteral("line one\nline two\r\nline three\rend\n")},
        {"ampersands", QStringLiteral("A & B && &&& &amp; &File")},
        {"bold markup", QStringLiteral("<b>x</b>")},
        {"image markup", QStringLiteral("<img src=x>")},
        {"rich page", QStringLiteral("<html><body><h1>big</h1><a href='x'>y</a></body></html>")},
        {"Hebrew", QStringLiteral(u"שלום עולם")},
        {"Arabic", QStringLiteral(u"مرحبا بالعالم ١٢٣")},
        {"bidi override", QStringLiteral(u"abc \u202Eevil\u202C def \u200F!")},
        {"combining marks", QStringLiteral(u"e\u0301\u0301\u0301 Z\u0351\u0352\u0353\u0354\u0355"
                                           u"\u0356\u0357\u0358 a\u20DD")},
        {"emoji", QStringLiteral(u"😀🎉👍🏽👨‍👩‍👧‍👦🏳️‍🌈")},
        {"NUL inside", QString::fromUtf16(u"a\0b\0", 4)},
        {"control characters",
         QString::fromUtf16(u"\x01\x02\x07\x08\x1b[31m\x7f\x85\x9b\u2028\u2029\uFEFF", 14)},
        {"lone surrogate", QString::fromUtf16(u"x\xD800y", 3)},
        {"easter egg", easterEgg},
        {"easter egg and line break", easterEgg + u'\n'},
        {"zero", QStringLiteral("0")},
        {"minus zero", QStringLiteral("-0")},
        {"half", QStringLiteral("2.5")},
        {"spaces around", QStringLiteral("  42  ")},
        {"largest", QStringLiteral("2147483647")},
        {"just too large", QStringLiteral("2147483648")},
        {"smallest", QStringLiteral("-2147483648")},
        {"just too small", QStringLiteral("-2147483649")},
        {"huge exponent", QStringLiteral("1e999999999999")},
        {"huge negative exponent", QStringLiteral("1e-999999999999")},
        {"zero with huge exponent", QStringLiteral("0e99999999999999999999")},
        {"exponent overflowing int", QStringLiteral("1e2147483648")},
        {"hex", QStringLiteral("0x10")},
        {"thousands separator", QStringLiteral("1,000")},
        {"fullwidth digits", QStringLiteral(u"１２")},
        {"nothing", QString()},
    };
}

namespace {

// QTest sends a key's modifiers and the key in one go, running the event loop after
// each. While they go in, a window that one of them deletes (a menu that deletes itself
// on closing, closed by Alt) is kept until the stroke is over, and nothing more of the
// stroke reaches it: it is then deleted, as it would have been at once.
class GoneWindowGuard : public QObject
{
public:
    explicit GoneWindowGuard(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~GoneWindowGuard() override
    {
        qApp->removeEventFilter(this);
        if (gone_)
            delete window_.data();
    }
    bool gone() const { return gone_ || !window_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!window_)
            return false;
        if (event->type() == QEvent::DeferredDelete && watched == window_) {
            gone_ = true;
            return true;
        }
        if (gone_ && watched == window_->windowHandle() &&
            (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress ||
             event->type() == QEvent::KeyRelease)) {
            event->accept(); // taken, so that no shortcut acts on it either
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool gone_ = false;
};

} // namespace

void keyStroke(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, QString text)
{
    if (text.isNull()) {
        if (const char ascii = QTest::keyToAscii(key))
            text = QString(QChar::fromLatin1(ascii));
    }
    const GoneWindowGuard guard(window);
    QTest::sendKeyEvent(QTest::Press, window->windowHandle(), key, text, modifiers);
    if (!guard.gone())
        QTest::sendKeyEvent(QTest::Release, window->windowHandle(), key, text, modifiers);
}

void typeCharacter(QWidget *window, char character)
{
    keyStroke(window, QTest::asciiToKey(character), {}, QString(QChar::fromLatin1(character)));
}

void activate(QWidget *window)
{
    if (!window || QApplication::activeWindow() == window || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget())
        return;
    window->activateWindow();
    waitUntilActive(window);
}

bool waitUntilActive(QWidget *window)
{
    QPointer<QWidget> guard(window);
    const QDeadlineTimer deadline(5000);
    do {
        QCoreApplication::processEvents();
        if (!guard || guard->isActiveWindow())
            return true;
        QThread::usleep(200);
    } while (!deadline.hasExpired());
    return false;
}

void closePopups()
{
    for (int i = 0; i < 5; ++i) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        popup->close();
    }
}

} // namespace monkey
