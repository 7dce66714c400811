// The program in its user's language: the language chosen from the desktop's settings,
// every caption fitting its control in every shipped language (measured in the shipped
// fonts), access keys, Qt's own texts in the same language, and the handlers' texts.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/Resources.h"
#include "platform/Translation.h"
#include "platform/controls/LabelControl.h"
#include "platform/controls/LineControl.h"
#include "platform/controls/ShapeControl.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QStyleOptionButton>

#include <algorithm>
#include <cstdio>

using namespace test;

namespace {

// A control's caption (a text box's text) as it is drawn: the text, the room it has in
// the control and how it is laid out there. No text for other controls.
struct Caption
{
    QString text;
    QRect room;
    int flags = 0;
};

Caption captionOf(const QWidget *widget)
{
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto *label = qobject_cast<const vb::LabelControl *>(widget))
        return {label->text(), label->rect(), int(label->alignment() | Qt::TextWordWrap)};
    if (auto *frame = qobject_cast<const QGroupBox *>(widget)) // as FrameControl draws it
        return {frame->title(), QRect(10, 0, frame->width() - 20, frame->fontMetrics().height()),
                left};
    QStyleOptionButton option;
    option.initFrom(widget);
    QStyle *style = widget->style();
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, widget) / 2;
        return {button->text(),
                style->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
                    .adjusted(margin, 0, -margin, 0),
                Qt::AlignCenter | Qt::TextShowMnemonic};
    }
    if (auto *box = qobject_cast<const QLineEdit *>(widget)) { // inside its frame and margin
        const int inset = style->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        return {box->text(), box->rect().adjusted(inset, 0, -inset, 0), left};
    }
    if (auto *box = qobject_cast<const QPlainTextEdit *>(widget)) {
        const int margin = static_cast<int>(box->document()->documentMargin());
        return {box->toPlainText(),
                box->viewport()->geometry().adjusted(margin, margin, -margin, -margin),
                Qt::AlignLeft | Qt::AlignTop};
    }
    return {};
}

// The bounds of the ink of `text` as Qt draws it in `box` with `flags`, not clipped.
QRect inkOf(const QString &text, const QFont &font, QRect box, int flags)
{
    constexpr int margin = 200;
    QImage image(box.right() + 2 * margin, box.bottom() + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(box.translated(margin, margin), flags | Qt::TextDontClip, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.translated(-margin, -margin);
}

// Whether `upper` is painted over `lower`, neither holding the other: of their
// ancestors under the nearest common one, the later child is on top.
bool paintedOver(const QWidget *upper, const QWidget *lower)
{
    const auto chain = [](const QWidget *widget) {
        QList<const QWidget *> ancestors;
        for (; widget; widget = widget->parentWidget())
            ancestors.prepend(widget);
        return ancestors;
    };
    const QList<const QWidget *> a = chain(upper), b = chain(lower);
    qsizetype level = 0;
    while (a[level] == b[level])
        ++level;
    const QObjectList &siblings = a[level - 1]->children();
    return siblings.indexOf(a[level]) > siblings.indexOf(b[level]);
}

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint()), widget->size());
}

// The characters of `text` that `font` itself has no glyph for (Qt would draw them in
// another face).
QString missingGlyphs(const QString &text, const QFont &font)
{
    const QRawFont face = QRawFont::fromFont(font);
    QString missing;
    for (QChar c : text) {
        if (!face.supportsCharacter(c))
            missing += c;
    }
    return missing;
}

void addLanguages(bool withEnglish)
{
    QTest::addColumn<QString>("language");
    if (withEnglish)
        QTest::newRow("en") << QString();
    for (const QString &language : vb::shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init() { startProject(); }
    void cleanup()
    {
        runtime().reset();
        vb::useLanguage({});
    }

    void languageChoice_data();
    void languageChoice();
    void captionsFit_data();
    void captionsFit();
    void accessKeys_data() { addLanguages(true); }
    void accessKeys();
    void inEveryLanguage_data() { addLanguages(false); }
    void inEveryLanguage();
    void errorReport();
};

void TstTranslations::languageChoice_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("spoken"); // the language, then the decimal point
    QTest::newRow("nothing set") << QStringList{} << " .";
    QTest::newRow("C") << QStringList{"LANG=C"} << " .";
    QTest::newRow("German desktop") << QStringList{"LANG=de_DE.UTF-8"} << "de ,";
    QTest::newRow("Austrian German") << QStringList{"LANG=de_AT.UTF-8"} << "de ,";
    QTest::newRow("LANGUAGE alone") << QStringList{"LANGUAGE=fr"} << "fr .";
    QTest::newRow("English words, German numbers")
        << QStringList{"LANGUAGE=en", "LANG=de_DE.UTF-8"} << " ,";
    QTest::newRow("first shipped of the list") << QStringList{"LANGUAGE=pt_BR:es"} << "es .";
    QTest::newRow("English before German") << QStringList{"LANGUAGE=en_GB:de"} << " .";
    QTest::newRow("not shipped") << QStringList{"LANG=it_IT.UTF-8"} << " ,";
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LC_ALL=es_ES.UTF-8", "LANG=de_DE.UTF-8"} << "es ,";
    QTest::newRow("LC_MESSAGES for words, LC_NUMERIC for numbers")
        << QStringList{"LC_MESSAGES=fr_FR.UTF-8", "LC_NUMERIC=C", "LANG=de_DE.UTF-8"} << "fr .";
}

