// The language the program speaks: chosen from the user's preferences, and Quoriam's and
// Qt's own translations of it (compiled in) installed before any window is built. English
// is the language the texts are written in; with it, no translation is installed.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace vb {

// The languages shipped besides English, as resource names give them: "de", "es", "fr".
QStringList shippedLanguages();

// The language to speak for the user's preferred languages, most preferred first, as
// QLocale::system().uiLanguages() lists them ("de-DE", "fr", "C"): the first that is
// English (or "C") or shipped. An empty string stands for English.
QString chooseLanguage(const QStringList &preferences);

// Installs the translations of `language` (a shipped one, or empty for English) in place
// of those installed before: Quoriam's texts, and Qt's own (buttons, context menus).
// Returns false, changing nothing, for a language that is not shipped.
bool useLanguage(const QString &language);

// The language of the desktop: on Linux LANGUAGE, then LC_ALL, LC_MESSAGES and LANG; on
// Windows the user's display language. Needs the application object.
void useUsersLanguage();

// The language installed last; empty for English.
QString currentLanguage();

// A text in the desktop's language, also before the application object exists and has
// its translations installed: the lines that say why it could not start. lupdate finds
// it as QCoreApplication::translate.
QString translate(const char *context, const char *text);

// A caption of a window's description as the user reads it: translated in the window's
// context. Leading spaces, which push a title to the right of its bar, stay as they are
// and are not part of the text translated.
QString captionText(std::string_view form, std::string_view caption);

// A value named by its heading for assistive tools ("Fax From: Ann"), joined as the
// language joins them. Cheap: a clock's value changes ten times a second.
QString headingAndValue(QString heading, const QString &value);

// The description of a run-time error as the error report shows it: the standard text
// of the error (up to the first ": ") translated, the names after it as they are.
QString errorDescription(const QString &description);

} // namespace vb
