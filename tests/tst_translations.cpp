// The program in its user's language: the language chosen from the desktop's settings,
// every caption fitting its control in every shipped language (measured in the shipped
// fonts), access keys, Qt's own texts in the same language, and the handlers' texts.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "platform/Controls.h"
#include "platform/Resources.h"
#include "platform/Translation.h"

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
#include <QStyleOptionFrame>

#include <cstdio>

using namespace test;

namespace {

// Where a text is drawn: the bounds of its ink when Qt draws it in `box` as `flags` say,
// in the box's coordinates. Nothing clips it.
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

// The room of a button's label: inside its frame, with the style's margin.
QRect buttonLabelRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
    return button->style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        .adjusted(margin, 0, -margin, 0);
}

// The caption a control shows, or a text box's text.
QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const vb::LabelControl *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return box->toPlainText();
    return {};
}

// The width a text box shows without scrolling; -1 for other controls.
int textBoxRoom(const QWidget *widget)
{
    if (auto *box = qobject_cast<const QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        // 2: the editor's own margin on each side.
        return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
    }
    if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return box->viewport()->width() - 2 * static_cast<int>(box->document()->documentMargin());
    return -1;
}

// The ink of `text` as `widget` would draw it in its place, in the window's coordinates;
// null for a text box.
QRect inkOf(const QWidget *widget, const QString &text)
{
    QRect ink;
    if (auto *label = qobject_cast<const vb::LabelControl *>(widget))
        ink = inkOf(text, label->font(), label->rect(), label->alignment() | Qt::TextWordWrap);
    else if (auto *button = qobject_cast<const QPushButton *>(widget))
        ink = inkOf(text, button->font(), buttonLabelRoom(button),
                    Qt::AlignCenter | Qt::TextShowMnemonic);
    else if (qobject_cast<const QGroupBox *>(widget)) // as FrameControl draws it
        ink = inkOf(text, widget->font(),
                    QRect(10, 0, widget->width(), widget->fontMetrics().height()),
                    Qt::AlignLeft | Qt::AlignVCenter);
    return ink.isNull() ? ink : ink.translated(inWindow(widget).topLeft());
}

const vb::FormDefinition *definitionOf(const QString &form)
{
    for (const vb::FormDefinition *definition : {&vb::Form1Definition, &vb::FormNewDefinition,
                                                 &vb::Form2Definition, &vb::FormAboutDefinition}) {
        if (QString::fromUtf8(definition->description.name) == form)
            return definition;
    }
    return nullptr;
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
    void accessKeys_data();
    void accessKeys();
    void qtTexts_data();
    void qtTexts();
    void handlerTexts_data();
    void handlerTexts();
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
    // English too: the measure holds for the windows as they were drawn.
    for (const QString &language : QStringList{QString()} + vb::shippedLanguages()) {
        for (const char *form : {"Form1", "FormNew", "Form2", "FormAbout"})
            QTest::addRow("%s %s", language.isEmpty() ? "en" : qPrintable(language), form)
                << language << QString::fromLatin1(form);
    }
}

// Every caption lies whole inside its control and the control's containers, drawn in
// glyphs of its own font, and nothing covers it or crosses it: no other control painted
// over it, no line or outline of a shape through it. The title fits a title bar.
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
    for (QAction *menu : window.findChildren<QAction *>()) {
        QVERIFY2(missingGlyphs(menu->text(), window.font()).isEmpty(), qPrintable(menu->text()));
    }

    std::vector<std::pair<QWidget *, QString>> controls; // each with its English caption
    for (const vb::ControlDescription &control : definitionOf(form)->description.controls) {
        if (QWidget *widget = window.control(control.name).widget; widget && widget->isVisible())
            controls.emplace_back(widget, QString::fromUtf8(control.caption));
    }
    for (const auto &[widget, english] : controls) {
        const QString text = shownText(widget);
        if (text.isEmpty())
            continue;
        QVERIFY2(missingGlyphs(text, widget->font()).isEmpty(),
                 qPrintable(text + ": no glyph for " + missingGlyphs(text, widget->font())));
        // A text box's default shows whole, without scrolling.
        if (const int room = textBoxRoom(widget); room >= 0)
            QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
        const QRect ink = inkOf(widget, text), was = inkOf(widget, english);
        if (ink.isNull())
            continue;
        // Nothing cut off: the text stays inside its control (a button's label inside the
        // button's frame) and every container, or no further out than the English does
        // (the flourishes of a script face), give or take the pixel at a glyph's edge (the
        // foot of an italic capital).
        QList<QRect> holders{inWindow(widget)};
        if (auto *button = qobject_cast<QPushButton *>(widget))
            holders = {buttonLabelRoom(button).translated(inWindow(widget).topLeft())};
        for (const QWidget *holder = widget->parentWidget(); holder != &window;
             holder = holder->parentWidget())
            holders << inWindow(holder);
        for (const QRect &holder : holders) {
            QVERIFY2(holder.united(was).adjusted(-1, -1, 1, 1).contains(ink),
                     qPrintable(text + " is cut off"));
        }
        // Nothing covers or crosses it where it does not cover or cross the English.
        for (const auto &[other, unused] : controls) {
            const QRect place = inWindow(other);
            if (other == widget || other->isAncestorOf(widget) || !place.intersects(ink))
                continue;
            const bool shape = qobject_cast<const vb::ShapeControl *>(other);
            if (shape && place.adjusted(1, 1, -1, -1).contains(ink))
                continue; // inside the outline
            const bool drawnThrough = shape || qobject_cast<const vb::LineControl *>(other);
            if (!drawnThrough && !paintedOver(other, widget))
                continue;
            QVERIFY2(place.intersects(was) &&
                         place.intersected(ink).height() <= place.intersected(was).height(),
                     qPrintable(text + " is crossed or covered by " + other->objectName()));
        }
    }
}

void TstTranslations::accessKeys_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString &language : vb::shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
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

void TstTranslations::qtTexts_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : vb::shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// Qt's own texts come in the same language: a text box's context menu reads nothing as it
// does in English.
void TstTranslations::qtTexts()
{
    QFETCH(QString, language);
    const auto entries = [] {
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (const QAction *entry : menu->actions()) {
            if (!entry->isSeparator())
                texts << entry->text();
        }
        return texts;
    };
    const QStringList english = entries();
    QVERIFY(vb::useLanguage(language));
    const QStringList translated = entries();
    QCOMPARE(translated.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
}

void TstTranslations::handlerTexts_data()
{
    qtTexts_data();
}

// In every language the easter egg answers the phrase as it is, Clear restores the
// defaults the window was built with, and a box is named by its heading without the
// colon (also the French one, which has a space before it).
void TstTranslations::handlerTexts()
{
    QFETCH(QString, language);
    QVERIFY(vb::useLanguage(language));
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
