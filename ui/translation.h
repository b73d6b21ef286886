#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace reelmoor {

// Whether the game has a catalogue of that name.
bool hasLanguage(const QString& language);

// The language to speak: the first of the player's languages, most wanted first
// ("de-AT", "en-US", ...), that the game has, trying "de_AT" and then "de". English,
// or reaching the end of the list, gives an empty name: the texts as written.
// English too whenever the messages locale (LC_ALL, LC_MESSAGES, LANG) is C or
// POSIX, where, as with gettext, LANGUAGE does not count.
QString playerLanguage(const QStringList& uiLanguages);

// Installs the game's catalogue and Qt's own for the player's language; in
// English it loads nothing.
void installTranslations(QCoreApplication& app);

// The same for a language given by name. False if the game has no catalogue
// for it. The translators are children of the application.
bool installTranslations(QCoreApplication& app, const QString& language);

} // namespace reelmoor
