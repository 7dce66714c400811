// The language the program speaks, and its translations installed (see Translation.h).
#include "platform/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace vb {

namespace {

// Where the build puts Quoriam's translations (quoriam_<language>.qm) and Qt's
// (qtbase_<language>.qm) for the same languages.
const QString folder = QStringLiteral(":/quoriam/translations");

struct Installed
{
    QTranslator program;
    QTranslator qt;
    QString language;
    QString separator = QStringLiteral(": "); // between a heading and its value
};

// What follows a heading before its value, in the language now installed.
QString separatorOfHeading()
{
    return QCoreApplication::translate("Accessibility", ": ",
                                       "between a heading and its value: \"Fax From: Ann\"");
}

Installed &installed()
{
    static Installed translations;
    return translations;
}

// The standard texts of the run-time errors, which the throwing code puts before the
// names it reports.
constexpr const char *errorTexts[] = {
    QT_TRANSLATE_NOOP("ErrorReport", "Invalid procedure call or argument"),
    QT_TRANSLATE_NOOP("ErrorReport", "Internal error"),
    QT_TRANSLATE_NOOP("ErrorReport", "Object required"),
    QT_TRANSLATE_NOOP("ErrorReport", "Object doesn't support this property or method"),
};

} // namespace

QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString &file :
         QDir(folder).entryList({QStringLiteral("quoriam_*.qm")}, QDir::Files, QDir::Name))
        languages << file.sliced(8).chopped(3);
    return languages;
}

QString chooseLanguage(const QStringList &preferences)
{
    const QStringList shipped = shippedLanguages();
    for (const QString &preference : preferences) {
        // "de-DE", "de-Latn-DE" or "sr_RS@latin": the language is what comes first.
        const QString code = preference.section(u'-', 0, 0).section(u'_', 0, 0).section(u'@', 0, 0);
        if (code == u"C" || code == u"POSIX")
            return {};
        const QLocale::Language language = QLocale::codeToLanguage(code);
        if (language == QLocale::English)
            return {};
        const QString name = QLocale::languageToCode(language);
        if (language != QLocale::AnyLanguage && shipped.contains(name))
            return name;
    }
    return {};
}

bool useLanguage(const QString &language)
{
    if (!language.isEmpty() && !shippedLanguages().contains(language))
        return false;
    Installed &translations = installed();
    QCoreApplication::removeTranslator(&translations.program);
    QCoreApplication::removeTranslator(&translations.qt);
    translations.language = language;
    translations.separator = separatorOfHeading();
    if (language.isEmpty())
        return true;
    // The build compiles both in for every shipped language: a failure here is a broken
    // build, which the tests catch; the program then speaks English.
    if (!translations.program.load(QStringLiteral("quoriam_") + language, folder) ||
        !translations.qt.load(QStringLiteral("qtbase_") + language, folder)) {
        translations.language.clear();
        return false;
    }
    QCoreApplication::installTranslator(&translations.qt);
    QCoreApplication::installTranslator(&translations.program);
    translations.separator = separatorOfHeading();
    return true;
}

void useUsersLanguage()
{
    useLanguage(chooseLanguage(QLocale::system().uiLanguages()));
}

QString currentLanguage()
{
    return installed().language;
}

QString translate(const char *context, const char *text)
{
    static QTranslator early;
    static const bool loaded = [] {
        const QString language = chooseLanguage(QLocale::system().uiLanguages());
        return !language.isEmpty() && early.load(QStringLiteral("quoriam_") + language, folder);
    }();
    const QString translated = loaded ? early.translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString captionText(std::string_view form, std::string_view caption)
{
    const std::size_t start = std::min(caption.find_first_not_of(' '), caption.size());
    QString shown = QString(static_cast<qsizetype>(start), u' ');
    if (start == caption.size())
        return shown;
    const QByteArray context(form.data(), static_cast<qsizetype>(form.size()));
    const QByteArray text(caption.data() + start, static_cast<qsizetype>(caption.size() - start));
    return shown + QCoreApplication::translate(context.constData(), text.constData());
}

QString headingAndValue(QString heading, const QString &value)
{
    const QString &separator = installed().separator;
    heading.reserve(heading.size() + separator.size() + value.size());
    heading += separator;
    heading += value;
    return heading;
}

QString errorDescription(const QString &description)
{
    const qsizetype end = description.indexOf(QStringLiteral(": "));
    const QByteArray standard = (end < 0 ? description : description.first(end)).toUtf8();
    const auto known = std::find_if(std::begin(errorTexts), std::end(errorTexts),
                                    [&](const char *text) { return standard == text; });
    if (known == std::end(errorTexts))
        return description;
    const QString translated = QCoreApplication::translate("ErrorReport", *known);
    if (end < 0)
        return translated;
    return QCoreApplication::translate("ErrorReport", "%1: %2")
        .arg(translated, description.sliced(end + 2));
}

} // namespace vb
