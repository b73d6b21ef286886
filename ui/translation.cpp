#include "translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace reelmoor {

namespace {
const char* const kCatalogues = ":/i18n";
const char* const kPrefix = "reelmoor_";

bool isCLocale(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}
} // namespace

bool hasLanguage(const QString& language) {
    return QFile::exists(QLatin1String(kCatalogues) + QLatin1Char('/') + QLatin1String(kPrefix) +
                         language + QLatin1String(".qm"));
}

QString playerLanguage(const QStringList& uiLanguages) {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty()) {
            break;
        }
    }
    if (messages.isEmpty() || isCLocale(messages)) {
        return {};
    }
    for (const QString& wanted : uiLanguages) {
        // "de-Latn-AT" tries de_Latn_AT, de_Latn, de.
        QString name = wanted;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            if (name == QLatin1String("en") || isCLocale(name)) {
                return {};
            }
            if (hasLanguage(name)) {
                return name;
            }
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut <= 0) {
                break;
            }
            name.truncate(cut);
        }
    }
    return {};
}

void installTranslations(QCoreApplication& app) {
    const QString language = playerLanguage(QLocale::system().uiLanguages());
    if (!language.isEmpty()) {
        installTranslations(app, language);
    }
}

bool installTranslations(QCoreApplication& app, const QString& language) {
    auto game = std::make_unique<QTranslator>(&app);
    if (!game->load(QLatin1String(kPrefix) + language, QLatin1String(kCatalogues))) {
        return false;
    }
    QCoreApplication::installTranslator(game.release());
    // Qt's words in its own dialogs, such as a message box's button. Without
    // Debian's qt6-translations-l10n they stay English.
    auto qt = std::make_unique<QTranslator>(&app);
    if (qt->load(QLatin1String("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.release());
    }
    return true;
}

} // namespace reelmoor