void TstTranslations::languageChoice()
{
#ifdef Q_OS_WIN
    QSKIP("Windows takes the display language from its settings, not from the environment");
#endif
    QFETCH(QStringList, environment);
    QFETCH(QString, spoken);
    QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
        settings.remove(QString::fromLatin1(name));
    for (const QString &entry : environment)
        settings.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    QProcess child;
    child.setProcessEnvironment(settings);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--spoken")});
    QVERIFY(child.waitForFinished(-1)); // the test's watchdog bounds it
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), spoken.trimmed());
}

void TstTranslations::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("form");
    for (const QString &language : QStringList{QString()} + vb::shippedLanguages()) {
        for (const char *form : {"Form1", "FormNew", "Form2", "FormAbout"})
            QTest::addRow("%s %s", language.isEmpty() ? "en" : qPrintable(language), form)
                << language << QString::fromLatin1(form);
    }
}

// Every caption, and a text box's default, lies whole inside its control and containers,
// or no further out than the English does (the flourishes of a script face), give or
// take the pixel at a glyph's edge (the foot of an italic capital). Nothing covers or
// crosses it (a control painted over it, a line or a shape's outline through it) where
// nothing covers or crosses the English. Every letter has a glyph in the control's font,
// and the title fits a title bar.
void TstTranslations::captionsFit()
{
    QFETCH(QString, language);
    QFETCH(QString, form);
    QVERIFY(vb::useLanguage(language));
    vb::FormWindow &window = runtime().window(form.toStdString());
    window.showForm();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // As a window manager draws a title: bold, 11 points, beside the bar's buttons.
    QFont titleFont = vb::dialogFont();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    const QFontMetrics title(titleFont);
    QVERIFY2(title.horizontalAdvance(window.windowTitle()) + 4 * (title.height() + 10) <=
                 window.width(),
             qPrintable(window.windowTitle()));
    for (QAction *menu : window.findChildren<QAction *>())
        QVERIFY2(missingGlyphs(menu->text(), window.font()).isEmpty(), qPrintable(menu->text()));

    std::vector<std::pair<QWidget *, QString>> controls; // each with its English caption
    const auto &forms = quoriam::project().forms;
    const auto definition = std::find_if(forms.begin(), forms.end(), [&](const auto &each) {
        return each.description.name == window.name();
    });
    for (const vb::ControlDescription &control : definition->description.controls) {
        const QString english = control.read([](const auto &description) {
            if constexpr (requires { description.caption; })
                return QString::fromUtf8(description.caption);
            else if constexpr (requires { description.text; })
                return QString::fromUtf8(description.text);
            return QString();
        });
        QWidget *widget = window.control(control.name()).widget;
        if (widget && widget->isVisible())
            controls.emplace_back(widget, english);
    }
    for (const auto &[widget, english] : controls) {
        const Caption caption = captionOf(widget);
        const QString &text = caption.text;
        if (text.isEmpty())
            continue;
        QVERIFY2(missingGlyphs(text, widget->font()).isEmpty(),
                 qPrintable(text + ": no glyph for " + missingGlyphs(text, widget->font())));
        const QPoint at = inWindow(widget).topLeft();
        const QRect ink = inkOf(text, widget->font(), caption.room, caption.flags).translated(at);
        const QRect was =
            inkOf(english, widget->font(), caption.room, caption.flags).translated(at);
        QList<QRect> holders{caption.room.translated(at)};
        for (const QWidget *holder = widget; holder != &window; holder = holder->parentWidget())
            holders << inWindow(holder);
        for (const QRect &holder : holders) {
            QVERIFY2(holder.united(was).adjusted(-1, -1, 1, 1).contains(ink),
                     qPrintable(text + " is cut off"));
        }
        for (const auto &[other, unused] : controls) {
            const QRect place = inWindow(other);
            if (other == widget || other->isAncestorOf(widget) || !place.intersects(ink))
                continue;
            const bool shape = qobject_cast<const vb::ShapeControl *>(other);
            if (shape && place.adjusted(1, 1, -1, -1).contains(ink))
                continue; // inside the outline
            if (!shape && !qobject_cast<const vb::LineControl *>(other) &&
                !paintedOver(other, widget))
                continue;
            QVERIFY2(place.intersects(was) &&
                         place.intersected(ink).height() <= place.intersected(was).height(),
                     qPrintable(text + " is crossed or covered by " + other->objectName()));
        }
    }
}

