#pragma once

#include <QFont>
#include <QLocale>
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

// The language the game speaks when started from this environment: the
// player's, from the system locale's languages, as playerLanguage() chooses.
QString systemLanguage();

// Installs the game's catalogue and Qt's own for the player's language; in
// English it loads nothing and asks nothing of the system. Call it once the
// font configuration is read.
void installTranslations(QCoreApplication& app);

// The same for a language given by name. False, and nothing installed, if the
// game has no catalogue for it or no installed font can draw its script. The
// translators are children of the application; deleting them goes back to
// English, except for the application's font, which a Han language changes.
bool installTranslations(QCoreApplication& app, const QString& language);

// The face that draws the language in its own letter forms, as fontconfig
// picks it for that language; empty if no installed font covers it.
QString languageFace(const QString& language);

// The font with the spoken language's face behind its own, for languages
// written with Han characters, whose forms differ between Chinese, Japanese
// and Korean; otherwise the font as it is.
QFont languageFont(const QFont& font);

// The spoken language's conventions, such as its upper case: English when the
// game speaks English.
QLocale spokenLocale();

} // namespace reelmoor
