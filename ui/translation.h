#pragma once

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace reelmoor {

// Whether the game has a catalogue of that name.
bool hasLanguage(const QString& language);

// The language the game speaks when started from this environment: the first
// of the system locale's languages, most wanted first ("de-AT", "en-US", ...),
// that the game has, trying "de_AT" and then "de". English, or reaching the end
// of the list, gives an empty name: the texts as written. English too whenever
// the messages locale (LC_ALL, LC_MESSAGES, LANG) is C or POSIX, where, as with
// gettext, LANGUAGE does not count.
QString systemLanguage();

// The language the game speaks, chosen once at start-up: the
// conventions it is spoken by, and for a language written with Han
// characters, whose forms differ between Chinese, Japanese and Korean, the
// face that draws it. The default is English, the texts as written.
class Language {
public:
    QString face() const { return m_face; }
    // Its conventions, such as its upper case.
    QLocale locale() const;
    // A label's font: its own family for Latin letters and digits, the face behind it.
    QFont labelFont(const QFont& font) const { return withFace(font, false); }
    // The application's font, for menus and boxes: the face first, as on a
    // desktop in that language, whatever the system locale prefers.
    QFont applicationFont(const QFont& font) const { return withFace(font, true); }

private:
    QFont withFace(const QFont& font, bool faceFirst) const;
    friend std::optional<Language> installLanguage(QCoreApplication& app, const QString& name);
    QString m_name;
    QString m_face;
};

// Installs the game's catalogue and Qt's own for a language given by name.
// None, and nothing installed, if the game has no catalogue for it or no
// installed font can draw its script. The translators are children of the
// application; deleting them goes back to English. Call it once the font
// configuration is read.
std::optional<Language> installLanguage(QCoreApplication& app, const QString& name);

// The same for the player's language; English, loading nothing and asking
// nothing of the system, when the player's language is English or cannot be had.
Language installPlayerLanguage(QCoreApplication& app);

} // namespace reelmoor