// Each entry of the menu bar and of each menu has an access key, none twice in one menu.
void TstTranslations::accessKeys()
{
    QFETCH(QString, language);
    vb::useLanguage(language);
    auto *bar = runtime().window("Form1").findChild<QMenuBar *>();
    QList<QList<QAction *>> menus{bar->actions()};
    for (QAction *entry : bar->actions())
        menus << entry->menu()->actions();
    for (const QList<QAction *> &menu : menus) {
        QList<QKeySequence> keys;
        for (QAction *entry : menu) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            QVERIFY2(!key.isEmpty() && entry->text().count(u'&') == 1, qPrintable(entry->text()));
            QVERIFY2(!keys.contains(key), qPrintable(entry->text() + " repeats an access key"));
            keys << key;
        }
    }
}

// In every language Qt's own texts come in that language (a text box's context menu reads
// nothing as in English), the easter egg answers its phrase as it is, Clear restores the
// defaults the window was built with, and a box is named by its heading without the
// colon (also the French one, which has a space before it), a value by its heading and
// itself, joined as the language joins them.
void TstTranslations::inEveryLanguage()
{
    QFETCH(QString, language);
    const auto contextMenu = [] {
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (const QAction *entry : menu->actions())
            texts << entry->text();
        return texts;
    };
    const QStringList english = contextMenu();
    QVERIFY(vb::useLanguage(language));
    const QStringList translated = contextMenu();
    QCOMPARE(translated.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(english[i].isEmpty() || translated[i] != english[i], qPrintable(english[i]));

    vb::FormWindow &setup = runtime().window("FormNew");
    const QString sender = setup.text("Text1"), message = setup.text("Text3");
    QCOMPARE(sender, QCoreApplication::translate("FormNew", "Fake Person"));
    BoxWatcher watcher;
    setup.setText("Text5", QStringLiteral("Razo Rules"));
    QCOMPARE(watcher.boxes.size(), 1u);
    QCOMPARE(watcher.boxes[0].text,
             QCoreApplication::translate("FormNew", "Yaaaaa hooooooo, yup, he does!!!"));
    setup.setText("Text1", QStringLiteral("Ann"));
    setup.setText("Text3", QStringLiteral("Hello"));
    runtime().raise(setup, "Command2", "Click");
    QCOMPARE(setup.text("Text1"), sender);
    QCOMPARE(setup.text("Text3"), message);
    const QString heading = setup.caption("Label1");
    QVERIFY(heading.endsWith(u':'));
    QCOMPARE(setup.control("Text1").widget->accessibleName(), heading.chopped(1).trimmed());
    vb::Form2["Label2"].setCaption(QStringLiteral("Ann")); // "Fax From: Ann", "De : Ann"
    QVERIFY(runtime().window("Form2").control("Label2").widget->accessibleName().endsWith(
        QCoreApplication::translate("Accessibility", ": ",
                                    "between a heading and its value: "
                                    "\"Fax From: Ann\"") +
        QStringLiteral("Ann")));
}

// The error report in German: its words translated, the names it reports as they are.
void TstTranslations::errorReport()
{
    QVERIFY(vb::useLanguage(QStringLiteral("de")));
    BoxWatcher watcher;
    try {
        vb::Form2["Label99"].caption();
        QFAIL("Form2 has no Label99");
    } catch (const vb::Error &error) {
        runtime().reportError(error.number(), QString::fromUtf8(error.what()));
    }
    QCOMPARE(watcher.boxes.size(), 1u);
    QCOMPARE(watcher.boxes[0].text,
             QStringLiteral("Laufzeitfehler '424':\n\nObjekt erforderlich: Form2.Label99"));
}

// `tst_translations --spoken`: the language the program speaks in this environment and
// the decimal point of its numbers (languageChoice runs it with each environment).
int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--spoken") == 0) {
        QCoreApplication app(argc, argv);
        vb::useUsersLanguage();
        std::printf("%s %s\n", qPrintable(vb::currentLanguage()),
                    qPrintable(QLocale().decimalPoint()));
        return 0;
    }
    QApplication app(argc, argv);
    TstTranslations test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
