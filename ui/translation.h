#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace reelmoor {

// The languages the game has, as catalogue names: "de", "pt_BR", ...
QStringList availableLanguages();

// Whether the game has a catalogue of that name.
bool hasLanguage(const QString& language);

// The language to speak: the first of the player's languages, most wanted first
// ("de-AT", "en-US", ...), that the game has, trying "de_AT" and then "de". English,
// or reaching the end of the list, gives an empty name: the texts as written.
// English too whenever the messages locale (LC_ALL, LC_MESSAGES, LANG) is C or
// POSIX, where, as with gettext, LANGUAGE does not count. The player's languages
// are asked for only when needed.
QString playerLanguage(const std::function<QStringList()>& uiLanguages);

// Installs the game's catalogue and Qt's own for the player's language, and
// returns that language (empty for English, which loads nothing).
QString installTranslations(QCoreApplication& app);

// The same for a language given by name, for the tests. False if the game has no
// catalogue for it.
bool installTranslations(QCoreApplication& app, const QString& language);

// Removes what installTranslations put in, back to English.
void removeTranslations(QCoreApplication& app);

} // namespace reelmoor
