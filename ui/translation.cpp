#include "translation.h"

#include "fontconfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace reelmoor {

namespace {
const char* const kCatalogues = ":/i18n";
const char* const kPrefix = "reelmoor_";

bool isCLocale(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

// Han characters take different forms in each of these.
bool writtenWithHan(const QString& language) {
    return QList{QLocale::HanScript, QLocale::SimplifiedHanScript, QLocale::TraditionalHanScript,
                 QLocale::JapaneseScript, QLocale::KoreanScript}
        .contains(QLocale(language).script());
}

// fontconfig's name of a language: "zh-cn" and "zh-tw" tell the two Chinese
// scripts apart; otherwise the language alone, as in "pt" for pt_BR.
QByteArray fontconfigLanguage(const QString& language) {
    if (language.startsWith(QLatin1String("zh_"))) {
        return language.toLower().replace(QLatin1Char('_'), QLatin1Char('-')).toLatin1();
    }
    return language.section(QLatin1Char('_'), 0, 0).toLatin1();
}
} // namespace

bool hasLanguage(const QString& language) {
    return QFile::exists(QLatin1String(kCatalogues) + QLatin1Char('/') + QLatin1String(kPrefix) +
                         language + QLatin1String(".qm"));
}

QString systemLanguage() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (messages.isEmpty()) {
            messages = qEnvironmentVariable(variable);
        }
    }
    if (messages.isEmpty() || isCLocale(messages)) {
        return {};
    }
    for (QString name : QLocale::system().uiLanguages()) {
        // "de-Latn-AT" tries de_Latn_AT, de_Latn, de.
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        while (!name.isEmpty()) {
            if (name == QLatin1String("en") || isCLocale(name)) {
                return {};
            }
            if (hasLanguage(name)) {
                return name;
            }
            name.truncate(std::max(name.lastIndexOf(QLatin1Char('_')), qsizetype(0)));
        }
    }
    return {};
}

QLocale Language::locale() const {
    return m_name.isEmpty() ? QLocale(QLocale::English) : QLocale(m_name);
}

QFont Language::withFace(const QFont& font, bool faceFirst) const {
    if (m_face.isEmpty()) {
        return font;
    }
    const QString family = QFontInfo(font).family();
    QFont chosen = font;
    chosen.setFamilies(faceFirst ? QStringList{m_face, family} : QStringList{family, m_face});
    return chosen;
}

std::optional<Language> installLanguage(QCoreApplication& app, const QString& name) {
    // Never a row of empty boxes: without a font for the script, English.
    const QByteArray lang = fontconfigLanguage(name);
    const QStringList covering = familiesCovering(lang);
    auto game = std::make_unique<QTranslator>(&app);
    if (covering.isEmpty() ||
        !game->load(QLatin1String(kPrefix) + name, QLatin1String(kCatalogues))) {
        return std::nullopt;
    }
    QCoreApplication::installTranslator(game.release());
    // Qt's words in its own dialogs, such as a message box's button. Without
    // Debian's qt6-translations-l10n they stay English.
    auto qt = std::make_unique<QTranslator>(&app);
    if (qt->load(QLatin1String("qtbase_") + name,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.release());
    }
    Language language;
    language.m_name = name;
    if (writtenWithHan(name)) {
        language.m_face = preferredFace(covering, lang);
    }
    return language;
}

Language installPlayerLanguage(QCoreApplication& app) {
    const QString name = systemLanguage();
    return name.isEmpty() ? Language() : installLanguage(app, name).value_or(Language());
}

} // namespace reelmoor
